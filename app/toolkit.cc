#include "app/toolkit.h"

#include <QApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include "app/main_window.h"
#include "app/skin.h"

namespace quorbit {
namespace {

QByteArray ToQt(const ByteSet& bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
}

ByteSet FromQt(const QByteArray& bytes) { return ByteSet(bytes.begin(), bytes.end()); }

// The multi-line box holds paragraphs; its texts hold CR LF between lines.
QString ToParagraphs(QString text) {
  return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
QString ToCrLf(QString text) { return text.replace(u'\n', QStringLiteral("\r\n")); }

}  // namespace

Toolkit::Toolkit(MainWindowImpl& window) : window_(window) {}

Control Toolkit::Find(std::string_view name) const { return window_.Find(name); }

std::optional<Control> Toolkit::FindByTag(std::int32_t tag) const { return window_.FindByTag(tag); }

Control Toolkit::EventSource() const { return window_.event_source(); }

Control Toolkit::CopyControl(Control original) { return window_.CopyControl(original); }

Text Toolkit::GetText(Control control) const {
  QObject* object = window_.Object(control);
  if (auto* box = qobject_cast<QLineEdit*>(object)) return window_.Encode(box->text());
  if (auto* box = qobject_cast<QPlainTextEdit*>(object)) {
    return window_.Encode(ToCrLf(box->toPlainText()));
  }
  if (auto* button = qobject_cast<QAbstractButton*>(object)) {
    return window_.Encode(button->text());
  }
  if (auto* label = qobject_cast<QLabel*>(object)) return window_.Encode(label->text());
  throw std::logic_error("control without a text");
}

void Toolkit::SetText(Control control, const Text& text) {
  QObject* object = window_.Object(control);
  const QString value = window_.Decode(text);
  if (auto* box = qobject_cast<QLineEdit*>(object)) {
    // Qt stays quiet when the text does not change; a written text always counts.
    QString shown = value.left(box->maxLength());
    if (box->text() == shown) {
      window_.RaiseTextChanged(control);
    } else {
      box->setText(shown);
    }
  } else if (auto* box = qobject_cast<QPlainTextEdit*>(object)) {
    box->setPlainText(ToParagraphs(value));
  } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
    button->setText(value);
  } else if (auto* label = qobject_cast<QLabel*>(object)) {
    label->setText(value);
  } else {
    throw std::logic_error("control without a text");
  }
}

bool Toolkit::Checked(Control control) const {
  return window_.As<QAbstractButton>(control)->isChecked();
}

void Toolkit::SetChecked(Control control, bool checked) {
  window_.As<QAbstractButton>(control)->setChecked(checked);
}

bool Toolkit::Enabled(Control control) const { return window_.As<QWidget>(control)->isEnabled(); }

void Toolkit::SetEnabled(Control control, bool enabled) {
  window_.As<QWidget>(control)->setEnabled(enabled);
}

bool Toolkit::Visible(Control control) const { return !window_.As<QWidget>(control)->isHidden(); }

void Toolkit::SetVisible(Control control, bool visible) {
  window_.As<QWidget>(control)->setVisible(visible);
}

int Toolkit::Left(Control control) const { return window_.As<QWidget>(control)->x(); }

void Toolkit::SetLeft(Control control, int left) {
  QWidget* widget = window_.As<QWidget>(control);
  widget->move(left, widget->y());
}

int Toolkit::Width(Control control) const { return window_.As<QWidget>(control)->width(); }

Text Toolkit::Tag(Control control) const { return window_.Tag(control); }

void Toolkit::SetTag(Control control, const Text& tag) { window_.SetTag(control, tag); }

ByteSet Toolkit::GetPicture(Control control) const {
  QObject* object = window_.Object(control);
  if (auto* button = qobject_cast<app::PictureButton*>(object)) {
    return FromQt(button->Picture(app::PictureButton::kNormal));
  }
  return FromQt(window_.As<app::Canvas>(control)->Background());
}

void Toolkit::SetPicture(Control control, const ByteSet& picture) {
  QObject* object = window_.Object(control);
  if (auto* button = qobject_cast<app::PictureButton*>(object)) {
    button->SetPicture(app::PictureButton::kNormal, ToQt(picture));
  } else {
    window_.As<app::Canvas>(control)->SetBackground(ToQt(picture));
  }
}

ByteSet Toolkit::Picture(std::string_view name) const { return FromQt(window_.Picture(name)); }

void Toolkit::AppendTexts(Control box, const std::function<void(const Sink&)>& produce) {
  auto* edit = window_.As<QPlainTextEdit>(box);
  QTextDocument* document = edit->document();
  // A generated table is not an edit to undo; keeping it on the undo stack costs as much
  // memory as the table itself.
  document->setUndoRedoEnabled(false);
  QTextCursor cursor(document);
  cursor.movePosition(QTextCursor::End);
  cursor.beginEditBlock();
  produce([&](const Text& piece) { cursor.insertText(ToParagraphs(window_.Decode(piece))); });
  cursor.endEditBlock();
  document->setUndoRedoEnabled(true);
  edit->setTextCursor(cursor);
  edit->ensureCursorVisible();
}

void Toolkit::RepaintNow(Control control) { window_.As<QWidget>(control)->repaint(); }

void Toolkit::CanvasBlockCopy(Control source, int source_left, int source_top, int width,
                              int height, Control target, int target_left, int target_top) {
  window_.As<app::Canvas>(target)->CopyFrom(*window_.As<app::Canvas>(source),
                                            QRect(source_left, source_top, width, height),
                                            QPoint(target_left, target_top));
}

void Toolkit::MessageBox(const Text& text, const Text& title, Icon icon) {
  QMessageBox box(icon == Icon::kInformation ? QMessageBox::Information : QMessageBox::NoIcon,
                  window_.Decode(title), window_.Decode(text), QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

void Toolkit::SetDialogFilter(Control dialog, const Text& filter) {
  window_.As<app::SaveDialogComponent>(dialog)->filter = window_.Decode(filter);
}

bool Toolkit::ShowSaveDialog(Control dialog) {
  return window_.As<app::SaveDialogComponent>(dialog)->Run(window_.frame());
}

FilePath Toolkit::DialogFileName(Control dialog) const {
  const QByteArray path =
      QFile::encodeName(window_.As<app::SaveDialogComponent>(dialog)->file_name);
  return FilePath(path.constData(), static_cast<std::size_t>(path.size()));
}

bool Toolkit::SetClipboardText(const Text& text) {
  return window_.clipboard_writer(window_.Decode(text));
}

bool Toolkit::WriteFile(const FilePath& path, const ByteSet& bytes) {
  // The new content goes to a temporary file that replaces the old one only when complete.
  QSaveFile file(QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size()))));
  if (!file.open(QIODevice::WriteOnly)) return false;
  // A write cut short (a full disk, a size limit) may only show when the buffer is flushed.
  if (file.write(ToQt(bytes)) != static_cast<qint64>(bytes.size()) || !file.flush()) {
    file.cancelWriting();
    file.commit();
    return false;
  }
  return file.commit();
}

void Toolkit::OpenWebAddress(const Text& address) {
  QDesktopServices::openUrl(QUrl::fromUserInput(window_.Decode(address)));
}

void Toolkit::StartWindowDrag() { window_.StartWindowDrag(); }

void Toolkit::DestroyWindow() {
  QMetaObject::invokeMethod(window_.frame(), &QWidget::close, Qt::QueuedConnection);
}

void Toolkit::PumpEvents(int milliseconds) {
  QElapsedTimer timer;
  timer.start();
  const qint64 limit = static_cast<qint64>(milliseconds) * 1'000'000;
  for (int pass = 0; pass < 2 || timer.nsecsElapsed() <= limit; ++pass) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  }
}

void Toolkit::SetControlSkin() { QApplication::setStyle(new app::SilverStyle); }

}  // namespace quorbit
