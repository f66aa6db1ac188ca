#pragma once
// The base converter's two buttons: they read the boxes, convert and write back.

#include "app/toolkit.h"

namespace quorbit::convert {

void DecimalToBinaryClicked(Toolkit& tk);
void BinaryToDecimalClicked(Toolkit& tk);

}  // namespace quorbit::convert
