// The DIP-switch simulator driven as a technician would: typing into the address box,
// pasting, leaving the box, clicking levers, and reading the three-digit display.

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <ostream>
#include <utility>
#include <vector>

#include "app/controls.h"
#include "app/widgets.h"
#include "tests/gui_support.h"

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace quorbit::testing {
namespace {

const QString kRefusal = QStringLiteral("提示！|请输入 1—255 之间的数。");

class SimulatorTest : public WindowTest {
 protected:
  // Each box is answered as a person would: once it has come up and taken the focus, by a
  // click on its OK button.
  void ExpectRefusals(int count) {
    for (int n = 0; n < count; ++n) {
      watchdog_->Expect([this](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->icon(), QMessageBox::Information);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        EXPECT_TRUE(QTest::qWaitForWindowActive(box));
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        // A window manager hands the activation back to the main window; offscreen has none.
        QWidget* frame = window().frame();
        frame->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(frame));
      });
    }
  }

  QLineEdit* Box() { return W<QLineEdit>("编辑框_地址"); }

  app::PictureButton* Lever(int i) {
    const auto lever = tk().FindByTag(i);
    if (!lever) return nullptr;
    return qobject_cast<app::PictureButton*>(window().Widget(*lever));
  }

  void ClickLever(int i) { QTest::mouseClick(Lever(i), Qt::LeftButton); }

  // Bit i-1 set for every ON lever i, which is the address the levers show.
  int LeverValue() {
    const ByteSet on = tk().Picture("LeverOnPicture");
    int value = 0;
    for (int i = 1; i <= 8; ++i) {
      if (tk().GetPicture(*tk().FindByTag(i)) == on) value |= 1 << (i - 1);
    }
    return value;
  }

  // Types key by key; "⌫" is Backspace, "⌦" Delete and "⇤" Home.
  void Keys(const QString& keys) {
    Box()->setFocus(Qt::OtherFocusReason);
    for (const QChar c : keys) {
      if (c == u'⌫') {
        QTest::keyClick(Box(), Qt::Key_Backspace);
      } else if (c == u'⌦') {
        QTest::keyClick(Box(), Qt::Key_Delete);
      } else if (c == u'⇤') {
        QTest::keyClick(Box(), Qt::Key_Home);
      } else {
        QTest::keyClicks(Box(), QString(c));
      }
    }
  }

  void Paste(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    Box()->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(Box(), Qt::Key_V, Qt::ControlModifier);
  }

  // The display shows, cell by cell, the lit cells of `digits`, or the unlit cells when
  // `digits` is empty: in its persistent image, in the widget drawn afresh, and on the
  // screen (the window's backing store), the last two inside the 1-pixel frame.
  ::testing::AssertionResult DisplayShows(const char* digits) {
    auto* display = W<app::Canvas>("画板2");
    const QImage lit = W<app::Canvas>("画板1")->Image();
    QImage unlit;
    const ByteSet background = tk().GetPicture(tk().Find(ctl::画板2));
    unlit.loadFromData(background.data(), static_cast<int>(background.size()));
    unlit = unlit.convertToFormat(QImage::Format_RGB32);
    const QPoint at = display->mapTo(window().frame(), QPoint(1, 1));
    const std::pair<const char*, QImage> shown[] = {
        {"image", display->Image()},
        {"widget", display->grab().toImage().copy(1, 1, 118, 52)},
        {"screen", QGuiApplication::primaryScreen()
                       ->grabWindow(window().frame()->winId(), at.x(), at.y(), 118, 52)
                       .toImage()},
    };
    for (const auto& [where, image] : shown) {
      const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
      if (pixels.size() != QSize(118, 52)) {
        return ::testing::AssertionFailure() << where << " is not 118x52";
      }
      for (int j = 0; j < 3; ++j) {
        const int width = j == 2 ? 38 : 40;
        const QImage expected = digits[0] == '\0' ? unlit.copy(40 * j, 0, width, 52)
                                                  : lit.copy(40 * (digits[j] - '0'), 0, width, 52);
        if (pixels.copy(40 * j, 0, width, 52) != expected) {
          return ::testing::AssertionFailure()
                 << where << " cell " << j + 1 << " is not that of \"" << digits << '"';
        }
      }
    }
    return ::testing::AssertionSuccess();
  }
};

TEST_F(SimulatorTest, BankHasEightLeversSideBySideAllOff) {
  const auto levers = W("图片框底")->findChildren<app::PictureButton*>();
  ASSERT_EQ(levers.size(), 8);
  const QByteArray off = window().Picture("LeverOffPicture");
  for (int i = 1; i <= 8; ++i) {
    SCOPED_TRACE(i);
    app::PictureButton* lever = Lever(i);
    ASSERT_NE(lever, nullptr);
    EXPECT_TRUE(levers.contains(lever));
    EXPECT_EQ(tk().Tag(*tk().FindByTag(i)), std::to_string(i));
    EXPECT_EQ(lever->geometry(), QRect(6 + 27 * (i - 1), 26, 27, 46));
    EXPECT_TRUE(lever->isVisible());
    EXPECT_EQ(lever->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(lever->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(lever->Picture(app::PictureButton::kNormal), off);
    EXPECT_EQ(lever->objectName(), i == 1 ? QStringLiteral("图形按钮1") : QString());
  }
  EXPECT_TRUE(DisplayShows(""));
}

// A click on any lever, the seven copies included, flips that lever alone. The box keeps
// its text "0" and its focus, so leaving it later would not undo the click.
TEST_F(SimulatorTest, EachLeverTogglesOnItsOwnClick) {
  Keys(QStringLiteral("0"));
  for (int i = 1; i <= 8; ++i) {
    SCOPED_TRACE(i);
    ClickLever(i);
    EXPECT_EQ(LeverValue(), 1 << (i - 1));
    EXPECT_TRUE(
        DisplayShows(QStringLiteral("%1").arg(1 << (i - 1), 3, 10, QChar(u'0')).toLatin1()));
    ClickLever(i);
    EXPECT_EQ(LeverValue(), 0);
    EXPECT_TRUE(DisplayShows(""));
    EXPECT_EQ(Box()->text(), QStringLiteral("0"));
    EXPECT_TRUE(Box()->hasFocus());
  }
  EXPECT_TRUE(TakeMessages().isEmpty());
}

TEST_F(SimulatorTest, TypingSetsTheLeversAndTheDisplay) {
  struct Step {
    int lever;  // clicked before the keys, 0 for none
    const char* keys;
    const char* text;
    int levers;
    const char* display;
    int refusals;
  };
  const struct {
    const char* name;
    std::vector<Step> steps;
  } cases[] = {
      {"5 turns levers 1 and 3 on", {{0, "5", "5", 0b101, "005", 0}}},
      {"255 turns all eight on", {{0, "255", "255", 0xFF, "255", 0}}},
      {"128 turns only lever 8 on", {{0, "128", "128", 0x80, "128", 0}}},
      {"300 is refused once and 30 stays",
       {{0, "3", "3", 0b11, "003", 0},
        {0, "0", "30", 0b11110, "030", 0},
        {0, "0", "300", 0b11110, "030", 1}}},
      {"each change beyond 255 is refused again",
       {{0, "256", "256", 25, "025", 1}, {0, "0", "2560", 25, "025", 1}}},
      {"deleting to empty turns all off",
       {{0, "12", "12", 0b1100, "012", 0}, {0, "⌫", "1", 1, "001", 0}, {0, "⌫", "", 0, "", 0}}},
      {"deleting a digit redraws all three", {{0, "255⌫", "25", 25, "025", 0}}},
      {"from 255 to 5 no old digit stays", {{0, "255⇤⌦⌦", "5", 0b101, "005", 0}}},
      {"0 turns all off", {{3, "0", "0", 0, "", 0}}},
      {"a minus alone reads as 0", {{3, "-", "-", 0, "", 0}}},
      {"a negative value is refused", {{0, "-", "-", 0, "", 0}, {0, "5", "-5", 0, "", 1}}},
      {"a negative value leaves the levers alone",
       {{0, "9", "9", 0b1001, "009", 0}, {0, "⇤-", "-9", 0b1001, "009", 1}}},
      {"letters typed are refused", {{0, "1a b.+x2", "12", 0b1100, "012", 0}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Reopen();
    for (const Step& step : c.steps) {
      SCOPED_TRACE(step.keys);
      if (step.lever != 0) ClickLever(step.lever);
      ExpectRefusals(step.refusals);
      Keys(QString::fromUtf8(step.keys));
      EXPECT_EQ(Box()->text(), QString::fromUtf8(step.text));
      EXPECT_EQ(LeverValue(), step.levers);
      EXPECT_TRUE(DisplayShows(step.display));
      EXPECT_EQ(TakeMessages(), QStringList(step.refusals, kRefusal));
    }
  }
}

TEST_F(SimulatorTest, PastedTextIsNotFiltered) {
  Keys(QStringLiteral("4"));
  Paste(QStringLiteral("x9"));
  EXPECT_EQ(Box()->text(), QStringLiteral("4x9"));
  EXPECT_EQ(LeverValue(), 4);
  EXPECT_TRUE(DisplayShows("004"));
  EXPECT_TRUE(TakeMessages().isEmpty());
}

// Leaving the box rewrites its text as the integer it spells. Lever 8 is clicked before
// leaving, so the levers show whether the rewrite applied the box again.
TEST_F(SimulatorTest, LeavingTheBoxRewritesItsTextAndAppliesIt) {
  enum Entry { kTyped, kPasted };
  const struct {
    const char* name;
    Entry entry;
    const char* text;
    bool by_tab;  // else a click into another box
    const char* rewritten;
    int levers;
    int refusals_on_entry;
    int refusals_on_rewrite;
  } cases[] = {
      {"leading zeros go", kTyped, "007", true, "7", 7, 0, 0},
      {"zero becomes empty", kTyped, "0", false, "", 0, 0, 0},
      {"a minus alone becomes empty", kTyped, "-", true, "", 0, 0, 0},
      {"a plain number stays and is not applied", kTyped, "12", false, "12", 12 | 128, 0, 0},
      {"pasted letters become empty", kPasted, "abc", true, "", 0, 0, 0},
      {"pasted trailing letters go", kPasted, "12abc", false, "12", 12, 0, 0},
      {"pasted space and plus go", kPasted, " +42", true, "42", 42, 0, 0},
      {"beyond 32 bits wraps, then is held at the top and refused", kPasted, "4294967301", false,
       "2147483647", 5 | 128, 0, 1},
      {"beyond 32 bits below wraps, then is held at the bottom and refused", kPasted, "-4294967301",
       true, "-2147483648", 128, 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Reopen();
    ExpectRefusals(c.refusals_on_entry);
    if (c.entry == kTyped) {
      Keys(QString::fromUtf8(c.text));
    } else {
      Paste(QString::fromUtf8(c.text));
    }
    EXPECT_EQ(TakeMessages(), QStringList(c.refusals_on_entry, kRefusal));
    ClickLever(8);
    ASSERT_TRUE(Box()->hasFocus());
    ExpectRefusals(c.refusals_on_rewrite);
    if (c.by_tab) {
      QTest::keyClick(Box(), Qt::Key_Tab);
    } else {
      QTest::mouseClick(W("编辑框_列"), Qt::LeftButton);
    }
    EXPECT_FALSE(Box()->hasFocus());
    EXPECT_EQ(Box()->text(), QString::fromUtf8(c.rewritten));
    EXPECT_EQ(LeverValue(), c.levers);
    EXPECT_EQ(TakeMessages(), QStringList(c.refusals_on_rewrite, kRefusal));
  }
}

// The refusal box takes the focus from the address box; that must not count as leaving it,
// or the rewrite of "0300" to "300" would bring a second refusal. Leaving it later does.
TEST_F(SimulatorTest, RefusalBoxTakingTheFocusDoesNotRewrite) {
  ExpectRefusals(1);
  Keys(QStringLiteral("0300"));
  EXPECT_EQ(TakeMessages(), QStringList(kRefusal));
  EXPECT_EQ(Box()->text(), QStringLiteral("0300"));
  EXPECT_EQ(LeverValue(), 0b11110);
  EXPECT_TRUE(DisplayShows("030"));
  ASSERT_TRUE(Box()->hasFocus());

  ExpectRefusals(1);
  QTest::keyClick(Box(), Qt::Key_Tab);
  EXPECT_EQ(TakeMessages(), QStringList(kRefusal));
  EXPECT_EQ(Box()->text(), QStringLiteral("300"));
  EXPECT_EQ(LeverValue(), 0b11110);
}

TEST_F(SimulatorTest, LeverClickLeavesTheBoxBehindUntilItChanges) {
  Keys(QStringLiteral("6"));
  ClickLever(1);
  EXPECT_EQ(Box()->text(), QStringLiteral("6"));
  EXPECT_EQ(LeverValue(), 7);
  EXPECT_TRUE(DisplayShows("007"));
  Keys(QStringLiteral("0"));
  EXPECT_EQ(LeverValue(), 60);
  EXPECT_TRUE(DisplayShows("060"));
}

TEST_F(SimulatorTest, DisplayDrawsTheLitCells) {
  const struct {
    const char* name;
    const char* keys;
    std::vector<int> clicks;
    const char* display;
  } cases[] = {
      {"only lever 1", "", {1}, "001"},
      {"levers 1 and 3", "5", {}, "005"},
      {"only lever 8", "128", {}, "128"},
      {"levers 2 and 4", "", {2, 4}, "010"},
      {"all eight", "255", {}, "255"},
      {"digits 3 and 9", "39", {}, "039"},
      {"digits 1, 7 and 4", "174", {}, "174"},
      {"digits 1, 9 and 6", "196", {}, "196"},
      {"lever 1 twice leaves nothing lit", "", {1, 1}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Reopen();
    Keys(QString::fromUtf8(c.keys));
    for (int lever : c.clicks) ClickLever(lever);
    EXPECT_TRUE(DisplayShows(c.display));
  }
  const QImage lit = W<app::Canvas>("画板1")->Image();
  EXPECT_NE(W<app::Canvas>("画板2")->Image().copy(0, 0, 40, 52), lit.copy(0, 0, 40, 52))
      << "an unlit cell must not look like a lit 0";
}

TEST_F(SimulatorTest, DigitsSurviveHidingTheWindow) {
  Keys(QStringLiteral("128"));
  window().frame()->hide();
  QApplication::processEvents();
  window().frame()->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window().frame()));
  EXPECT_TRUE(DisplayShows("128"));
}

}  // namespace
}  // namespace quorbit::testing
