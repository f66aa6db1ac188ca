// A seeded storm of user actions against the real window: typing ASCII, full-width and
// Chinese text, pasting random bytes, clicking every button, lever, check box and radio
// button, moving the focus. After every action the window must still hold together.
//   QUORBIT_STORM_SEED=n replays a run; QUORBIT_STORM_ACTIONS=n sets its length.

#include <QAbstractButton>
#include <QClipboard>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStringDecoder>
#include <QTest>
#include <cstdio>
#include <random>

#include "app/controls.h"
#include "app/widgets.h"
#include "switches/bank.h"
#include "tests/gui_support.h"

namespace quorbit::testing {
namespace {

std::uint64_t EnvOr(const char* name, std::uint64_t fallback) {
  bool ok = false;
  const auto value = qEnvironmentVariable(name).toULongLong(&ok);
  return ok ? value : fallback;
}

class StormTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    // Answer every box at once: a 0 ms timer fires inside the box's own event loop.
    watchdog_ = std::make_unique<ModalWatchdog>(0);
    AllowMessages();
    blank_ = W<app::Canvas>("画板2")->Image();
    lit_ = W<app::Canvas>("画板1")->Image();
    on_ = tk().Picture("LeverOnPicture");
  }

  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  QString RandomText() {
    static const QString kPieces[] = {"0",
                                      "1",
                                      "2",
                                      "5",
                                      "9",
                                      "-",
                                      "+",
                                      " ",
                                      ".",
                                      "e",
                                      "d",
                                      "a",
                                      "Z",
                                      "_",
                                      "^",
                                      QStringLiteral("０"),
                                      QStringLiteral("１"),
                                      QStringLiteral("５"),
                                      QStringLiteral("－"),
                                      QStringLiteral("．"),
                                      QStringLiteral("　"),
                                      QStringLiteral("中"),
                                      QStringLiteral("码"),
                                      QStringLiteral("☆")};
    QString text;
    for (int n = 1 + Pick(5); n > 0; --n) {
      text += Pick(4) == 0 ? QString(QChar(0x20 + Pick(0x5F))) : kPieces[Pick(std::size(kPieces))];
    }
    return text;
  }

  QByteArray RandomBytes() {
    QByteArray bytes;
    for (int n = Pick(12); n > 0; --n) bytes += static_cast<char>(Pick(256));
    return bytes;
  }

  QWidget* RandomEditBox() {
    static const char* kBoxes[] = {"编辑框_地址",   "编辑框_地址", "编辑框_列间距", "编辑框_地址数",
                                   "编辑框_列",     "编辑框_0",    "编辑框_1",      "编辑框_十进制",
                                   "编辑框_二进制", "编辑框1"};
    return W(kBoxes[Pick(std::size(kBoxes))]);
  }

  QAbstractButton* RandomButton() {
    static const char* kButtons[] = {
        "按钮_制表", "按钮_复制", "按钮_保存",   "按钮_十转二",   "按钮_二转十",    "单选框1",
        "单选框2",   "单选框3",   "选择框_加宽", "选择框_不显示", "选择框_显示位数"};
    if (Pick(3) == 0) {
      const auto lever = tk().FindByTag(1 + Pick(8));
      return lever ? qobject_cast<QAbstractButton*>(window().Widget(*lever)) : nullptr;
    }
    return W<QAbstractButton>(kButtons[Pick(std::size(kButtons))]);
  }

  void Act() {
    switch (Pick(8)) {
      case 0:
      case 1:
        TypeInto(RandomEditBox(), RandomText());
        break;
      case 2: {
        QWidget* box = RandomEditBox();
        box->setFocus(Qt::MouseFocusReason);
        QGuiApplication::clipboard()->setText(decoder_.decode(RandomBytes()));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        break;
      }
      case 3: {
        QWidget* box = RandomEditBox();
        box->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(box, Pick(2) ? Qt::Key_Backspace : Qt::Key_Delete);
        if (Pick(3) == 0) QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        break;
      }
      case 4:
      case 5:
      case 6:
        if (QAbstractButton* button = RandomButton()) {
          QTest::mouseClick(button, Qt::LeftButton, {},
                            QPoint(button->width() / 2, button->height() / 2));
        }
        break;
      case 7:
        QTest::keyClick(
            QApplication::focusWidget() ? QApplication::focusWidget() : window().frame(),
            Qt::Key_Tab, Pick(2) ? Qt::NoModifier : Qt::ShiftModifier);
        break;
    }
  }

  // The levers, the read-out and the symbol boxes agree with one another.
  void CheckInvariants(std::uint64_t action) {
    SCOPED_TRACE("after action " + std::to_string(action));
    ASSERT_EQ(W("图片框底")->findChildren<app::PictureButton*>().size(), 8);
    int sum = 0;
    for (int i = 1; i <= 8; ++i) {
      const auto lever = tk().FindByTag(i);
      ASSERT_TRUE(lever.has_value()) << "lever " << i;
      ASSERT_EQ(tk().Tag(*lever), std::to_string(i));
      if (text::BytesEqual(tk().GetPicture(*lever), on_)) sum += 1 << (i - 1);
    }
    QImage expected = blank_;
    if (sum > 0) {
      const int digits[] = {sum / 100, sum / 10 % 10, sum % 10};
      QPainter painter(&expected);
      painter.setCompositionMode(QPainter::CompositionMode_Source);
      for (int j = 0; j < 3; ++j)
        painter.drawImage(QPoint(40 * j, 0), lit_, QRect(40 * digits[j], 0, 40, 54));
    }
    ASSERT_EQ(W<app::Canvas>("画板2")->Image(), expected) << "read-out for " << sum;
    ASSERT_EQ(W("编辑框_0")->isEnabled(), !W<QAbstractButton>("选择框_不显示")->isChecked());
    ASSERT_EQ(W("编辑框_1")->isEnabled(), !W<QAbstractButton>("选择框_显示位数")->isChecked());
  }

  std::mt19937_64 random_;
  QStringDecoder decoder_{"GBK"};
  QImage blank_, lit_;
  ByteSet on_;
};

TEST_F(StormTest, WindowHoldsTogetherUnderRandomUse) {
  const std::uint64_t seed = EnvOr("QUORBIT_STORM_SEED", std::random_device{}());
  const std::uint64_t actions = EnvOr("QUORBIT_STORM_ACTIONS", 20000);
  std::printf("storm seed %llu, %llu actions (QUORBIT_STORM_SEED=%llu replays it)\n",
              static_cast<unsigned long long>(seed), static_cast<unsigned long long>(actions),
              static_cast<unsigned long long>(seed));
  std::fflush(stdout);
  RecordProperty("seed", std::to_string(seed));
  random_.seed(seed);
  for (std::uint64_t action = 1; action <= actions; ++action) {
    Act();
    ASSERT_NE(window().frame(), nullptr) << "the window closed at action " << action;
    ASSERT_NO_FATAL_FAILURE(CheckInvariants(action)) << "seed " << seed;
  }
  std::printf("storm: %zu modal boxes answered\n", watchdog_->seen.size());
}

}  // namespace
}  // namespace quorbit::testing
