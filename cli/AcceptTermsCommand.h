#pragma once

#include "cli/Command.h"

#include "app/OvlNutriImportApp.h"

namespace ovl::cli {

// Prints the terms of use in the user's language; with --yes records their acceptance.
class AcceptTermsCommand : public Command {
public:
    const char* Name() const override { return "accept-terms"; }
    const char* Synopsis() const override { return "[--yes]"; }
    const char* Summary() const override {
        return "Prints the terms of use in the user's language; with --yes records their "
               "acceptance.";
    }
    void DeclareArguments(CLI::App& command) override;
    TermsGate* Terms() override;
    int Run(Console& console, Session& session) override;

private:
    bool m_bAccept = false;
};

} // namespace ovl::cli
