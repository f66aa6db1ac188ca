#include "tests/gui_support.h"

#include <QDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTest>

namespace quorbit::testing {

ModalWatchdog::ModalWatchdog(int interval_ms) {
  timer_.setInterval(interval_ms);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
  timer_.start();
}

void ModalWatchdog::Poll() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr || !modal->isVisible()) return;
  SeenModal entry{modal->windowTitle(), {}};
  if (auto* box = qobject_cast<QMessageBox*>(modal)) entry.text = box->text();
  seen.push_back(entry);
  if (!answers_.empty()) {
    Answer answer = std::move(answers_.front());
    answers_.erase(answers_.begin());
    answer(modal);
    return;
  }
  if (!qobject_cast<QMessageBox*>(modal)) unexpected.push_back(entry);
  if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    dialog->reject();
  } else {
    modal->close();
  }
}

void WindowTest::SetUp() {
  watchdog_ = std::make_unique<ModalWatchdog>();
  window_ = app::OpenMainWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_->frame()));
}

void WindowTest::Reopen() {
  window_->frame()->close();
  window_ = app::OpenMainWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_->frame()));
}

void WindowTest::TearDown() {
  if (window_->frame() != nullptr) window_->frame()->close();
  window_.reset();
  QApplication::processEvents();
  if (!allow_unexpected_) {
    for (const SeenModal& modal : watchdog_->unexpected) {
      ADD_FAILURE() << "unexpected modal dialog: " << modal.title.toStdString();
    }
  }
  watchdog_.reset();
}

void WindowTest::Enter(const char* box, const QString& text) {
  W<QLineEdit>(box)->clear();
  TypeInto(W(box), text);
}

void WindowTest::Click(const char* name) { QTest::mouseClick(W(name), Qt::LeftButton); }

QStringList WindowTest::TakeMessages() {
  QStringList messages;
  for (const SeenModal& modal : watchdog_->seen) messages << modal.title + u'|' + modal.text;
  watchdog_->seen.clear();
  return messages;
}

void TypeInto(QWidget* widget, const QString& text) {
  widget->setFocus(Qt::OtherFocusReason);
  for (const QChar c : text) {
    if (c.unicode() < 0x80) {
      QTest::keyClicks(widget, QString(c));
      continue;
    }
    // Qt's key simulation knows only ASCII keys; other characters come as key text.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
  }
}

}  // namespace quorbit::testing
