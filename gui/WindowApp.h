#pragma once

#include <string>
#include <vector>

namespace ovl::gui {

// Whether a command line asks for the window: no command, only the start-up switches.
bool WantsWindow(const std::vector<std::string>& args);
// Whether a display is there to open the window on.
bool HasDisplay();

// Runs the program as its window: start-up (with the terms dialog), the main window until
// it closes, shut-down. Returns the process exit code.
int RunWindow(int argc, char** argv);

} // namespace ovl::gui
