#pragma once
// Start-up: the main window with every control and the whole wiring of the program.

#include <memory>
#include <span>

#include "app/main_window.h"

namespace quorbit::app {

// Every handled control event; every other event is left to the toolkit.
std::span<const Binding> Bindings();

// Sets up the application-wide fonts and look that the window relies on. Call once after
// the QApplication exists.
void SetUpApplication();

// Builds the window from the layout and the bindings, shows it and runs its created
// handling. The window closes itself; the returned object may outlive it.
std::unique_ptr<MainWindowImpl> OpenMainWindow();

}  // namespace quorbit::app
