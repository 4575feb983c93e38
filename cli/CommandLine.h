#pragma once

#include "cli/Command.h"

#include <memory>
#include <string>
#include <vector>

namespace ovl::cli {

// Parses `ovlnutriimport [/DB:name | --db NAME] COMMAND ...` and runs the command.
class CommandLine {
public:
    CommandLine();
    // `args` are the program's arguments without the program name, as UTF-8.
    int Run(Console& console, const std::vector<std::string>& args);

private:
    void PrintUsage(Console& console) const;
    Command* Find(const std::string& name) const;

    std::vector<std::unique_ptr<Command>> m_commands;
};

} // namespace ovl::cli
