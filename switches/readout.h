#pragma once
// The three-digit seven-segment read-out: the sum of the ON levers, drawn by copying lit
// digit blocks from a hidden canvas into the display canvas.

#include <cstdint>

#include "app/toolkit.h"

namespace quorbit::switches {

// Shows the sum of the ON levers with leading zeros, or no lit digit when none is ON.
void UpdateReadout(Toolkit& tk);

// Copies the lit digit d (0 to 9) into display position j (1 to 3).
void ShowDigit(Toolkit& tk, std::int32_t d, std::int32_t j);

}  // namespace quorbit::switches
