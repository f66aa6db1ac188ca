#include "app/frame.h"

#include "app/controls.h"
#include "app/layout.h"
#include "switches/bank.h"

namespace quorbit::app {

void WindowCreated(Toolkit& tk) {
  tk.SetControlSkin();
  switches::BuildSwitchBank(tk);
  tk.RepaintNow(tk.Find(ctl::编辑框1));
}

void DragWindow(Toolkit& tk) { tk.StartWindowDrag(); }

void CloseWindow(Toolkit& tk) { tk.DestroyWindow(); }

// The addresses are ASCII, so they are valid GBK texts as they stand.
void OpenHomePage(Toolkit& tk) { tk.OpenWebAddress(Text(kHomePage)); }

void OpenSupportChat(Toolkit& tk) { tk.OpenWebAddress(Text(kSupportChat)); }

}  // namespace quorbit::app
