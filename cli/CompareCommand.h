#pragma once

#include "cli/Command.h"

namespace ovl::cli {

// The comparison mark of the two value panes and a line-by-line diff of them.
class CompareCommand : public Command {
public:
    const char* Name() const override { return "compare"; }
    const char* Synopsis() const override { return "PRODUCT_ID INGRED_ID"; }
    int Run(Console& console, const Invocation& invocation) override;
};

} // namespace ovl::cli
