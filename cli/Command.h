#pragma once

#include "cli/Console.h"

#include <string>
#include <vector>

namespace ovl::cli {

// One parsed command line: the switches for the start-up (such as "/DB:name") and the
// command's own arguments, all in code page 1252.
struct Invocation {
    std::vector<std::string> startupArgs;
    std::vector<std::string> args;
};

// One command of the tool. Each lives in its own file.
class Command {
public:
    virtual ~Command() = default;
    virtual const char* Name() const = 0;
    // The arguments after the name, for the usage text.
    virtual const char* Synopsis() const = 0;
    virtual int Run(Console& console, const Invocation& invocation) = 0;
};

} // namespace ovl::cli
