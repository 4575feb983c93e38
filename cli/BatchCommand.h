#pragma once

#include "cli/Command.h"

namespace ovl::cli {

// Imports many product and ingredient pairs from a file, each on its own.
class BatchCommand : public Command {
public:
    const char* Name() const override { return "batch"; }
    const char* Synopsis() const override { return "FILE"; }
    int Run(Console& console, const Invocation& invocation) override;
};

} // namespace ovl::cli
