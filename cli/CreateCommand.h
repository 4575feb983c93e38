#pragma once

#include "cli/Command.h"

namespace ovl::cli {

// Creates an ingredient from a reference product and imports the product into it.
class CreateCommand : public Command {
public:
    const char* Name() const override { return "create"; }
    const char* Synopsis() const override {
        return "PRODUCT_ID [--fr T] [--en T] [--de T] [--sp T] [--it T]";
    }
    int Run(Console& console, const Invocation& invocation) override;
};

} // namespace ovl::cli
