#pragma once

#include "cli/Command.h"

namespace ovl::cli {

// Clears what imports wrote into an ingredient, then prints its values text.
class ClearCommand : public Command {
public:
    const char* Name() const override { return "clear"; }
    const char* Synopsis() const override { return "INGRED_ID"; }
    int Run(Console& console, const Invocation& invocation) override;
};

} // namespace ovl::cli
