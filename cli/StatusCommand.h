#pragma once

#include "cli/Command.h"

namespace ovl::cli {

// Prints what the start-up found in both databases.
class StatusCommand : public Command {
public:
    const char* Name() const override { return "status"; }
    const char* Synopsis() const override { return ""; }
    const char* Summary() const override {
        return "Prints what the start-up found in both databases.";
    }
    void DeclareArguments(CLI::App& command) override;
    int Run(Console& console, Session& session) override;
};

} // namespace ovl::cli
