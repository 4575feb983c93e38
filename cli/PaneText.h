#pragma once

#include "cli/Console.h"

#include <string>

namespace ovl::cli {

// Prints a detail or values text as its pane shows it: missing values marked, no blank
// line at the end.
void PrintPaneText(Console& console, const std::string& text);

} // namespace ovl::cli
