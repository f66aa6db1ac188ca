#include "text/rules.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>
#include <utility>

namespace quorbit::text {
namespace {

constexpr double kTolerance = 1e-7;

// The ASCII byte a two-byte character becomes, or its lead byte when it is kept whole.
unsigned char MapPair(unsigned char lead, unsigned char trail) {
  if (lead == 0xA1) {
    if (trail == 0xA1) return 0x20;                   // "　"
    if (trail == 0xAB) return 0x7E;                   // "～"
    if (trail == 0xEE || trail == 0xEF) return 0x2A;  // "☆", "★"
  } else if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
    return static_cast<unsigned char>(trail - 0x80);  // "！" to "￣"
  }
  return lead;
}

// Reads a text as FullWidthToAscii would turn it, one unit at a time, without building the
// converted copy: the number readers stop at the first unit that does not fit, so most of a
// long text is never looked at.
class AsciiReader {
 public:
  explicit AsciiReader(std::string_view text) : text_(text) { Load(); }

  bool AtEnd() const { return at_end_; }
  // The current unit: an ASCII byte, or for a two-byte character kept whole its lead byte
  // (0x80 or above), which no reader accepts.
  unsigned char Peek() const { return unit_; }
  void Advance() {
    pos_ += width_;
    Load();
  }

 private:
  void Load() {
    at_end_ = true;
    if (pos_ >= text_.size()) return;
    const auto lead = static_cast<unsigned char>(text_[pos_]);
    if (lead < 0x80) {
      at_end_ = false;
      unit_ = lead;
      width_ = 1;
      return;
    }
    if (pos_ + 1 >= text_.size()) return;  // a lone lead byte at the end is dropped
    at_end_ = false;
    unit_ = MapPair(lead, static_cast<unsigned char>(text_[pos_ + 1]));
    width_ = 2;
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  std::size_t width_ = 0;
  unsigned char unit_ = 0;
  bool at_end_ = true;
};

bool IsSpace(unsigned char c) { return (c >= 0x09 && c <= 0x0D) || c == 0x20; }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

void SkipSpace(AsciiReader& in) {
  while (!in.AtEnd() && IsSpace(in.Peek())) in.Advance();
}

// Appends the digits at the reader to out; returns how many.
std::size_t ReadDigits(AsciiReader& in, std::string& out) {
  std::size_t n = 0;
  while (!in.AtEnd() && IsDigit(in.Peek())) {
    out.push_back(static_cast<char>(in.Peek()));
    in.Advance();
    ++n;
  }
  return n;
}

// The nearest double to digits × 10^exponent, for digits without leading or trailing zeros.
double DecimalToDouble(std::string digits, std::int64_t exponent) {
  // Beyond these the value is certainly above the largest double or below half the smallest.
  const std::int64_t magnitude = exponent + static_cast<std::int64_t>(digits.size());
  if (magnitude > 400) return std::numeric_limits<double>::infinity();
  if (magnitude < -400) return 0.0;
  // Every halfway point between two doubles has at most 767 significant digits, so cutting
  // the digits after 800 and keeping a nonzero sticky digit rounds the same way.
  constexpr std::size_t kKeep = 800;
  if (digits.size() > kKeep) {
    exponent += static_cast<std::int64_t>(digits.size() - kKeep - 1);
    digits.resize(kKeep);
    digits.push_back('1');  // the cut digits hold a nonzero one: the last digit is not zero
  }
  digits.push_back('e');
  char buf[24];
  const auto written = std::to_chars(buf, buf + sizeof buf, exponent);
  digits.append(buf, written.ptr);

  double value = 0.0;
  const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (ec == std::errc::result_out_of_range) {
    // from_chars leaves value unchanged then: it overflowed, or it rounds to zero.
    return magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return value;
}

}  // namespace

Text FullWidthToAscii(std::string_view text) {
  Text out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      out.push_back(text[i]);
      ++i;
      continue;
    }
    if (i + 1 >= text.size()) break;  // a lone lead byte at the end is dropped
    const auto trail = static_cast<unsigned char>(text[i + 1]);
    const unsigned char mapped = MapPair(lead, trail);
    if (mapped < 0x80) {
      out.push_back(static_cast<char>(mapped));
    } else {
      out.push_back(text[i]);
      out.push_back(text[i + 1]);
    }
    i += 2;
  }
  return out;
}

std::int32_t TextToInt(std::string_view text) {
  AsciiReader in(text);
  SkipSpace(in);
  bool negative = false;
  if (!in.AtEnd() && (in.Peek() == '+' || in.Peek() == '-')) {
    negative = in.Peek() == '-';
    in.Advance();
  }
  std::uint32_t value = 0;  // unsigned, so that the wrap modulo 2^32 is defined
  while (!in.AtEnd() && IsDigit(in.Peek())) {
    value = value * 10u + static_cast<std::uint32_t>(in.Peek() - '0');
    in.Advance();
  }
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

double TextToReal(std::string_view text) {
  AsciiReader in(text);
  SkipSpace(in);
  bool negative = false;
  if (!in.AtEnd() && (in.Peek() == '+' || in.Peek() == '-')) {
    negative = in.Peek() == '-';
    in.Advance();
  }
  std::string digits;
  std::size_t count = ReadDigits(in, digits);
  std::size_t fraction = 0;
  if (!in.AtEnd() && in.Peek() == '.') {
    in.Advance();
    fraction = ReadDigits(in, digits);
    count += fraction;
  }
  if (count == 0) return 0.0;

  // The exponent belongs to the number only with at least one digit after the letter (and
  // its sign); otherwise the number ends before the letter, and the rest is ignored anyway.
  std::int64_t exponent = 0;
  if (!in.AtEnd()) {
    const unsigned char letter = in.Peek();
    if (letter == 'e' || letter == 'E' || letter == 'd' || letter == 'D') {
      in.Advance();
      bool exponent_negative = false;
      if (!in.AtEnd() && (in.Peek() == '+' || in.Peek() == '-')) {
        exponent_negative = in.Peek() == '-';
        in.Advance();
      }
      constexpr std::int64_t kSaturated = 1'000'000'000'000'000;  // far beyond any double
      while (!in.AtEnd() && IsDigit(in.Peek())) {
        if (exponent < kSaturated) exponent = exponent * 10 + (in.Peek() - '0');
        in.Advance();
      }
      if (exponent_negative) exponent = -exponent;
    }
  }
  exponent -= static_cast<std::int64_t>(fraction);

  const std::size_t first = digits.find_first_not_of('0');
  double magnitude = 0.0;
  if (first != std::string::npos) {
    const std::size_t last = digits.find_last_not_of('0');
    exponent += static_cast<std::int64_t>(digits.size() - 1 - last);
    digits.resize(last + 1);
    digits.erase(0, first);
    magnitude = DecimalToDouble(std::move(digits), exponent);
  }
  return negative ? -magnitude : magnitude;
}

Text IntToText(std::int32_t value) {
  char buf[16];
  const auto result = std::to_chars(buf, buf + sizeof buf, value);
  return Text(buf, result.ptr);
}

Text RealToText(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  if (value == 0.0) return "0";  // -0.0 too: it is not negative
  // to_chars in general form with a precision is printf's "%.13g" in the "C" locale, and
  // unlike snprintf it ignores the locale a Qt program sets.
  char buf[64];
  const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 13);
  Text out(buf, result.ptr);
  const std::size_t e = out.find('e');
  if (e != Text::npos) {
    const std::size_t digits_at = e + 2;  // after "e" and the sign
    const std::size_t digits = out.size() - digits_at;
    if (digits < 3) out.insert(digits_at, 3 - digits, '0');
  }
  return out;
}

double IntToReal(std::int32_t value) { return static_cast<double>(value); }

std::int32_t RealToInt(double value) {
  const double truncated = std::trunc(value);
  // -2^63 <= truncated < 2^63; false for NaN and the infinities.
  constexpr double kTwo63 = 9223372036854775808.0;
  if (!(truncated >= -kTwo63 && truncated < kTwo63)) return 0;
  const auto wide = static_cast<std::int64_t>(truncated);
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(wide));
}

std::optional<double> RealMod(double dividend, double divisor) {
  if (divisor == 0.0) return std::nullopt;
  return std::fmod(dividend, divisor);  // exact, with the sign of the dividend
}

std::optional<double> RealIntDiv(double dividend, double divisor) {
  if (divisor == 0.0) return std::nullopt;
  return std::trunc(dividend / divisor);
}

double RealPower(double base, double exponent) { return std::pow(base, exponent); }

bool RealNotEqual(double a, double b) { return std::fabs(a - b) > kTolerance; }

bool RealGreater(double a, double b) { return a - b > kTolerance; }

std::int32_t TextLength(std::string_view text) {
  constexpr auto kMax = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
  return static_cast<std::int32_t>(text.size() < kMax ? text.size() : kMax);
}

Text TextMid(std::string_view text, std::int32_t start, std::int32_t count) {
  const std::int64_t s = static_cast<std::int64_t>(start) - 1;
  if (s < 0 || static_cast<std::uint64_t>(s) >= text.size() || count <= 0) return Text();
  return Text(text.substr(static_cast<std::size_t>(s), static_cast<std::size_t>(count)));
}

Text TextConcat(std::initializer_list<std::string_view> parts) {
  std::size_t size = 0;
  for (const std::string_view part : parts) size += part.size();
  Text out;
  out.reserve(size);
  for (const std::string_view part : parts) out.append(part);
  return out;
}

bool TextEquals(std::string_view a, std::string_view b) { return a == b; }

ByteSet TextToBytes(std::string_view text) {
  ByteSet bytes;
  bytes.reserve(text.size());
  for (const char c : text) bytes.push_back(static_cast<std::uint8_t>(c));
  return bytes;
}

bool BytesEqual(const ByteSet& a, const ByteSet& b) { return a == b; }

}  // namespace quorbit::text
