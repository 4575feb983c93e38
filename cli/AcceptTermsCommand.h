#pragma once

#include "cli/Command.h"

#include "app/OvlNutriImportApp.h"

namespace ovl::cli {

// Prints the terms of use in the user's language; with --yes records their acceptance.
class AcceptTermsCommand : public Command {
public:
    AcceptTermsCommand();
    void DeclareArguments(CLI::App& command) override;
    TermsGate* Terms() override;
    int Run(Console& console, Session& session) override;

private:
    bool m_bAccept = false;
};

} // namespace ovl::cli
