#include "convert/base.h"

#include <cstdint>
#include <vector>

namespace quorbit::convert {

using text::IntToReal;
using text::IntToText;
using text::RealToInt;
using text::Text;

BinaryTexts DecimalToBinary(std::string_view decimal_text) {
  const std::int32_t n = text::TextToInt(decimal_text);
  // The digits least significant first; a divisor of 2 always gives a value.
  std::vector<Text> digits;
  digits.reserve(32);  // at most 32 for a 32-bit value
  digits.push_back(IntToText(RealToInt(*text::RealMod(IntToReal(n), 2.0))));
  std::int32_t x = RealToInt(*text::RealIntDiv(IntToReal(n), 2.0));
  while (x >= 1) {
    digits.push_back(IntToText(RealToInt(*text::RealMod(IntToReal(x), 2.0))));
    x = RealToInt(*text::RealIntDiv(IntToReal(x), 2.0));
  }

  // The same texts as prepending each digit to 编辑框_二进制 and appending it to
  // 编辑框_倒序二进制, built once.
  BinaryTexts out;
  out.binary.reserve(2 * digits.size() + 1);
  out.reversed.reserve(2 * digits.size() + 1);
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (it != digits.rbegin()) out.binary.push_back(' ');
    out.binary.append(*it);
  }
  for (const Text& digit : digits) {
    out.reversed.append(digit);
    out.reversed.push_back(' ');
  }
  return out;
}

Text BinaryToDecimal(std::string_view binary_text) {
  const std::int32_t length = text::TextLength(binary_text);
  std::int32_t sum = 0;
  std::int32_t count = 0;
  for (std::int32_t i = 1; i <= length; ++i) {
    // TextMid of the text from L - i + 1 for 1 byte, taken in place.
    const std::string_view ch = binary_text.substr(static_cast<std::size_t>(length - i), 1);
    if (text::TextEquals(ch, " ")) continue;
    ++count;
    const double place = text::RealPower(2.0, IntToReal(count - 1));
    const double product = IntToReal(text::TextToInt(ch)) * place;
    sum = RealToInt(IntToReal(sum) + product);
  }
  return IntToText(sum);
}

}  // namespace quorbit::convert
