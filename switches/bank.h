#pragma once
// The bank of eight switch levers and the address box that drives them. A lever's state is
// its picture: it is ON exactly when its normal picture is the ON picture, byte for byte.

#include <cstdint>
#include <optional>

#include "app/toolkit.h"

namespace quorbit::switches {

// Turns the single lever of the layout into the bank of eight, tagged "1" to "8".
void BuildSwitchBank(Toolkit& tk);

// Lever i (1 to 8) is the control whose tag reads as i.
std::optional<Control> FindLever(Toolkit& tk, std::int32_t i);
bool IsLeverOn(Toolkit& tk, Control lever);

// Handlers: a change of the address box's text, and a click on any lever.
void ApplyAddressText(Toolkit& tk);
void ToggleLever(Toolkit& tk);

}  // namespace quorbit::switches
