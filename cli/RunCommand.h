#pragma once

#include "cli/Command.h"

#include <string>
#include <vector>

namespace ovl::cli {

// The skeleton every command runs in: the start-up (unless the command needs no
// database), the command's work with the product cache's progress drawn on stderr, and any
// exception turned into its text on stderr and exit code 1.
int RunCommand(Command& command, Console& console, const std::vector<std::string>& startupArgs);

} // namespace ovl::cli
