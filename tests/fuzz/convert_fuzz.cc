// Properties of the base converter for any texts: binary digits convert back to the value they
// came from, the reversed digits are the same digits the other way round, and spaces never
// take a binary place.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "convert/base.h"
#include "tests/fuzz/check.h"

namespace quorbit::convert {
namespace {

using text::Text;

void CheckDecimalToBinary(std::string_view decimal_text) {
  const std::int32_t n = text::TextToInt(decimal_text);
  const BinaryTexts out = DecimalToBinary(decimal_text);

  // The binary box: digits with single spaces between them and none at either end.
  std::vector<Text> digits;
  for (std::size_t at = 0; at <= out.binary.size();) {
    const std::size_t space = std::min(out.binary.find(' ', at), out.binary.size());
    digits.emplace_back(out.binary.substr(at, space - at));
    at = space + 1;
  }
  // The reversed box: the same digits the other way round, each followed by a space.
  Text reversed;
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) reversed += *it + " ";
  CHECK(out.reversed == reversed);

  if (n > 0) {
    CHECK(digits.front() == "1");
    for (const Text& digit : digits) CHECK(digit == "0" || digit == "1");
  } else {
    // Zero and below: the single digit of the real remainder by 2.
    CHECK(digits.size() == 1 && digits[0] == (n % 2 != 0 ? "-1" : "0"));
  }
  if (n >= 0) CHECK(BinaryToDecimal(out.binary) == text::IntToText(n));
}

void CheckBinaryToDecimal(std::string_view binary_text) {
  const Text decimal = BinaryToDecimal(binary_text);
  CHECK(decimal == text::IntToText(text::TextToInt(decimal)));
  // Spaces take no binary place, wherever they are.
  Text without_spaces(binary_text);
  std::erase(without_spaces, ' ');
  CHECK(BinaryToDecimal(without_spaces) == decimal);
  CHECK(BinaryToDecimal(" " + Text(binary_text) + " ") == decimal);
}

void FuzzOne(const std::uint8_t* data, std::size_t size) {
  const std::string_view raw(reinterpret_cast<const char*>(data), size);
  CheckDecimalToBinary(raw);
  CheckBinaryToDecimal(raw);
  FuzzedDataProvider in(data, size);
  CheckDecimalToBinary(text::IntToText(in.ConsumeIntegral<std::int32_t>()));
}

}  // namespace
}  // namespace quorbit::convert

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quorbit::convert::FuzzOne(data, size);
  return 0;
}
