#pragma once

#include "cli/Command.h"

namespace ovl::cli {

// Prints what the start-up found in both databases.
class StatusCommand : public Command {
public:
    const char* Name() const override { return "status"; }
    const char* Synopsis() const override { return ""; }
    int Run(Console& console, const Invocation& invocation) override;
};

} // namespace ovl::cli
