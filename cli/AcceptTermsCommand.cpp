#include "cli/AcceptTermsCommand.h"

#include "cli/ExitCode.h"
#include "cli/Session.h"

#include <CLI/CLI.hpp>

namespace ovl::cli {

namespace {

// The terms are what this command shows, so the start-up does not ask for them first.
class ShowTermsLater : public TermsGate {
public:
    bool AcceptTerms(int) override { return true; }
};

} // namespace

AcceptTermsCommand::AcceptTermsCommand()
    : Command(
          "accept-terms", "[--yes]",
          "Prints the terms of use in the user's language; with --yes records their acceptance.") {}

void AcceptTermsCommand::DeclareArguments(CLI::App& command) {
    command.add_flag("--yes", m_bAccept, "Records the acceptance in the settings");
}

TermsGate* AcceptTermsCommand::Terms() {
    static ShowTermsLater showLater;
    return &showLater;
}

int AcceptTermsCommand::Run(Console& console, Session& session) {
    console.PrintLine(session.Actions().TermsText());
    if (!m_bAccept)
        return kExitDone;
    if (!session.Actions().AcceptTerms()) {
        console.ErrorLine("error: the acceptance could not be saved in the settings");
        return kExitFailed;
    }
    console.ErrorLine("The terms of use are accepted.");
    return kExitDone;
}

} // namespace ovl::cli
