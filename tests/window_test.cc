// The main window as it opens, and the ways it closes.

#include <QAbstractButton>
#include <QCheckBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include "app/controls.h"
#include "app/layout.h"
#include "app/widgets.h"
#include "tests/gui_support.h"

namespace quorbit::testing {
namespace {

TEST_F(WindowTest, OpensCentredFramelessAndFixed) {
  QWidget* frame = window().frame();
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(frame->pos(), QPoint((screen.width() - 698) / 2, (screen.height() - 522) / 2));
  EXPECT_EQ(frame->size(), QSize(698, 522));
  EXPECT_EQ(frame->minimumSize(), frame->maximumSize());
  EXPECT_TRUE(frame->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("Quorbit v1.4"));
  EXPECT_FALSE(frame->windowIcon().isNull());
}

TEST_F(WindowTest, EveryControlStandsWhereTheLayoutPutsIt) {
  for (const app::Row& row : app::Layout()) {
    if (row.kind == app::Kind::kSaveDialog) continue;
    SCOPED_TRACE(std::string(row.name));
    QWidget* widget = W(std::string(row.name).c_str());
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->geometry(), QRect(row.left, row.top, row.width, row.height));
    EXPECT_EQ(widget->isHidden(), row.hidden);
  }
}

TEST_F(WindowTest, StartsWithTheInitialTextsAndNothingChosen) {
  const struct {
    const char* name;
    const char* text;
  } boxes[] = {{"编辑框_列间距", "3"}, {"编辑框_地址数", "255"}, {"编辑框_列", "5"},
               {"编辑框_0", "0"},      {"编辑框_1", "1"},        {"编辑框_地址", ""},
               {"编辑框_十进制", ""},  {"编辑框_二进制", ""},    {"编辑框_倒序二进制", ""}};
  for (const auto& box : boxes) {
    EXPECT_EQ(W<QLineEdit>(box.name)->text(), QString::fromUtf8(box.text)) << box.name;
    EXPECT_TRUE(W(box.name)->isEnabled()) << box.name;
  }
  for (auto* button : window().frame()->findChildren<QAbstractButton*>()) {
    if (qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button)) {
      EXPECT_FALSE(button->isChecked()) << button->objectName().toStdString();
    }
  }
  EXPECT_EQ(W<QLabel>("透明标签1")->text(), QStringLiteral("     Quorbitv1.5"));
  EXPECT_EQ(W<QGroupBox>("分组框2")->title(), QStringLiteral("编码表生成设置"));
}

TEST_F(WindowTest, IntroductionTextIsExactAndShownFromItsTop) {
  const Text intro = tk().GetText(tk().Find(ctl::编辑框1));
  EXPECT_EQ(intro.size(), 573u);
  EXPECT_EQ(intro.substr(0, 15), "           \xBC\xF2\xBD\xE9");  // "简介"
  EXPECT_EQ(intro.substr(intro.size() - 3), "\r\n ");
  auto* box = W<QPlainTextEdit>("编辑框1");
  EXPECT_EQ(box->verticalScrollBar()->value(), 0);
}

TEST_F(WindowTest, MultiLineBoxIsLastInTheTabOrder) {
  QWidget* frame = window().frame();
  QStringList order;
  for (QWidget* w = frame->nextInFocusChain(); w != frame; w = w->nextInFocusChain()) {
    if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(frame)) order << w->objectName();
  }
  ASSERT_FALSE(order.isEmpty());
  EXPECT_EQ(order.back(), QStringLiteral("编辑框1"));
  EXPECT_TRUE(order.contains(QStringLiteral("超级按钮1")));
  EXPECT_TRUE(order.contains(QStringLiteral("单选框1")));
  EXPECT_FALSE(order.contains(QStringLiteral("图形按钮1")));
}

TEST_F(WindowTest, TagCutsTheLastTOfTheCountCaption) {
  auto* label = W<QLabel>("标签6");
  const QFontMetrics metrics(label->font());
  EXPECT_LE(metrics.horizontalAdvance(QStringLiteral("编码生成到：")), label->width());
  EXPECT_GT(metrics.horizontalAdvance(QStringLiteral("编码生成到：T")), label->width());
}

constexpr QRgb kSilver = qRgb(198, 197, 215);

QImage Picture(QWidget* widget) {
  return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int SilverPixels(QWidget* widget) {
  const QImage image = Picture(widget);
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == kSilver;
  }
  return count;
}

// The middles of the left, right and bottom edges, and of the top edge unless a caption
// stands there, are in the frame colour.
bool FramedInSilver(QWidget* widget, bool top = true) {
  const QImage image = Picture(widget);
  const int w = image.width(), h = image.height();
  return image.pixel(0, h / 2) == kSilver && image.pixel(w - 1, h / 2) == kSilver &&
         image.pixel(w / 2, h - 1) == kSilver && (!top || image.pixel(w / 2, 0) == kSilver);
}

TEST_F(WindowTest, StandardControlsHaveOnePixelSilverFrames) {
  for (const char* name : {"按钮_复制", "按钮_十转二", "编辑框_列", "编辑框_地址", "编辑框1"}) {
    EXPECT_TRUE(FramedInSilver(W(name))) << name;
  }
  EXPECT_TRUE(FramedInSilver(W("分组框2"), false));
  // A selection in the table box looks the same when the focus has gone to a button.
  const QPalette palette = W("编辑框1")->palette();
  EXPECT_EQ(palette.color(QPalette::Inactive, QPalette::Highlight),
            palette.color(QPalette::Active, QPalette::Highlight));
  // The box of a check box is a square frame; a radio button's is a circle.
  EXPECT_GE(SilverPixels(W("选择框_不显示")), 4 * 12);
  EXPECT_GT(SilverPixels(W("单选框1")), 0);
  // Controls that draw themselves keep their own look.
  for (const char* name : {"标签7", "图片框底", "透明标签1"}) {
    EXPECT_EQ(SilverPixels(W(name)), 0) << name;
  }
}

// Qt's own boxes, opened as the user opens them: a message box by an address above 255, the
// save dialog by the save button. Each is handed to the check before it is closed.
class QtBoxesTest : public WindowTest {
 protected:
  void WithMessageBox(const std::function<void(QMessageBox*)>& check) {
    bool seen = false;
    watchdog_->Expect([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      seen = box != nullptr;
      if (box != nullptr) check(box);
      modal->close();
    });
    TypeInto(W("编辑框_地址"), QStringLiteral("300"));
    EXPECT_TRUE(seen) << "expected a message box";
    TakeMessages();
  }
  void WithSaveDialog(const std::function<void(QFileDialog*)>& check) {
    bool seen = false;
    watchdog_->Expect([&](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      seen = dialog != nullptr;
      if (dialog != nullptr) check(dialog);
      modal->close();
    });
    Click("按钮_保存");
    EXPECT_TRUE(seen) << "expected the save dialog";
  }
};

TEST_F(QtBoxesTest, MessageBoxesAndTheSaveDialogShareTheSkin) {
  WithMessageBox([](QMessageBox* box) { EXPECT_TRUE(FramedInSilver(box->buttons().value(0))); });
  WithSaveDialog([](QFileDialog* dialog) {
    QStringList unframed;
    for (QWidget* control : dialog->findChildren<QWidget*>()) {
      const bool standard = qobject_cast<QPushButton*>(control) != nullptr ||
                            qobject_cast<QLineEdit*>(control) != nullptr;
      if (standard && control->isVisibleTo(dialog) && !FramedInSilver(control)) {
        unframed << control->metaObject()->className() + (u' ' + control->objectName());
      }
    }
    EXPECT_TRUE(unframed.isEmpty()) << unframed.join(u", ").toStdString();
  });
}

// Qt's translations come with the test command's packages.
TEST_F(QtBoxesTest, QtsOwnButtonsAndDialogSpeakChinese) {
  WithMessageBox(
      [](QMessageBox* box) { EXPECT_EQ(box->buttons().value(0)->text(), QStringLiteral("确定")); });
  WithSaveDialog([](QFileDialog* dialog) {
    QStringList buttons;
    for (auto* button : dialog->findChildren<QPushButton*>()) {
      if (button->isVisibleTo(dialog)) buttons << button->text().remove(u'&');
    }
    const QString all = buttons.join(u' ');
    EXPECT_TRUE(all.contains(QStringLiteral("取消"))) << all.toStdString();
    EXPECT_TRUE(all.contains(QStringLiteral("保存"))) << all.toStdString();
    EXPECT_EQ(dialog->labelText(QFileDialog::LookIn), QStringLiteral("查找范围："));
  });
}

TEST_F(WindowTest, CloseButtonShowsItsHoverPictureUnderTheMouse) {
  auto* button = W<app::PictureButton>("图形按钮0");
  const QImage normal = button->grab().toImage();
  QTest::mouseMove(button, QPoint(11, 11));
  QEnterEvent enter(QPointF(11, 11), QPointF(11, 11), button->mapToGlobal(QPointF(11, 11)));
  QApplication::sendEvent(button, &enter);
  button->setAttribute(Qt::WA_UnderMouse, true);
  const QImage hover = button->grab().toImage();
  button->setAttribute(Qt::WA_UnderMouse, false);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(button, &leave);
  EXPECT_NE(normal, hover);
  EXPECT_EQ(button->grab().toImage(), normal);
}

// Runs the event loop until the window goes, with a guard against waiting for ever.
int RunUntilClosed(QWidget* frame, const std::function<void()>& act) {
  QApplication::setQuitOnLastWindowClosed(true);
  QTimer::singleShot(0, frame, act);
  QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
  const int status = QApplication::exec();
  QApplication::setQuitOnLastWindowClosed(false);
  return status;
}

TEST_F(WindowTest, EscapeInAnEditBoxEndsTheProgram) {
  QPointer<QWidget> frame = window().frame();
  auto* box = W<QLineEdit>("编辑框_地址");
  const int status = RunUntilClosed(frame, [box] {
    TypeInto(box, QStringLiteral("12"));
    QTest::keyClick(box, Qt::Key_Escape);
  });
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(frame.isNull());
}

TEST_F(WindowTest, EscapeInTheTableBoxEndsTheProgram) {
  QPointer<QWidget> frame = window().frame();
  auto* box = W("编辑框1");
  const int status = RunUntilClosed(frame, [box] { QTest::keyClick(box, Qt::Key_Escape); });
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(frame.isNull());
}

TEST_F(WindowTest, CloseButtonEndsTheProgram) {
  QPointer<QWidget> frame = window().frame();
  auto* button = W("图形按钮0");
  const int status = RunUntilClosed(frame, [button] { QTest::mouseClick(button, Qt::LeftButton); });
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(frame.isNull());
}

}  // namespace
}  // namespace quorbit::testing
