#pragma once
// The base converter's pure core: decimal text to binary digits and back, computed
// with the text and number rules. The handlers read and write the three edit boxes.

#include <string_view>

#include "text/rules.h"

namespace quorbit::convert {

struct BinaryTexts {
  text::Text binary;  // 编辑框_二进制: most significant first, single spaces between
  text::Text reversed;  // 编辑框_倒序二进制: least significant first, each followed by a space
};

// The binary digits of TextToInt of the text; a value of 0 or below gives its single digit
// of RealMod by 2 ("0" or "-1").
BinaryTexts DecimalToBinary(std::string_view decimal_text);

// The text for 编辑框_十进制: every byte but a space takes one binary place, from the last
// byte up, and adds TextToInt of itself times the place value; the sum wraps to 32 bits.
text::Text BinaryToDecimal(std::string_view binary_text);

}  // namespace quorbit::convert
