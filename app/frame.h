#pragma once
// The window's own behaviour: what happens when it is created, the title drag, the close
// button and the two link buttons.

#include "app/toolkit.h"

namespace quorbit::app {

void WindowCreated(Toolkit& tk);
void DragWindow(Toolkit& tk);
void CloseWindow(Toolkit& tk);
void OpenHomePage(Toolkit& tk);
void OpenSupportChat(Toolkit& tk);

}  // namespace quorbit::app
