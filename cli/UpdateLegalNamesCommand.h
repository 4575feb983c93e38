#pragma once

#include "cli/Command.h"

namespace ovl::cli {

// Brings the local legal sales names up to date with the central ones.
class UpdateLegalNamesCommand : public Command {
public:
    UpdateLegalNamesCommand();
    void DeclareArguments(CLI::App& command) override;
    int Run(Console& console, Session& session) override;
};

} // namespace ovl::cli
