#pragma once

#include "cli/Command.h"

namespace ovl::cli {

// Prints what the start-up found in both databases.
class StatusCommand : public Command {
public:
    StatusCommand();
    void DeclareArguments(CLI::App& command) override;
    int Run(Console& console, Session& session) override;
};

} // namespace ovl::cli
