#pragma once
// What the window tests share: the real main window on the offscreen platform, a way to
// reach its controls by their layout names, and a watchdog that answers modal boxes so that
// no test hangs on one.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/app.h"

namespace quorbit::testing {

// A modal box that was open, as the watchdog found it.
struct SeenModal {
  QString title;
  QString text;  // a message box's text; empty for other dialogs
};

// Polls for modal widgets. Each one is handed to the next queued answer, or, when none is
// queued, recorded as unexpected and closed.
class ModalWatchdog {
 public:
  using Answer = std::function<void(QWidget* modal)>;
  explicit ModalWatchdog(int interval_ms = 15);
  void Expect(Answer answer) { answers_.push_back(std::move(answer)); }
  std::vector<SeenModal> seen;
  std::vector<SeenModal> unexpected;

 private:
  void Poll();
  QTimer timer_;
  std::vector<Answer> answers_;
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  template <typename T = QWidget>
  T* W(const char* name) const {
    auto* widget = window_->frame()->findChild<T*>(QString::fromUtf8(name));
    if (widget == nullptr) ADD_FAILURE() << "no control " << name;
    return widget;
  }
  Toolkit& tk() { return window_->toolkit(); }
  // Replaces an edit box's text by typing, and clicks a control, as a user would.
  void Enter(const char* box, const QString& text);
  void Click(const char* name);
  // Some tables of cases need the window as it opens for each row.
  void Reopen();
  MainWindowImpl& window() { return *window_; }

  // The messages the watchdog met since the last call, as "title|text".
  QStringList TakeMessages();
  void AllowMessages() { allow_unexpected_ = true; }

  std::unique_ptr<MainWindowImpl> window_;
  std::unique_ptr<ModalWatchdog> watchdog_;
  bool allow_unexpected_ = false;
};

// Types into a widget as a user would, key by key.
void TypeInto(QWidget* widget, const QString& text);

}  // namespace quorbit::testing
