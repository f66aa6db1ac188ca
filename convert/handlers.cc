#include "convert/handlers.h"

#include "app/controls.h"
#include "convert/base.h"

namespace quorbit::convert {

void DecimalToBinaryClicked(Toolkit& tk) {
  const BinaryTexts texts = DecimalToBinary(tk.GetText(tk.Find(ctl::编辑框_十进制)));
  tk.SetText(tk.Find(ctl::编辑框_二进制), texts.binary);
  tk.SetText(tk.Find(ctl::编辑框_倒序二进制), texts.reversed);
}

void BinaryToDecimalClicked(Toolkit& tk) {
  tk.SetText(tk.Find(ctl::编辑框_十进制), BinaryToDecimal(tk.GetText(tk.Find(ctl::编辑框_二进制))));
}

}  // namespace quorbit::convert
