#pragma once

#include "cli/Console.h"

#include <string>

namespace CLI {
class App;
}

namespace ovl {
class TermsGate;
}

namespace ovl::cli {

class Session;

// One command of the tool, each in its own file. The command line declares its arguments on
// a CLI11 subcommand, parses them into the command's members, then runs the one skeleton:
// start-up, Run, errors mapped to exit codes.
class Command {
public:
    // `synopsis`: the arguments after the name, for the list of commands and the usage line;
    // `summary`: one line for --help; `usageNote`: what the usage line adds after the
    // synopsis, such as " (a whole number)".
    Command(const char* name, const char* synopsis, const char* summary, const char* usageNote = "")
        : m_name(name), m_synopsis(synopsis), m_summary(summary), m_usageNote(usageNote) {}
    virtual ~Command() = default;

    const char* Name() const { return m_name; }
    const char* Synopsis() const { return m_synopsis; }
    const char* Summary() const { return m_summary; }
    // "usage: ovlnutriimport NAME SYNOPSIS NOTE", printed when the arguments do not parse.
    std::string Usage() const;

    virtual void DeclareArguments(CLI::App& command) = 0;

    // A command that needs no database runs RunOffline without a start-up.
    virtual bool NeedsDatabases() const { return true; }
    // The fixed answer to the questions the run asks.
    virtual bool AnswersYes() const { return false; }
    // The terms step of the start-up; nullptr refuses unless the terms were accepted before.
    virtual TermsGate* Terms() { return nullptr; }

    // The work, once the start-up is done. Returns the exit code.
    virtual int Run(Console& console, Session& session);
    virtual int RunOffline(Console& console);

private:
    const char* m_name;
    const char* m_synopsis;
    const char* m_summary;
    const char* m_usageNote;
};

} // namespace ovl::cli
