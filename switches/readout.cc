#include "switches/readout.h"

#include "app/controls.h"
#include "switches/bank.h"

namespace quorbit::switches {

using namespace text;

void UpdateReadout(Toolkit& tk) {
  Text sum;
  for (std::int32_t i = 1; i <= 8; ++i) {
    const auto lever = FindLever(tk, i);
    if (lever && IsLeverOn(tk, *lever)) {
      sum = RealToText(IntToReal(TextToInt(sum)) + RealPower(2.0, IntToReal(i - 1)));
    }
  }
  if (TextEquals(sum, "")) {
    // Writing the background back erases every digit drawn since.
    const Control display = tk.Find(ctl::画板2);
    tk.SetPicture(display, tk.GetPicture(display));
    return;
  }
  if (TextLength(sum) == 1) sum = TextConcat({"00", sum});
  if (TextLength(sum) == 2) sum = TextConcat({"0", sum});
  for (std::int32_t j = 1; j <= 3; ++j) ShowDigit(tk, TextToInt(TextMid(sum, j, 1)), j);
}

void ShowDigit(Toolkit& tk, std::int32_t d, std::int32_t j) {
  const std::int32_t source_left = RealToInt(IntToReal(d) * 40.0);
  const std::int32_t target_left = RealToInt((IntToReal(j) - 1.0) * 40.0);
  tk.CanvasBlockCopy(tk.Find(ctl::画板1), source_left, 0, 40, 54, tk.Find(ctl::画板2), target_left,
                     0);
}

}  // namespace quorbit::switches
