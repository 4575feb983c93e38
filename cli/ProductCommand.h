#pragma once

#include "cli/Command.h"

namespace ovl::cli {

// The detail text of one reference product, as the window's left pane holds it.
class ProductCommand : public Command {
public:
    const char* Name() const override { return "product"; }
    const char* Synopsis() const override { return "PRODUCT_ID"; }
    int Run(Console& console, const Invocation& invocation) override;
};

} // namespace ovl::cli
