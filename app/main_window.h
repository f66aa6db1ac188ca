#pragma once
// The main window built from the layout table, the registry of its controls, and the
// dispatch of control events to the handlers of the binding table.

#include <QByteArray>
#include <QPointer>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/layout.h"
#include "app/toolkit.h"
#include "app/widgets.h"

namespace quorbit::app {

enum class Event { kCreated, kClicked, kTextChanged, kLeftPressed };

struct Binding {
  std::string_view control;  // empty: the window itself
  Event event;
  Handler handler;
};

}  // namespace quorbit::app

namespace quorbit {

class MainWindowImpl {
 public:
  explicit MainWindowImpl(std::span<const app::Binding> bindings);
  ~MainWindowImpl();
  MainWindowImpl(const MainWindowImpl&) = delete;
  MainWindowImpl& operator=(const MainWindowImpl&) = delete;

  // Centres the window on the primary screen, shows it and runs the created handlers.
  void Show();

  Toolkit& toolkit() { return toolkit_; }
  app::MainFrame* frame() const { return frame_; }
  QObject* Object(Control control) const;
  QWidget* Widget(Control control) const;
  template <typename T>
  T* As(Control control) const {
    auto* object = qobject_cast<T*>(Object(control));
    if (object == nullptr) throw std::logic_error("control of another kind");
    return object;
  }
  Control Find(std::string_view name) const;
  std::optional<Control> FindByTag(std::int32_t tag) const;
  Control CopyControl(Control original);
  Text Tag(Control control) const;
  void SetTag(Control control, const Text& tag);
  Control event_source() const { return event_source_; }
  void StartWindowDrag();
  // Raises the text-changed event of an edit box whose text was written unchanged.
  void RaiseTextChanged(Control control) { Raise(control, Event::kTextChanged); }

  QString Decode(std::string_view gbk);
  Text Encode(const QString& text);
  QByteArray Picture(std::string_view name) const;

  // What writes the clipboard; tests swap it for one that refuses.
  std::function<bool(const QString&)> clipboard_writer;

 private:
  using Kind = app::Kind;
  using Event = app::Event;
  struct Entry {
    QPointer<QObject> object;
    Kind kind;
    std::string name;
    Text tag;
    std::vector<std::pair<Event, Handler>> handlers;
  };

  Control Register(QObject* object, Kind kind, std::string name);
  void Build(const app::Row& row);
  void Bind(std::span<const app::Binding> bindings);
  void Raise(Control source, Event event);  // runs the handlers bound to the event
  void Connect(Control control);            // routes the widget's signals to Raise
  void DragManually();
  void OpenConverters();

  Toolkit toolkit_;
  QPointer<app::MainFrame> frame_;  // deletes itself when closed
  std::vector<Entry> entries_;
  std::map<std::string, int, std::less<>> by_name_;
  // The program's pictures, read once: the levers compare theirs on every change.
  mutable std::map<std::string, QByteArray, std::less<>> pictures_;
  std::vector<Handler> created_;
  Control event_source_;
  QStringDecoder decoder_;  // GBK, opened by the first Decode or Encode
  QStringEncoder encoder_;
};

}  // namespace quorbit
