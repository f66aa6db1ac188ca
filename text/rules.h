#pragma once
// The rules by which every number is read from a text, shown as a text and computed with,
// and the few byte-text operations the tools build their output with. Pure, no state.
//
// A Text is GBK bytes (a Chinese character takes two, a lead byte of 0x80 or above and a
// trail byte); lengths and positions count bytes and positions start at 1.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorbit::text {

using Text = std::string;
using ByteSet = std::vector<std::uint8_t>;

// Full-width digits, signs, points, the ideographic space, "～", "☆" and "★" become their
// ASCII forms; every other two-byte character is kept whole; a lone lead byte at the end
// is dropped.
Text FullWidthToAscii(std::string_view text);

// Leading white space, one sign, decimal digits; wraps modulo 2^32; no number gives 0.
std::int32_t TextToInt(std::string_view text);

// The longest decimal prefix (exponent letters e, E, d, D), rounded to the nearest double;
// overflow gives a signed infinity; no number gives 0.
double TextToReal(std::string_view text);

Text IntToText(std::int32_t value);

// "%.13g" with at least three exponent digits: "3", "0.3333333333333", "1e+013".
Text RealToText(double value);

double IntToReal(std::int32_t value);

// Truncates, then keeps the low 32 bits of the 64-bit value; 0 outside the 64-bit range,
// for infinities and for NaN.
std::int32_t RealToInt(double value);

// Exact remainder with the sign of the dividend. No value for a zero divisor.
std::optional<double> RealMod(double dividend, double divisor);

// The quotient rounded to a double, then truncated toward zero. No value for a zero
// divisor.
std::optional<double> RealIntDiv(double dividend, double divisor);

double RealPower(double base, double exponent);

// |a - b| > 1e-7 and a - b > 1e-7; a NaN makes both false.
bool RealNotEqual(double a, double b);
bool RealGreater(double a, double b);

std::int32_t TextLength(std::string_view text);

// count bytes from position start (1-based), fewer at the end; empty out of range.
Text TextMid(std::string_view text, std::int32_t start, std::int32_t count);

Text TextConcat(std::initializer_list<std::string_view> parts);

bool TextEquals(std::string_view a, std::string_view b);

ByteSet TextToBytes(std::string_view text);

bool BytesEqual(const ByteSet& a, const ByteSet& b);

}  // namespace quorbit::text
