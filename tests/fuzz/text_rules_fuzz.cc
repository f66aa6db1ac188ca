// Properties of the text and number rules that must hold for any bytes a user can type and for
// any value a handler can compute. Every input is read in several ways: as a text, as doubles
// and integers, as a text with a position and a count, and as a number built from its bytes.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "tests/fuzz/check.h"
#include "text/rules.h"

namespace quorbit::text {
namespace {

// The exactness arguments below rely on at least the x87 64-bit significand.
static_assert(std::numeric_limits<long double>::digits >= 64);

constexpr double kInf = std::numeric_limits<double>::infinity();

bool SameBits(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

double DoubleFrom(FuzzedDataProvider& in) {
  return std::bit_cast<double>(in.ConsumeIntegral<std::uint64_t>());
}

// The text as typed with full-width forms: the ideographic space for a space, "～", "☆" and
// "★" for every other "~" and "*", the A3 row for the other printable bytes.
Text Widen(std::string_view ascii) {
  Text out;
  for (std::size_t i = 0; i < ascii.size(); ++i) {
    const auto c = static_cast<unsigned char>(ascii[i]);
    const bool odd = i % 2 != 0;
    if (c == ' ') {
      out += "\xA1\xA1";  // "　"
    } else if (c == '~' && odd) {
      out += "\xA1\xAB";  // "～"
    } else if (c == '*' && odd) {
      out += i % 4 == 1 ? "\xA1\xEE" : "\xA1\xEF";  // "☆", "★"
    } else if (c > 0x20 && c < 0x7F) {
      out += '\xA3';
      out += static_cast<char>(c + 0x80);
    } else {
      out += ascii[i];
    }
  }
  return out;
}

void CheckFullWidth(std::string_view raw) {
  const Text ascii = FullWidthToAscii(raw);
  CHECK(ascii.size() <= raw.size());
  // What it leaves holds nothing it would convert again: no full-width form survives.
  CHECK(FullWidthToAscii(ascii) == ascii);
  // The number readers see a text exactly as FullWidthToAscii turns it.
  CHECK(TextToInt(raw) == TextToInt(ascii));
  CHECK(SameBits(TextToReal(raw), TextToReal(ascii)));

  // Typed in full-width forms, the ASCII bytes of the input read as themselves.
  Text narrow;
  for (const char c : raw) {
    if (static_cast<unsigned char>(c) < 0x80) narrow += c;
  }
  const Text wide = Widen(narrow);
  CHECK(FullWidthToAscii(wide) == narrow);
  CHECK(TextToInt(wide) == TextToInt(narrow));
  CHECK(SameBits(TextToReal(wide), TextToReal(narrow)));
}

// Digits wrap modulo 2^32 one at a time, and "-" negates the wrapped value.
void CheckDigitWrapping(std::string_view raw) {
  Text digits;
  for (const char c : raw.substr(0, 40)) {
    const auto digit = static_cast<std::uint32_t>(static_cast<unsigned char>(c) % 10);
    const auto before = static_cast<std::uint32_t>(TextToInt(digits));
    digits += static_cast<char>('0' + digit);
    const auto after = static_cast<std::uint32_t>(TextToInt(digits));
    CHECK(after == before * 10u + digit);
    CHECK(static_cast<std::uint32_t>(TextToInt("-" + digits)) == 0u - after);
    // Up to 15 digits the value is exact as a double, and RealToInt wraps the same way.
    if (digits.size() <= 15) CHECK(RealToInt(TextToReal(digits)) == TextToInt(digits));
  }
}

void CheckIntegerText(std::int32_t x) {
  const Text t = IntToText(x);
  // "-" only before a negative value, then digits without a leading zero.
  CHECK((x < 0) == t.starts_with('-'));
  const std::string_view digits = std::string_view(t).substr(x < 0 ? 1 : 0);
  CHECK(!digits.empty() && std::all_of(digits.begin(), digits.end(), IsDigit));
  CHECK(digits[0] != '0' || digits.size() == 1);

  CHECK(TextToInt(t) == x);
  CHECK(TextToInt(Widen(t)) == x);
  CHECK(TextToInt(" \t\xA1\xA1" + t + "\xA3\xAE\x39") == x);  // "　", then "．9" ends it
  CHECK(RealToInt(TextToReal(t)) == x);
  CHECK(RealToInt(IntToReal(x)) == x);
  // An integral real prints like the integer.
  CHECK(RealToText(IntToReal(x)) == t);
}

void CheckRealText(double r) {
  if (!std::isfinite(r)) return;
  const Text t = RealToText(r);

  // printf's "%.13g" (the fuzzer never sets a locale) with at least three exponent digits; a
  // zero of either sign shows as "0".
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.13g", r);
  Text expected = r == 0.0 ? "0" : buf;
  if (const std::size_t e = expected.find('e'); e != Text::npos) {
    const std::size_t width = expected.size() - (e + 2);
    if (width < 3) expected.insert(e + 2, 3 - width, '0');
  }
  CHECK(t == expected);

  // The shape on its own: [-]digits[.digits][e(+|-)ddd], at most 13 significant digits, no
  // trailing zero after a point, the exponent form exactly outside 1e-4 <= |r| < 1e13.
  std::string_view rest = t;
  if (rest.starts_with('-')) rest.remove_prefix(1);
  CHECK((t[0] == '-') == (r < 0));
  const std::size_t e = rest.find('e');
  const std::string_view mantissa = rest.substr(0, e);
  const std::size_t point = mantissa.find('.');
  Text significant;
  for (const char c : mantissa) {
    if (c == '.') continue;
    CHECK(IsDigit(c));
    if (c != '0' || !significant.empty()) significant += c;
  }
  CHECK(significant.size() <= 13);
  if (point != std::string_view::npos) {
    CHECK(point > 0 && point + 1 < mantissa.size() && mantissa.back() != '0');
  }
  if (e != std::string_view::npos) {
    CHECK(mantissa[0] != '0' && (point == std::string_view::npos || point == 1));
    const std::string_view exponent = rest.substr(e + 1);
    CHECK(exponent.size() >= 4 && (exponent[0] == '+' || exponent[0] == '-'));
    CHECK(std::all_of(exponent.begin() + 1, exponent.end(), IsDigit));
    const int x = std::atoi(Text(exponent).c_str());
    CHECK(x < -4 || x > 12);
  } else if (r != 0.0) {
    const std::size_t whole = point == std::string_view::npos ? mantissa.size() : point;
    if (mantissa[0] != '0') {
      CHECK(whole <= 13);
    } else {
      CHECK(mantissa.find_first_not_of('0', point + 1) - point <= 4);  // down to 0.0001
    }
  }

  // Read back, it agrees with r to 13 significant digits (plus the rounding of the reading).
  const double back = TextToReal(t);
  constexpr double kRelative = 5e-13 + std::numeric_limits<double>::epsilon();
  CHECK(std::fabs(back - r) <=
        kRelative * std::fabs(r) + std::numeric_limits<double>::denorm_min());
  if (r != 0.0) CHECK(std::signbit(back) == std::signbit(r));
}

void CheckRealToInt(double r) {
  const std::int32_t v = RealToInt(r);
  const double t = std::trunc(r);
  constexpr double kTwo63 = 0x1p63;
  if (!(t >= -kTwo63 && t < kTwo63)) {
    CHECK(v == 0);
    return;
  }
  // The truncation modulo 2^32; t - v is exact in a 64-bit significand.
  CHECK(std::fmod(static_cast<long double>(t) - v, 0x1p32L) == 0);
  if (t != -kTwo63) {
    CHECK(RealToInt(-r) == static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(v)));
  }
}

void CheckDivision(double a, double b) {
  const auto m = RealMod(a, b);
  const auto q = RealIntDiv(a, b);
  CHECK(m.has_value() == (b != 0.0));
  CHECK(q.has_value() == (b != 0.0));
  if (!m || !q || !std::isfinite(a) || !std::isfinite(b)) return;

  // The remainder is below the divisor and has the dividend's sign, a zero one too.
  CHECK(std::fabs(*m) < std::fabs(b));
  CHECK(std::signbit(*m) == std::signbit(a));
  // The quotient is the rounded quotient truncated toward zero.
  const double d = a / b;
  if (std::isfinite(d)) {
    CHECK(*q == std::trunc(*q) && std::signbit(*q) == std::signbit(d));
    CHECK(std::fabs(*q) <= std::fabs(d) && std::fabs(d) - std::fabs(*q) < 1);
  } else {
    CHECK(*q == d);
  }
  // The remainder is exact: a = n * b + m for the truncated exact quotient n, which is q or,
  // where rounding the quotient reached the next whole number, one less in magnitude. fma
  // rounds once, so it gives a back exactly for the right n.
  if (std::fabs(*q) < 0x1p52) {
    const double n_below = *q - std::copysign(1.0, *q);
    CHECK(std::fma(*q, b, *m) == a || std::fma(n_below, b, *m) == a);
  }
}

// On integers the real remainder and quotient are the integer ones.
void CheckIntegerDivision(std::int32_t a, std::int32_t b) {
  if (b == 0) return;
  const std::int64_t wide_a = a;
  const std::int64_t wide_b = b;
  CHECK(*RealMod(a, b) == static_cast<double>(wide_a % wide_b));
  CHECK(*RealIntDiv(a, b) == static_cast<double>(wide_a / wide_b));
}

void CheckComparisons(double a, double b) {
  const bool not_equal = RealNotEqual(a, b);
  const bool greater = RealGreater(a, b);
  if (std::isnan(a) || std::isnan(b)) CHECK(!not_equal && !greater);
  CHECK(not_equal == RealNotEqual(b, a));
  CHECK(!greater || not_equal);
  CHECK(!greater || !RealGreater(b, a));
}

void CheckTextMid(FuzzedDataProvider& in) {
  const auto start = in.ConsumeIntegral<std::int32_t>();
  const auto count = in.ConsumeIntegral<std::int32_t>();
  const Text text = in.ConsumeRemainingBytesAsString();
  const auto length = static_cast<std::int64_t>(text.size());
  CHECK(TextLength(text) == length);

  const Text mid = TextMid(text, start, count);
  const std::int64_t s = static_cast<std::int64_t>(start) - 1;
  if (s < 0 || s >= length || count <= 0) {
    CHECK(mid.empty());
  } else {
    // count bytes from the start, or all that remain; the same bytes as in the text there.
    CHECK(static_cast<std::int64_t>(mid.size()) == std::min<std::int64_t>(count, length - s));
    CHECK(text.compare(static_cast<std::size_t>(s), mid.size(), mid) == 0);
  }
  // The text falls apart at any position and joins again.
  if (s >= 0 && s <= length) {
    const Text head = TextMid(text, 1, start - 1);
    const Text tail = TextMid(text, start, std::numeric_limits<std::int32_t>::max());
    CHECK(TextConcat({head, tail}) == text);
  }
  // A byte cut from a Chinese character never reads as a digit or a space.
  if (mid.size() == 1 && static_cast<unsigned char>(mid[0]) >= 0x80) {
    CHECK(TextToInt(mid) == 0 && TextToReal(mid) == 0.0 && !TextEquals(mid, " "));
  }
}

// A number in the reader's grammar, built from the input: an optional sign, runs of digits
// (some long), an optional point with more runs, an optional exponent in any of its letters.
Text BuildNumber(FuzzedDataProvider& in) {
  const auto form = in.ConsumeIntegral<std::uint8_t>();
  Text number;
  const auto append_runs = [&] {
    for (int runs = in.ConsumeIntegralInRange(0, 3); runs > 0; --runs) {
      const auto length = in.ConsumeIntegralInRange<std::size_t>(1, 1000);
      if (length <= 24) {
        for (const char c : in.ConsumeBytesAsString(length)) {
          number += static_cast<char>('0' + static_cast<unsigned char>(c) % 10);
        }
      } else {
        number.append(length, static_cast<char>('0' + in.ConsumeIntegralInRange(0, 9)));
      }
    }
  };
  if (form & 1) number += (form & 2) ? '-' : '+';
  append_runs();
  if (form & 4) {
    number += '.';
    append_runs();
  }
  if (form & 8) {
    number += "eEdD"[(form >> 4) & 3];
    if (form & 64) number += (form & 128) ? '-' : '+';
    for (const char c : in.ConsumeBytesAsString(in.ConsumeIntegralInRange(0, 24))) {
      number += static_cast<char>('0' + static_cast<unsigned char>(c) % 10);
    }
  }
  return number;
}

// glibc's strtod rounds correctly at any length, and reads the same grammar once "d" is "e".
void CheckAgainstStrtod(const Text& number) {
  Text c_number = number;
  std::replace(c_number.begin(), c_number.end(), 'd', 'e');
  std::replace(c_number.begin(), c_number.end(), 'D', 'E');
  const double expected = std::strtod(c_number.c_str(), nullptr);
  CHECK(SameBits(TextToReal(number), expected));
  CHECK(SameBits(TextToReal(Widen(number)), expected));
}

// The exact decimal value halfway between a double and the next one up, as it is or nudged
// above or below by a digit far out, where rounding is hardest; long double holds it exactly.
void CheckHalfway(FuzzedDataProvider& in) {
  const double d = std::fabs(DoubleFrom(in));
  if (!std::isfinite(d)) return;
  const double up = std::nextafter(d, kInf);
  const long double step = std::isfinite(up) ? static_cast<long double>(up) - d
                                             : d - static_cast<long double>(std::nextafter(d, 0.0));
  char buf[1200];
  std::snprintf(buf, sizeof buf, "%.1100Le", d + step / 2);
  Text number = buf;
  const std::size_t e = number.find('e');
  const auto at = in.ConsumeIntegralInRange<std::size_t>(2, e - 1);  // a digit after the point
  switch (in.ConsumeIntegralInRange(0, 2)) {
    case 1:
      number[at] = number[at] == '9' ? '8' : static_cast<char>(number[at] + 1);
      break;
    case 2:
      number.erase(at, e - at);
      break;
    default:
      break;
  }
  if (in.ConsumeBool()) number.insert(0, "-");
  CheckAgainstStrtod(number);
}

void FuzzOne(const std::uint8_t* data, std::size_t size) {
  const std::string_view raw(reinterpret_cast<const char*>(data), size);
  CheckFullWidth(raw);
  CheckDigitWrapping(raw);
  CheckRealText(TextToReal(raw));
  {
    FuzzedDataProvider in(data, size);
    const double a = DoubleFrom(in);
    const double b = DoubleFrom(in);
    CheckRealText(a);
    CheckRealToInt(a);
    CheckDivision(a, b);
    CheckComparisons(a, b);
    const auto x = in.ConsumeIntegral<std::int32_t>();
    const auto y = in.ConsumeIntegral<std::int32_t>();
    CheckIntegerText(x);
    CheckIntegerDivision(x, y);
    const int k = in.ConsumeIntegralInRange(0, 1100);
    CHECK(RealPower(2.0, k) == std::ldexp(1.0, k));
  }
  {
    FuzzedDataProvider in(data, size);
    CheckTextMid(in);
  }
  {
    FuzzedDataProvider in(data, size);
    const Text number = BuildNumber(in);
    CheckAgainstStrtod(number);
    CheckRealText(TextToReal(number));
  }
  {
    FuzzedDataProvider in(data, size);
    CheckHalfway(in);
  }
}

}  // namespace
}  // namespace quorbit::text

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quorbit::text::FuzzOne(data, size);
  return 0;
}
