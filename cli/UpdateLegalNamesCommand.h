#pragma once

#include "cli/Command.h"

namespace ovl::cli {

// Brings the local legal sales names up to date with the central ones.
class UpdateLegalNamesCommand : public Command {
public:
    const char* Name() const override { return "update-legal-names"; }
    const char* Synopsis() const override { return ""; }
    int Run(Console& console, const Invocation& invocation) override;
};

} // namespace ovl::cli
