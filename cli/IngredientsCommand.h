#pragma once

#include "cli/Command.h"

namespace ovl::cli {

// The local ingredient list of the window for a filter text.
class IngredientsCommand : public Command {
public:
    const char* Name() const override { return "ingredients"; }
    const char* Synopsis() const override { return "FILTER"; }
    int Run(Console& console, const Invocation& invocation) override;
};

} // namespace ovl::cli
