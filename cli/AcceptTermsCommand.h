#pragma once

#include "cli/Command.h"

namespace ovl::cli {

// Prints the terms of use in the user's language; with --yes records their acceptance.
class AcceptTermsCommand : public Command {
public:
    const char* Name() const override { return "accept-terms"; }
    const char* Synopsis() const override { return "[--yes]"; }
    int Run(Console& console, const Invocation& invocation) override;
};

} // namespace ovl::cli
