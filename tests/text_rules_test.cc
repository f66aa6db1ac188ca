#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "text/rules.h"

namespace quorbit::text {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kTwo63 = 9223372036854775808.0;

// Equal as doubles and in sign, so that 0 and -0 differ; two NaNs are the same.
::testing::AssertionResult SameReal(double expected, double actual) {
  if ((std::isnan(expected) && std::isnan(actual)) ||
      (expected == actual && std::signbit(expected) == std::signbit(actual))) {
    return ::testing::AssertionSuccess();
  }
  char buf[96];
  std::snprintf(buf, sizeof buf, "expected %.17g, got %.17g", expected, actual);
  return ::testing::AssertionFailure() << buf;
}

TEST(FullWidthToAscii, Table) {
  struct Row {
    const char* name;
    std::string text;
    std::string expected;
  };
  const std::vector<Row> rows = {
      {"empty text", "", ""},
      {"ASCII is copied", "a1 -.", "a1 -."},
      {"full-width digits", "\xA3\xB1\xA3\xB2\xA3\xB3", "123"},           // "１２３"
      {"full-width signs and point", "\xA3\xAB\xA3\xAD\xA3\xAE", "+-."},  // "＋－．"
      {"first and last full-width forms", "\xA3\xA1\xA3\xFE", "!~"},      // "！￣"
      {"ideographic space", "\xA1\xA1", " "},                             // "　"
      {"wave dash", "\xA1\xAB", "~"},                                     // "～"
      {"stars", "\xA1\xEE\xA1\xEF", "**"},                                // "☆★"
      {"other Chinese characters are kept whole", "\xD6\xD0\xA1\xA3",
       "\xD6\xD0\xA1\xA3"},  // "中。"
      {"A3 with a trail below A1 is kept whole", "\xA3\xA0", "\xA3\xA0"},
      {"a lead byte takes an ASCII trail with it", "\xD6\x35", "\xD6\x35"},    // lead byte, "5"
      {"a lone trail byte starts a character too", "\xD0\x35x", "\xD0\x35x"},  // trail byte, "5x"
      {"a lone lead byte at the end is dropped", "12\xD6", "12"},
      {"a lone lead byte alone gives the empty text", "\xD6", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(FullWidthToAscii(row.text), row.expected);
  }
}

TEST(TextToInt, Table) {
  struct Row {
    const char* name;
    std::string text;
    std::int32_t expected;
  };
  const std::vector<Row> rows = {
      {"plain digits", "13", 13},
      {"leading space", " 13", 13},
      {"all white space bytes are skipped", "\t\n\v\f\r 13", 13},
      {"plus sign", "+13", 13},
      {"stops at a letter", "13abc", 13},
      {"stops at a point", "13.9", 13},
      {"full-width digits", "\xA3\xB1\xA3\xB3", 13},                          // "１３"
      {"full-width 123", "\xA3\xB1\xA3\xB2\xA3\xB3", 123},                    // "１２３"
      {"ideographic space then full-width", "\xA1\xA1\xA3\xB1\xA3\xB3", 13},  // "　１３"
      {"full-width plus", "\xA3\xAB\xA3\xB1\xA3\xB3", 13},                    // "＋１３"
      {"stops at a space inside", "1 3", 1},
      {"no exponent", "1e3", 1},
      {"empty", "", 0},
      {"letters only", "abc", 0},
      {"sign only", "-", 0},
      {"two signs", "--5", 0},
      {"space after the sign", "- 5", 0},
      {"hexadecimal is not read", "0x1F", 0},
      {"negative", "-5", -5},
      {"full-width negative", "\xA3\xAD\xA3\xB5", -5},  // "－５"
      {"largest integer", "2147483647", 2147483647},
      {"2^31 wraps", "2147483648", std::numeric_limits<std::int32_t>::min()},
      {"smallest integer", "-2147483648", std::numeric_limits<std::int32_t>::min()},
      {"below the smallest wraps", "-2147483649", 2147483647},
      {"2^32 - 1 wraps to -1", "4294967295", -1},
      {"2^32 wraps to 0", "4294967296", 0},
      {"eleven nines wrap digit by digit", "99999999999", 1215752191},
      {"leading zeros", "0000000000000000000000042", 42},
      {"stops at a Chinese character", "13\xD6\xD0", 13},    // "13中"
      {"a Chinese character first", "\xD6\xD0\x31\x33", 0},  // "中13"
      {"lone lead byte", "\xD6", 0},
      {"lone trail byte", "\xD0", 0},
      {"lone trail byte before a digit", "\xD0\x35", 0},  // trail byte, "5"
      {"lone lead byte after digits", "7\xD6", 7},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(TextToInt(row.text), row.expected);
  }
}

TEST(TextToInt, LongTextsAreRead) {
  EXPECT_EQ(TextToInt(std::string(1'000'000, '0') + "7"), 7);
  EXPECT_EQ(TextToInt("x" + std::string(1'000'000, '1')), 0);
}

TEST(TextToReal, Table) {
  struct Row {
    const char* name;
    std::string text;
    double expected;
  };
  const double denorm_min = std::numeric_limits<double>::denorm_min();
  const double max = std::numeric_limits<double>::max();
  const std::vector<Row> rows = {
      {"integer", "3", 3.0},
      {"space, then stops at a letter", " 2.5x", 2.5},
      {"no digit before the point", ".5", 0.5},
      {"no digit after the point", "5.", 5.0},
      {"plus and no integer digits", "+.5", 0.5},
      {"negative", "-2.5", -2.5},
      {"negative zero keeps its sign", "-0", -0.0},
      {"exponent e", "1e3", 1000.0},
      {"exponent E", "1E3", 1000.0},
      {"exponent d", "1d3", 1000.0},
      {"exponent D", "1D3", 1000.0},
      {"negative exponent", "1e-3", 0.001},
      {"signed exponent with fraction", "1.5e+2", 150.0},
      {"exponent with leading zeros", "1e0003", 1000.0},
      {"comma is not a point", "1,5", 1.0},
      {"second point ends the number", "1.2.3", 1.2},
      {"letter without digits", "1e", 1.0},
      {"letter and sign without digits", "1e+", 1.0},
      {"letter and minus without digits", "1d-", 1.0},
      {"letter then another letter", "1ex", 1.0},
      {"no mantissa before the letter", "d3", 0.0},
      {"full-width digit", "\xA3\xB3", 3.0},                               // "３"
      {"full-width point", "\xA3\xB2\xA3\xAE\xA3\xB5", 2.5},               // "２．５"
      {"full-width exponent letter", "\xA3\xB1\xA3\xE5\xA3\xB3", 1000.0},  // "１ｅ３"
      {"ideographic space", "\xA1\xA1\xA3\xB3", 3.0},                      // "　３"
      {"empty", "", 0.0},
      {"letters", "abc", 0.0},
      {"point alone", ".", 0.0},
      {"sign and point", "-.", 0.0},
      {"two signs", "+-1", 0.0},
      {"lone lead byte", "\xD6", 0.0},
      {"correctly rounded 0.1", "0.1", 0.1},
      {"correctly rounded 1e-5", "1e-5", 1e-5},
      {"tie rounds to even", "9007199254740993", 9007199254740992.0},
      {"just above the largest double's halfway", "1.7976931348623157e308", max},
      {"beyond the largest double", "1.7976931348623159e308", kInf},
      {"overflow gives infinity", "1e400", kInf},
      {"overflow keeps the sign", "-1e400", -kInf},
      {"a huge exponent", "1e99999999999999999999999", kInf},
      {"underflow gives zero", "1e-400", 0.0},
      {"underflow keeps the sign", "-1e-400", -0.0},
      {"a huge negative exponent", "1e-99999999999999999999999", 0.0},
      {"zero with a huge exponent", "0e99999999999", 0.0},
      {"smallest subnormal", "4.9e-324", denorm_min},
      {"just above half the smallest subnormal", "2.4703282292062328e-324", denorm_min},
      {"just below half the smallest subnormal", "2.4703282292062327e-324", 0.0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_TRUE(SameReal(row.expected, TextToReal(row.text)));
  }
}

TEST(TextToReal, VeryLongDigitStringsRoundCorrectly) {
  const std::string zeros(1000, '0');
  // 2^53 + 1 is halfway between two doubles; a nonzero digit far beyond it rounds up.
  EXPECT_TRUE(SameReal(9007199254740994.0, TextToReal("9007199254740993." + zeros + "1")));
  EXPECT_TRUE(SameReal(9007199254740992.0, TextToReal("9007199254740993." + zeros)));
  EXPECT_TRUE(SameReal(1.0, TextToReal("0." + std::string(1'000'000, '9'))));
  EXPECT_TRUE(SameReal(1.0, TextToReal("0." + std::string(1'000'000, '0') + "1e1000001")));
  EXPECT_TRUE(SameReal(kInf, TextToReal("1" + std::string(400, '0'))));
  EXPECT_TRUE(SameReal(1e300, TextToReal("1" + std::string(300, '0'))));
}

TEST(TextToReal, ReadsBackEveryDoubleItsShortestFormShows) {
  std::mt19937_64 random(20240607);
  for (int i = 0; i < 100000; ++i) {
    double value;
    const std::uint64_t bits = random();
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value)) continue;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g", value);
    ASSERT_TRUE(SameReal(value, TextToReal(buf))) << buf;
  }
}

TEST(IntToText, Table) {
  struct Row {
    const char* name;
    std::int32_t value;
    std::string expected;
  };
  const std::vector<Row> rows = {
      {"zero", 0, "0"},
      {"positive", 13, "13"},
      {"negative", -5, "-5"},
      {"largest", 2147483647, "2147483647"},
      {"smallest", std::numeric_limits<std::int32_t>::min(), "-2147483648"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(IntToText(row.value), row.expected);
  }
}

TEST(RealToText, Table) {
  struct Row {
    const char* name;
    double value;
    std::string expected;
  };
  const std::vector<Row> rows = {
      {"integral", 3.0, "3"},
      {"integral, no point", 4.0, "4"},
      {"address", 255.0, "255"},
      {"half", 0.5, "0.5"},
      {"negative", -2.25, "-2.25"},
      {"one third", 1.0 / 3.0, "0.3333333333333"},
      {"two thirds rounds up", 2.0 / 3.0, "0.6666666666667"},
      {"0.1 + 0.2", 0.1 + 0.2, "0.3"},
      {"thirteen digits", 1234567890123.0, "1234567890123"},
      {"fourteen digits: exponent", 10000000000000.0, "1e+013"},
      {"fourteen digits rounded", 12345678901234.0, "1.234567890123e+013"},
      {"rounds up into the exponent form", 9999999999999.5, "1e+013"},
      {"negative exponent form", -1e13, "-1e+013"},
      {"smallest plain", 0.0001, "0.0001"},
      {"below the smallest plain", 0.00001, "1e-005"},
      {"small with digits", 1.5e-7, "1.5e-007"},
      {"three-digit exponent", 1e100, "1e+100"},
      {"largest double", std::numeric_limits<double>::max(), "1.797693134862e+308"},
      {"smallest subnormal", std::numeric_limits<double>::denorm_min(), "4.940656458412e-324"},
      {"zero", 0.0, "0"},
      {"negative zero shows as zero", -0.0, "0"},
      {"infinity", kInf, "inf"},
      {"negative infinity", -kInf, "-inf"},
      {"NaN", kNaN, "nan"},
      {"negative NaN", -kNaN, "nan"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(RealToText(row.value), row.expected);
  }
}

// This program never calls setlocale, so its snprintf writes the "C" locale's point.
TEST(RealToText, MatchesPrintfWithThreeExponentDigits) {
  std::mt19937_64 random(77);
  for (int i = 0; i < 100000; ++i) {
    double value;
    const std::uint64_t bits = random();
    std::memcpy(&value, &bits, sizeof value);
    if (i % 2 == 1) value = std::ldexp(static_cast<double>(bits >> 11), -40);  // ordinary sizes
    if (!std::isfinite(value) || value == 0.0) continue;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.13g", value);
    std::string expected = buf;
    if (const char* e = std::strchr(buf, 'e')) {
      char padded[80];
      std::snprintf(padded, sizeof padded, "%.*se%c%03d", static_cast<int>(e - buf), buf, e[1],
                    std::abs(std::atoi(e + 2)));
      expected = padded;
    }
    ASSERT_EQ(RealToText(value), expected);
  }
}

TEST(RealToInt, Table) {
  struct Row {
    const char* name;
    double value;
    std::int32_t expected;
  };
  const std::vector<Row> rows = {
      {"largest integer", 2147483647.0, 2147483647},
      {"2^31 wraps", 2147483648.0, std::numeric_limits<std::int32_t>::min()},
      {"2^32 - 1 wraps to -1", 4294967295.0, -1},
      {"2^32 wraps to 0", 4294967296.0, 0},
      {"truncates, then wraps", 4294967297.5, 1},
      {"below -2^31 wraps", -2147483649.0, 2147483647},
      {"smallest integer", -2147483648.0, std::numeric_limits<std::int32_t>::min()},
      {"truncates toward zero", 3.9, 3},
      {"truncates negative toward zero", -3.9, -3},
      {"never rounds to nearest", 255.99999, 255},
      {"negative half", -0.5, 0},
      {"negative zero", -0.0, 0},
      {"largest double below 2^63 keeps its low bits", kTwo63 - 1024.0, -1024},
      {"smallest doubles above -2^63 keep their low bits", -kTwo63 + 1024.0, 1024},
      {"2^63 is outside", kTwo63, 0},
      {"1e19 is outside", 1e19, 0},
      {"below -2^63 is outside", -kTwo63 - 2048.0, 0},
      {"largest double", std::numeric_limits<double>::max(), 0},
      {"infinity", kInf, 0},
      {"negative infinity", -kInf, 0},
      {"NaN", kNaN, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(RealToInt(row.value), row.expected);
  }
}

TEST(RealMod, Table) {
  struct Row {
    const char* name;
    double dividend;
    double divisor;
    std::optional<double> expected;
  };
  const std::vector<Row> rows = {
      {"odd by 2", 7, 2, 1.0},
      {"negative odd by 2", -7, 2, -1.0},
      {"sign of the dividend", 7, -2, 1.0},
      {"fractional", 7.5, 2, 1.5},
      {"negative even gives -0", -4, 2, -0.0},
      {"minus five by 2", -5, 2, -1.0},
      {"exact where x - trunc(x / y) * y is not", 1e20, 3, 1.0},
      {"infinite divisor leaves the dividend", 5, kInf, 5.0},
      {"infinite dividend gives NaN", kInf, 2, kNaN},
      {"NaN dividend gives NaN", kNaN, 2, kNaN},
      {"NaN divisor gives NaN", 5, kNaN, kNaN},
      {"zero divisor has no value", 5, 0.0, std::nullopt},
      {"negative zero divisor has no value", 5, -0.0, std::nullopt},
      {"zero divisor, NaN dividend", kNaN, 0.0, std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::optional<double> result = RealMod(row.dividend, row.divisor);
    ASSERT_EQ(result.has_value(), row.expected.has_value());
    if (result) {
      EXPECT_TRUE(SameReal(*row.expected, *result));
    }
  }
  EXPECT_EQ(IntToText(RealToInt(*RealMod(-5, 2))), "-1");
  EXPECT_EQ(RealToInt(*RealMod(-4, 2)), 0);
}

TEST(RealIntDiv, Table) {
  struct Row {
    const char* name;
    double dividend;
    double divisor;
    std::optional<double> expected;
  };
  const std::vector<Row> rows = {
      {"truncates", 7, 2, 3.0},
      {"truncates toward zero", -7, 2, -3.0},
      {"minus five by 2 is -2, not -3", -5, 2, -2.0},
      {"below one", 1, 2, 0.0},
      {"negative below one gives -0", -1, 2, -0.0},
      {"rounds the quotient before truncating", 9007199254740991.0, std::nextafter(1.0, 0.0),
       9007199254740992.0},
      {"infinite dividend", kInf, 2, kInf},
      {"infinite divisor", 5, kInf, 0.0},
      {"NaN dividend", kNaN, 2, kNaN},
      {"zero divisor has no value", 5, 0.0, std::nullopt},
      {"negative zero divisor has no value", 5, -0.0, std::nullopt},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::optional<double> result = RealIntDiv(row.dividend, row.divisor);
    ASSERT_EQ(result.has_value(), row.expected.has_value());
    if (result) {
      EXPECT_TRUE(SameReal(*row.expected, *result));
    }
  }
  EXPECT_EQ(RealToInt(*RealIntDiv(-1, 2)), 0);
}

TEST(RealPower, Table) {
  struct Row {
    const char* name;
    double base;
    double exponent;
    double expected;
  };
  const std::vector<Row> rows = {
      {"2^0", 2, 0, 1.0},
      {"2^7", 2, 7, 128.0},
      {"2^31", 2, 31, 2147483648.0},
      {"2^1023 is exact", 2, 1023, std::ldexp(1.0, 1023)},
      {"2^1024 is infinite", 2, 1024, kInf},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_TRUE(SameReal(row.expected, RealPower(row.base, row.exponent)));
  }
}

TEST(RealCompare, Table) {
  struct Row {
    const char* name;
    double a;
    double b;
    bool not_equal;
    bool greater;
  };
  const std::vector<Row> rows = {
      {"equal", 1, 1, false, false},
      {"below the tolerance counts as equal", 0.00000005, 0, false, false},
      {"the tolerance itself is not beyond it", 1e-7, 0, false, false},
      {"beyond the tolerance", 0.0000002, 0, true, true},
      {"less", 1, 2, true, false},
      {"greater", 2, 1, true, true},
      {"a counter just above a real limit", 5 + 1e-8, 5, false, false},
      {"infinity against a number", kInf, 1, true, true},
      {"infinity against itself", kInf, kInf, false, false},
      {"NaN first", kNaN, 1, false, false},
      {"NaN second", 1, kNaN, false, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(RealNotEqual(row.a, row.b), row.not_equal);
    EXPECT_EQ(RealGreater(row.a, row.b), row.greater);
  }
}

TEST(TextLength, Table) {
  struct Row {
    const char* name;
    std::string text;
    std::int32_t expected;
  };
  const std::vector<Row> rows = {
      {"ASCII", "abc", 3},
      {"two Chinese characters", "\xD6\xD0\xCE\xC4", 4},  // "中文"
      {"mixed", "\xD6\xD0\x31", 3},                       // "中1"
      {"empty", "", 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(TextLength(row.text), row.expected);
  }
}

TEST(TextMid, Table) {
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  struct Row {
    const char* name;
    std::string text;
    std::int32_t start;
    std::int32_t count;
    std::string expected;
  };
  const std::vector<Row> rows = {
      {"fewer at the end", "abc", 3, 5, "c"},
      {"just past the end", "abc", 4, 1, ""},
      {"position 0", "abc", 0, 1, ""},
      {"whole text", "abc", 1, 3, "abc"},
      {"one byte", "abc", 2, 1, "b"},
      {"zero count", "abc", 1, 0, ""},
      {"negative count", "abc", 1, -1, ""},
      {"cuts a Chinese character", "\xD6\xD0\x31", 2, 1, "\xD0"},  // "中1"
      {"empty text", "", 1, 1, ""},
      {"smallest start", "abc", kMin, 1, ""},
      {"largest start", "abc", kMax, 1, ""},
      {"largest count", "abc", 2, kMax, "bc"},
      {"smallest count", "abc", 1, kMin, ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(TextMid(row.text, row.start, row.count), row.expected);
  }
}

TEST(TextMid, ACutCharacterNeverReadsAsDigitOrSpace) {
  const std::string text = "\xD6\xD0\x31";  // "中1"
  EXPECT_EQ(TextToInt(TextMid(text, 1, 1)), 0);
  EXPECT_EQ(TextToInt(TextMid(text, 2, 1)), 0);
  EXPECT_FALSE(TextEquals(TextMid(text, 1, 1), " "));
  EXPECT_FALSE(TextEquals(TextMid(text, 2, 1), " "));
  EXPECT_EQ(TextToInt(TextMid(text, 3, 1)), 1);
}

TEST(TextConcat, Table) {
  struct Row {
    const char* name;
    Text result;
    std::string expected;
  };
  const std::vector<Row> rows = {
      {"empty texts add nothing", TextConcat({"", " ", ""}), " "},
      {"in argument order", TextConcat({"a", "b", "c"}), "abc"},
      {"all empty", TextConcat({"", ""}), ""},
      {"Chinese", TextConcat({"\xD6\xD0", "1"}), "\xD6\xD0\x31"},  // "中" "1"
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.result, row.expected);
  }
}

TEST(TextEquals, Table) {
  struct Row {
    const char* name;
    std::string a;
    std::string b;
    bool expected;
  };
  const std::vector<Row> rows = {
      {"same bytes", "abc", "abc", true},
      {"both empty", "", "", true},
      {"full-width differs from ASCII", "\xA3\xB1", "1", false},  // "１"
      {"no trimming", " 1", "1", false},
      {"case-sensitive", "a", "A", false},
      {"prefix", "ab", "abc", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(TextEquals(row.a, row.b), row.expected);
  }
}

TEST(TextToBytes, Table) {
  EXPECT_EQ(TextToBytes(""), ByteSet{});
  EXPECT_EQ(TextToBytes("a\xD6\xD0"), (ByteSet{0x61, 0xD6, 0xD0}));  // "a中"
}

TEST(BytesEqual, Table) {
  struct Row {
    const char* name;
    ByteSet a;
    ByteSet b;
    bool expected;
  };
  const std::vector<Row> rows = {
      {"both empty", {}, {}, true},
      {"same bytes with zeros inside", {0, 1, 0}, {0, 1, 0}, true},
      {"differ only in the last byte", {1, 2, 3}, {1, 2, 4}, false},
      {"prefix", {1, 2}, {1, 2, 3}, false},
      {"empty and not", {}, {0}, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(BytesEqual(row.a, row.b), row.expected);
  }
}

TEST(IntegerRoundTrip, ThroughTextAndThroughReal) {
  std::mt19937 random(12345);
  std::vector<std::int32_t> values = {0, -1, 1, std::numeric_limits<std::int32_t>::min(),
                                      std::numeric_limits<std::int32_t>::max()};
  for (int i = 0; i < 200000; ++i) values.push_back(static_cast<std::int32_t>(random()));
  for (const std::int32_t x : values) {
    ASSERT_EQ(TextToInt(IntToText(x)), x);
    ASSERT_EQ(RealToInt(IntToReal(x)), x);
  }
}

}  // namespace
}  // namespace quorbit::text
