#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "convert/base.h"

namespace quorbit::convert {
namespace {

// count digits d joined by single spaces, and each followed by a space.
std::string Joined(const std::string& digit, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += (i == 0 ? "" : " ") + digit;
  return out;
}
std::string EachFollowed(const std::string& digit, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += digit + " ";
  return out;
}

TEST(DecimalToBinary, Table) {
  struct Row {
    const char* name;
    std::string decimal;
    std::string binary;
    std::string reversed;
  };
  const std::vector<Row> rows = {
      {"13", "13", "1 1 0 1", "1 0 1 1 "},
      {"1", "1", "1", "1 "},
      {"2", "2", "1 0", "0 1 "},
      {"255", "255", "1 1 1 1 1 1 1 1", "1 1 1 1 1 1 1 1 "},
      {"256", "256", "1 0 0 0 0 0 0 0 0", "0 0 0 0 0 0 0 0 1 "},
      {"0", "0", "0", "0 "},
      {"empty text reads as 0", "", "0", "0 "},
      {"no number reads as 0", "abc", "0", "0 "},
      {"leading space", " 13", "1 1 0 1", "1 0 1 1 "},
      {"plus sign", "+13", "1 1 0 1", "1 0 1 1 "},
      {"trailing letters", "13abc", "1 1 0 1", "1 0 1 1 "},
      {"fraction ignored", "13.9", "1 1 0 1", "1 0 1 1 "},
      {"full-width digits", "\xA3\xB1\xA3\xB3", "1 1 0 1", "1 0 1 1 "},  // "１３"
      {"no exponent", "1e3", "1", "1 "},
      {"stops at a space", "1 3", "1", "1 "},
      {"odd negative gives -1", "-5", "-1", "-1 "},
      {"minus one", "-1", "-1", "-1 "},
      {"even negative gives 0", "-4", "0", "0 "},
      {"largest integer", "2147483647", Joined("1", 31), EachFollowed("1", 31)},
      {"2^31 wraps to the smallest integer", "2147483648", "0", "0 "},
      {"2^32 - 1 wraps to -1", "4294967295", "-1", "-1 "},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const BinaryTexts result = DecimalToBinary(row.decimal);
    EXPECT_EQ(result.binary, row.binary);
    EXPECT_EQ(result.reversed, row.reversed);
  }
}

TEST(BinaryToDecimal, Table) {
  struct Row {
    const char* name;
    std::string binary;
    std::string decimal;
  };
  const std::vector<Row> rows = {
      {"spaced digits", "1 1 0 1", "13"},
      {"digits without spaces", "1101", "13"},
      {"a reversed form is read most significant first", "1 0 1 1 ", "11"},
      {"leading zeros", "000001", "1"},
      {"eight ones", "11111111", "255"},
      {"empty", "", "0"},
      {"a 2 adds twice its place", "12", "4"},
      {"a letter adds nothing", "a", "0"},
      {"a minus takes a place and adds nothing", "-1", "1"},
      {"each byte of a Chinese character takes a place", "1\xD6\xD0", "4"},  // "1中"
      {"a tab takes a place", "1\t", "2"},
      {"thirty-one ones", std::string(31, '1'), "2147483647"},
      {"2^31 wraps", "1" + std::string(31, '0'), "-2147483648"},
      {"thirty-two ones wrap to -1", std::string(32, '1'), "-1"},
      {"2^32 wraps to 0", "1" + std::string(32, '0'), "0"},
      {"2^64 is outside the 64-bit range", "1" + std::string(64, '0'), "0"},
      {"zeros up to place 2^1023 add nothing", std::string(1023, '0') + "1", "1"},
      {"a zero at place 2^1024 adds 0 times infinity, NaN, which clears the sum",
       std::string(1024, '0') + "1", "0"},
      {"spaces around take no place", "   1 1   ", "3"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(BinaryToDecimal(row.binary), row.decimal);
  }
}

// A pasted text can be long; the scan takes each byte in place, once.
TEST(BinaryToDecimal, LongTextsScanInLinearTime) {
  EXPECT_EQ(BinaryToDecimal(std::string(20'000'000, ' ') + "1 0 1"), "5");
  EXPECT_EQ(BinaryToDecimal("1 0 1" + std::string(20'000'000, ' ')), "5");
  EXPECT_EQ(BinaryToDecimal(std::string(5'000'000, '1')), "0");
}

TEST(DecimalToBinary, RoundTripsThroughBinaryToDecimal) {
  std::mt19937 random(4101);
  std::uniform_int_distribution<std::int32_t> any(0, 2147483647);
  std::vector<std::int32_t> values = {0, 1, 2, 3, 254, 255, 256, 2147483646, 2147483647};
  for (int i = 0; i < 200000; ++i) values.push_back(any(random));
  for (const std::int32_t value : values) {
    const std::string decimal = std::to_string(value);
    const BinaryTexts texts = DecimalToBinary(decimal);
    ASSERT_EQ(BinaryToDecimal(texts.binary), decimal);
    // The reversed text holds the same digits, least significant first.
    std::string expected_reversed;
    for (auto it = texts.binary.rbegin(); it != texts.binary.rend(); ++it) {
      if (*it != ' ') expected_reversed += std::string(1, *it) + " ";
    }
    ASSERT_EQ(texts.reversed, expected_reversed) << decimal;
  }
}

}  // namespace
}  // namespace quorbit::convert
