#pragma once

#include "cli/Command.h"

#include <memory>
#include <string>
#include <vector>

namespace CLI {
class App;
class ParseError;
} // namespace CLI

namespace ovl::cli {

// Parses `ovlnutriimport [/DB:name | --db NAME] COMMAND ...` with CLI11 and runs the command.
class CommandLine {
public:
    // The program's commands.
    CommandLine();
    // One more command, as tests give.
    void Add(std::unique_ptr<Command> command);

    // `args` are the program's arguments without the program name, as UTF-8. Returns the exit
    // code; no exception leaves it: an unexpected one is printed with its text and gives 1.
    int Run(Console& console, const std::vector<std::string>& args);

private:
    int ParseAndRun(Console& console, const std::vector<std::string>& args);
    int ParseFailed(Console& console, const CLI::App& app, const std::vector<std::string>& args,
                    const CLI::ParseError& error) const;
    void PrintUsage(Console& console) const;
    Command* Find(const std::string& name) const;
    Command* Selected(const CLI::App& app) const;

    std::vector<std::unique_ptr<Command>> m_commands;
};

} // namespace ovl::cli
