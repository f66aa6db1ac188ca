// The base converter through the real window: type, click, read the boxes back.

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "tests/gui_support.h"

namespace quorbit::testing {
namespace {

class ConvertWindowTest : public WindowTest {
 protected:
  QString Text(const char* box) { return W<QLineEdit>(box)->text(); }
};

TEST_F(ConvertWindowTest, DecimalToBinaryFillsBothBoxesAndKeepsTheDecimal) {
  const struct {
    const char* name;
    QString decimal, binary, reversed;
  } rows[] = {
      {"thirteen", "13", "1 1 0 1", "1 0 1 1 "},
      {"full-width digits", QStringLiteral("１３"), "1 1 0 1", "1 0 1 1 "},
      {"above eight bits", "256", "1 0 0 0 0 0 0 0 0", "0 0 0 0 0 0 0 0 1 "},
      {"odd negative", "-5", "-1", "-1 "},
      {"wraps to the lowest integer", "2147483648", "0", "0 "},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Enter("编辑框_二进制", "garbage");
    Enter("编辑框_十进制", row.decimal);
    Click("按钮_十转二");
    EXPECT_EQ(Text("编辑框_二进制"), row.binary);
    EXPECT_EQ(Text("编辑框_倒序二进制"), row.reversed);
    EXPECT_EQ(Text("编辑框_十进制"), row.decimal);
  }
  EXPECT_TRUE(W("编辑框_倒序二进制")->isHidden());
}

TEST_F(ConvertWindowTest, BinaryToDecimalWritesOnlyTheDecimal) {
  const struct {
    const char* name;
    QString binary, decimal;
  } rows[] = {
      {"spaced digits", "1 1 0 1", "13"},
      {"a two counts twice its place", "12", "4"},
      {"a Chinese character takes two places", QStringLiteral("1中"), "4"},
      {"empty", "", "0"},
      {"thirty-two ones wrap", QString(32, u'1'), "-1"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Enter("编辑框_十进制", "99");
    W<QLineEdit>("编辑框_二进制")->setText(row.binary);
    Click("按钮_二转十");
    EXPECT_EQ(Text("编辑框_十进制"), row.decimal);
    EXPECT_EQ(Text("编辑框_二进制"), row.binary);
  }
}

TEST_F(ConvertWindowTest, RoundTripThroughTheWindow) {
  for (const char* value : {"0", "1", "255", "65535", "2147483647"}) {
    Enter("编辑框_十进制", value);
    Click("按钮_十转二");
    Enter("编辑框_十进制", "");
    Click("按钮_二转十");
    EXPECT_EQ(Text("编辑框_十进制"), QString::fromLatin1(value));
  }
}

}  // namespace
}  // namespace quorbit::testing
