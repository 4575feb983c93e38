#include "cli/AcceptTermsCommand.h"

#include "app/RtfText.h"
#include "app/TermsDocuments.h"
#include "cli/ExitCode.h"
#include "cli/Session.h"

namespace ovl::cli {

namespace {

// The terms are what this command shows, so the start-up does not ask for them first.
class ShowTermsLater : public TermsGate {
public:
    bool AcceptTerms(int) override { return true; }
};

} // namespace

int AcceptTermsCommand::Run(Console& console, const Invocation& invocation) {
    bool accept = false;
    for (const auto& arg : invocation.args) {
        if (arg != "--yes") {
            console.ErrorLine("usage: ovlnutriimport accept-terms [--yes]");
            return kExitUsage;
        }
        accept = true;
    }
    Session session(console);
    ShowTermsLater showLater;
    if (const int code = session.Start(invocation, &showLater); code != kExitDone)
        return code;

    std::string text = RtfToPlainText(TermsRtf(session.App().m_nLangue));
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    console.PrintLine(text);
    if (accept) {
        if (!session.Settings().WriteInt(CovlnutriimportApp::kConfigSection, "Conditions Accepted",
                                         1)) {
            console.ErrorLine("error: the acceptance could not be saved in the settings");
            return kExitFailed;
        }
        console.ErrorLine("The terms of use are accepted.");
    }
    return kExitDone;
}

} // namespace ovl::cli
