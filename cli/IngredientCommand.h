#pragma once

#include "cli/Command.h"

namespace ovl::cli {

// The values text of one ingredient, as the right pane holds it.
class IngredientCommand : public Command {
public:
    const char* Name() const override { return "ingredient"; }
    const char* Synopsis() const override { return "INGRED_ID"; }
    int Run(Console& console, const Invocation& invocation) override;
};

} // namespace ovl::cli
