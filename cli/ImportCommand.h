#pragma once

#include "cli/Command.h"

namespace ovl::cli {

// Imports a reference product into an ingredient, then prints its values text.
class ImportCommand : public Command {
public:
    const char* Name() const override { return "import"; }
    const char* Synopsis() const override { return "PRODUCT_ID INGRED_ID [--update-legal-names]"; }
    int Run(Console& console, const Invocation& invocation) override;
};

} // namespace ovl::cli
