#include "app/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCursor>
#include <QEventLoop>
#include <QFile>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QWindow>
#include <cstdio>
#include <limits>

namespace quorbit {
namespace {

using app::Kind;
using app::Row;

constexpr int kWindowWidth = 698;
constexpr int kWindowHeight = 522;
// The sizes the window icon comes in.
constexpr const char* kIconSizes[] = {"16", "24", "32", "48"};

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor Rgb(int rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

// The family "宋体" lands on, named directly: asked for a name no font has, Qt first has
// fontconfig sort every installed font for it, and only then tries the substitutes.
QString SongFamily() {
  const QString song = QStringLiteral("宋体");
  const QStringList installed = QFontDatabase::families();
  for (const QString& family : QStringList{song} + QFont::substitutes(song)) {
    if (installed.contains(family, Qt::CaseInsensitive)) return family;
  }
  return song;
}

QFont FontFor(const Row& row) {
  if (row.font == app::FontKind::kDialog) return QApplication::font();
  QFont font(SongFamily());
  font.setPixelSize(row.font_pixels);
  font.setBold(row.font == app::FontKind::kSongBold);
  // Unhinted, the Song font is drawn from its outlines alone; hinted, FreeType's auto-hinter
  // first measures dozens of sample glyphs across the 21 MB font file, 3 MB of it then resident.
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

// The integer box's rewrite when the user leaves it: the plain decimal of the integer its
// ASCII text spells, held at the 32-bit limits, zero as the empty text.
QString NormalisedInteger(const QString& text) {
  qsizetype i = 0;
  while (i < text.size() && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r'))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  long long value = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    value = std::min(value * 10 + (text[i].unicode() - u'0'), 1LL << 31);
  }
  if (negative) value = -value;
  value = std::clamp<long long>(value, std::numeric_limits<std::int32_t>::min(),
                                std::numeric_limits<std::int32_t>::max());
  return value == 0 ? QString() : QString::number(value);
}

// From the keyboard the integer box takes only digits and the minus sign; pasting is free.
// Leaving it rewrites the text, but not when the focus goes to one of our own modal boxes.
class IntegerBoxFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = static_cast<QLineEdit*>(watched);
    if (event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
      for (const QChar c : key->text()) {
        if (c.unicode() >= 0x20 && !(c >= u'0' && c <= u'9') && c != u'-') return true;
      }
    } else if (event->type() == QEvent::InputMethod) {
      return true;  // composed input is never a digit typed on the keyboard
    } else if (event->type() == QEvent::FocusOut) {
      // The focus going to one of our own windows (a message box, which may already have
      // closed by the time this arrives) is not the user leaving the box.
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      const QWidget* active = QApplication::activeWindow();
      const bool to_own_window =
          reason == Qt::ActiveWindowFocusReason && active != nullptr && active != box->window();
      const bool to_modal = QApplication::activeModalWidget() != nullptr;
      if (reason != Qt::PopupFocusReason && !to_modal && !to_own_window) {
        const QString normalised = NormalisedInteger(box->text());
        if (normalised != box->text()) box->setText(normalised);
      }
    }
    return false;
  }
};

// Escape closes the main window from wherever the focus is inside it.
class EscapeFilter : public QObject {
 public:
  EscapeFilter(QWidget* window) : QObject(window), window_(window) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != window_) return false;
    window_->close();
    return true;
  }

 private:
  QWidget* window_;
};

}  // namespace

MainWindowImpl::MainWindowImpl(std::span<const app::Binding> bindings) : toolkit_(*this) {
  clipboard_writer = [](const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(text);
    return clipboard->text() == text;
  };
  frame_ = new app::MainFrame(Picture("WindowBackdrop"));
  frame_->setObjectName(QStringLiteral("主窗口"));
  frame_->setAttribute(Qt::WA_DeleteOnClose);
  frame_->setFixedSize(kWindowWidth, kWindowHeight);
  frame_->setWindowTitle(QStringLiteral("Quorbit v1.4"));
  QIcon icon;
  for (const char* size : kIconSizes) {
    icon.addPixmap(QPixmap::fromImage(app::DecodePicture(Picture(std::string("AppIcon") + size))));
  }
  frame_->setWindowIcon(icon);
  QPalette palette = frame_->palette();
  palette.setColor(QPalette::Window, QColor(236, 236, 236));
  palette.setColor(QPalette::WindowText, Qt::black);
  frame_->setPalette(palette);
  qApp->installEventFilter(new EscapeFilter(frame_));

  const auto rows = app::Layout();
  for (const Row& row : rows) Build(row);
  // Qt stacks later siblings above earlier ones; the layout lists the top one first.
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
    if (auto* widget = Widget(Find(row->name)); widget != nullptr) widget->raise();
  }
  // Tab order follows the layout, with the multi-line box last.
  QWidget* previous = nullptr;
  QWidget* last = nullptr;
  for (const Row& row : rows) {
    QWidget* widget = Widget(Find(row.name));
    if (widget == nullptr || widget->focusPolicy() == Qt::NoFocus) continue;
    if (row.kind == Kind::kMultiLineBox) {
      last = widget;
      continue;
    }
    if (previous != nullptr) QWidget::setTabOrder(previous, widget);
    previous = widget;
  }
  if (previous != nullptr && last != nullptr) QWidget::setTabOrder(previous, last);
  Bind(bindings);
}

MainWindowImpl::~MainWindowImpl() { delete frame_.data(); }

QByteArray MainWindowImpl::Picture(std::string_view name) const {
  if (const auto found = pictures_.find(name); found != pictures_.end()) return found->second;
  QFile file(QStringLiteral(":/") + FromUtf8(name));
  if (!file.open(QIODevice::ReadOnly)) {
    throw std::logic_error("no picture named " + std::string(name));
  }
  return pictures_.emplace(std::string(name), file.readAll()).first->second;
}

// ICU opens a converter with its tables and code, a megabyte of memory; the window needs
// none of it until the first text crosses the toolkit boundary.
void MainWindowImpl::OpenConverters() {
  if (decoder_.isValid() && encoder_.isValid()) return;
  decoder_ = QStringDecoder("GBK");
  encoder_ = QStringEncoder("GBK");
  if (!decoder_.isValid() || !encoder_.isValid()) {
    throw std::runtime_error("this Qt has no GBK converter");
  }
}

QString MainWindowImpl::Decode(std::string_view gbk) {
  OpenConverters();
  decoder_.resetState();
  return decoder_.decode(QByteArrayView(gbk.data(), static_cast<qsizetype>(gbk.size())));
}

Text MainWindowImpl::Encode(const QString& text) {
  OpenConverters();
  encoder_.resetState();
  QByteArray bytes = encoder_.encode(text);
  bytes.replace('\0', "");  // a Text never holds a zero byte
  return Text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

Control MainWindowImpl::Register(QObject* object, Kind kind, std::string name) {
  const int id = static_cast<int>(entries_.size());
  if (!name.empty()) {
    object->setObjectName(FromUtf8(name));
    by_name_.emplace(name, id);
  }
  entries_.push_back({object, kind, std::move(name), {}, {}});
  return Control{id};
}

QObject* MainWindowImpl::Object(Control control) const {
  if (control.id < 0 || control.id >= static_cast<int>(entries_.size())) {
    throw std::logic_error("no such control");
  }
  return entries_[control.id].object.data();
}

QWidget* MainWindowImpl::Widget(Control control) const {
  return qobject_cast<QWidget*>(Object(control));
}

Control MainWindowImpl::Find(std::string_view name) const {
  const auto found = by_name_.find(name);
  if (found == by_name_.end()) throw std::logic_error("no control named " + std::string(name));
  return Control{found->second};
}

std::optional<Control> MainWindowImpl::FindByTag(std::int32_t tag) const {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const Entry& entry = entries_[i];
    if (!entry.tag.empty() && entry.object && text::TextToInt(entry.tag) == tag) {
      return Control{static_cast<int>(i)};
    }
  }
  return std::nullopt;
}

Text MainWindowImpl::Tag(Control control) const {
  Object(control);
  return entries_[control.id].tag;
}

void MainWindowImpl::SetTag(Control control, const Text& tag) {
  Object(control);
  entries_[control.id].tag = tag;
}

void MainWindowImpl::Build(const Row& row) {
  QWidget* parent = row.parent.empty() ? frame_.data() : Widget(Find(row.parent));
  const QString text = FromUtf8(row.text);
  QWidget* widget = nullptr;
  switch (row.kind) {
    case Kind::kLabel:
    case Kind::kTitleLabel: {
      QLabel* label =
          row.kind == Kind::kTitleLabel ? new app::TitleLabel(parent) : new QLabel(parent);
      label->setText(text);
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      label->setWordWrap(false);
      label->setAutoFillBackground(row.kind == Kind::kLabel);
      if (row.framed) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
      }
      widget = label;
      break;
    }
    case Kind::kEditBox: {
      auto* box = new QLineEdit(parent);
      box->setText(text);
      box->setAlignment(row.centred ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter));
      if (row.max_length > 0) box->setMaxLength(row.max_length);
      if (row.integer_input) box->installEventFilter(new IntegerBoxFilter(box));
      widget = box;
      break;
    }
    case Kind::kMultiLineBox: {
      auto* box = new QPlainTextEdit(parent);
      box->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
      box->setLineWrapMode(QPlainTextEdit::NoWrap);
      box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
      box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
      box->setTabChangesFocus(true);
      widget = box;
      break;
    }
    case Kind::kPushButton: {
      auto* button = new QPushButton(text, parent);
      button->setAutoDefault(false);
      widget = button;
      break;
    }
    case Kind::kPictureButton: {
      auto* button = new app::PictureButton(parent);
      button->SetPicture(app::PictureButton::kNormal, Picture(row.picture));
      if (!row.hover_picture.empty()) {
        button->SetPicture(app::PictureButton::kHover, Picture(row.hover_picture));
      }
      button->setCursor(row.tag.empty() ? Qt::ArrowCursor : Qt::PointingHandCursor);
      widget = button;
      break;
    }
    case Kind::kLinkButton: {
      auto* button = new app::LinkButton(parent);
      button->setText(text);
      button->SetIconPicture(Picture(row.picture));
      widget = button;
      break;
    }
    case Kind::kCheckBox: {
      auto* box = new QCheckBox(text, parent);
      if (row.caption_left) box->setLayoutDirection(Qt::RightToLeft);
      box->setBackgroundRole(QPalette::Window);  // a button's own role would be Button
      box->setAutoFillBackground(true);
      widget = box;
      break;
    }
    case Kind::kRadioButton: {
      auto* button = new QRadioButton(text, parent);
      button->setBackgroundRole(QPalette::Window);
      button->setAutoFillBackground(true);
      widget = button;
      break;
    }
    case Kind::kGroupBox: {
      auto* box = new QGroupBox(text, parent);
      box->setAutoFillBackground(true);
      widget = box;
      break;
    }
    case Kind::kPictureBox: {
      auto* box = new QLabel(parent);
      box->setPixmap(QPixmap::fromImage(app::DecodePicture(Picture(row.picture))));
      box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      box->setScaledContents(row.picture_mode == app::PictureMode::kStretch);
      widget = box;
      break;
    }
    case Kind::kShapeBox:
      widget = new app::ShapeBox(parent);
      break;
    case Kind::kCanvas: {
      auto* canvas = new app::Canvas(parent,
                                     row.picture_mode == app::PictureMode::kCentredFit
                                         ? app::Canvas::Mode::kCentredFit
                                         : app::Canvas::Mode::kTopLeft,
                                     row.framed);
      canvas->setGeometry(row.left, row.top, row.width, row.height);
      canvas->SetBackground(Picture(row.picture));
      widget = canvas;
      break;
    }
    case Kind::kSaveDialog: {
      auto* dialog = new app::SaveDialogComponent(frame_);
      dialog->default_extension = QStringLiteral("txt");
      Register(dialog, row.kind, std::string(row.name));
      return;
    }
  }
  widget->setGeometry(row.left, row.top, row.width, row.height);
  widget->setFont(FontFor(row));
  if (row.text_rgb >= 0) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, Rgb(row.text_rgb));
    widget->setPalette(palette);
  }
  widget->setVisible(!row.hidden);
  const Control control = Register(widget, row.kind, std::string(row.name));
  if (!row.tag.empty()) SetTag(control, Text(row.tag));
  Connect(control);
}

void MainWindowImpl::Connect(Control control) {
  QObject* object = Object(control);
  if (auto* title = dynamic_cast<app::TitleLabel*>(object); title != nullptr) {
    title->on_press = [this, control] { Raise(control, Event::kLeftPressed); };
  } else if (auto* button = qobject_cast<QAbstractButton*>(object); button != nullptr) {
    QObject::connect(button, &QAbstractButton::clicked, frame_,
                     [this, control] { Raise(control, Event::kClicked); });
  } else if (auto* box = qobject_cast<QLineEdit*>(object); box != nullptr) {
    QObject::connect(box, &QLineEdit::textChanged, frame_,
                     [this, control] { Raise(control, Event::kTextChanged); });
  }
}

void MainWindowImpl::Bind(std::span<const app::Binding> bindings) {
  for (const app::Binding& binding : bindings) {
    if (binding.control.empty()) {
      created_.push_back(binding.handler);
    } else {
      entries_[Find(binding.control).id].handlers.emplace_back(binding.event, binding.handler);
    }
  }
}

void MainWindowImpl::Raise(Control source, Event event) {
  // Copy: a handler may add controls, which moves the entries.
  const auto handlers = entries_[source.id].handlers;
  for (const auto& [bound_event, handler] : handlers) {
    if (bound_event != event) continue;
    const Control previous = event_source_;
    event_source_ = source;
    handler(toolkit_);
    event_source_ = previous;
  }
}

Control MainWindowImpl::CopyControl(Control original) {
  auto* button = qobject_cast<app::PictureButton*>(Object(original));
  if (button == nullptr) throw std::logic_error("only picture buttons are copied");
  auto* copy = new app::PictureButton(button->parentWidget());
  copy->hide();
  copy->CopyPictures(*button);
  copy->setGeometry(button->geometry());
  copy->setCursor(button->cursor());
  copy->setFont(button->font());
  const Entry& from = entries_[original.id];
  const Kind kind = from.kind;
  Text tag = from.tag;
  auto handlers = from.handlers;
  const Control control = Register(copy, kind, {});
  entries_[control.id].tag = std::move(tag);
  entries_[control.id].handlers = std::move(handlers);
  Connect(control);
  return control;
}

void MainWindowImpl::Show() {
  // Centred by integer division, so a small screen gives a negative place.
  if (const QScreen* screen = QGuiApplication::primaryScreen(); screen != nullptr) {
    const QRect geometry = screen->geometry();
    frame_->move(geometry.x() + (geometry.width() - kWindowWidth) / 2,
                 geometry.y() + (geometry.height() - kWindowHeight) / 2);
  }
  frame_->show();
  for (Handler handler : created_) handler(toolkit_);
}

void MainWindowImpl::StartWindowDrag() {
  QWindow* window = frame_->windowHandle();
  if (window != nullptr && window->startSystemMove()) return;
  DragManually();
}

// Without a window manager to move the window, follow the mouse until the button is up.
void MainWindowImpl::DragManually() {
  if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) return;
  class Follower : public QObject {
   public:
    Follower(QWidget* window, QEventLoop* loop)
        : window_(window), loop_(loop), offset_(QCursor::pos() - window->pos()) {}

   protected:
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::MouseMove) {
        window_->move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - offset_);
        return true;
      }
      if (event->type() == QEvent::MouseButtonRelease) {
        loop_->quit();
        return true;
      }
      return false;
    }

   private:
    QWidget* window_;
    QEventLoop* loop_;
    QPoint offset_;
  };
  QEventLoop loop;
  Follower follower(frame_, &loop);
  QPointer<app::MainFrame> frame = frame_;
  qApp->installEventFilter(&follower);
  frame_->grabMouse();
  QObject::connect(frame_, &QObject::destroyed, &loop, &QEventLoop::quit);
  loop.exec();
  if (frame) frame->releaseMouse();
  qApp->removeEventFilter(&follower);
}

}  // namespace quorbit
