#include "switches/bank.h"

#include "app/controls.h"
#include "switches/readout.h"

namespace quorbit::switches {
namespace {

using namespace text;

constexpr std::string_view kOnPicture = "LeverOnPicture";
constexpr std::string_view kOffPicture = "LeverOffPicture";

// "请输入 1—255 之间的数。"
constexpr std::string_view kOutOfRange =
    "\xC7\xEB\xCA\xE4\xC8\xEB 1\xA1\xAA"
    "255 \xD6\xAE\xBC\xE4\xB5\xC4\xCA\xFD\xA1\xA3";
constexpr std::string_view kNote = "\xCC\xE1\xCA\xBE\xA3\xA1";  // "提示！"

double Mod2(double value) { return *RealMod(value, 2.0); }
double IntDiv2(double value) { return *RealIntDiv(value, 2.0); }

// The binary digits of a, least significant first: 6 gives "011".
Text BitsText(std::int32_t a) {
  Text bits = IntToText(RealToInt(Mod2(IntToReal(a))));
  std::int32_t h = RealToInt(IntDiv2(IntToReal(a)));
  while (h >= 1) {
    bits = TextConcat({bits, IntToText(RealToInt(Mod2(IntToReal(h))))});
    h = RealToInt(IntDiv2(IntToReal(h)));
  }
  return bits;
}

}  // namespace

void BuildSwitchBank(Toolkit& tk) {
  const Control first = tk.Find(ctl::图形按钮1);
  for (std::int32_t k = 1; k <= 7; ++k) {
    const Control copy = tk.CopyControl(first);
    tk.SetTag(copy, RealToText(IntToReal(k) + 1.0));
    const double offset = IntToReal(tk.Width(first)) * IntToReal(k);
    tk.SetLeft(copy, RealToInt(IntToReal(tk.Left(first)) + offset));
    tk.SetVisible(copy, true);
  }
}

std::optional<Control> FindLever(Toolkit& tk, std::int32_t i) { return tk.FindByTag(i); }

bool IsLeverOn(Toolkit& tk, Control lever) {
  return BytesEqual(tk.GetPicture(lever), tk.Picture(kOnPicture));
}

void ApplyAddressText(Toolkit& tk) {
  const std::int32_t a = TextToInt(tk.GetText(tk.Find(ctl::编辑框_地址)));
  // A negative value is no address either: refused like one above 255.
  if (a > 255 || a < 0) {
    tk.MessageBox(Text(kOutOfRange), Text(kNote), Icon::kInformation);
    return;
  }
  const Text bits = BitsText(a);
  const ByteSet on = tk.Picture(kOnPicture);
  const ByteSet off = tk.Picture(kOffPicture);
  for (std::int32_t i = 1; i <= 8; ++i) {
    if (const auto lever = FindLever(tk, i)) {
      tk.SetPicture(*lever, TextEquals(TextMid(bits, i, 1), "1") ? on : off);
    }
  }
  UpdateReadout(tk);
}

void ToggleLever(Toolkit& tk) {
  const Control lever = tk.EventSource();
  tk.SetPicture(lever, tk.Picture(IsLeverOn(tk, lever) ? kOffPicture : kOnPicture));
  UpdateReadout(tk);
}

}  // namespace quorbit::switches
