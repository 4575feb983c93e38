#include "cli/Session.h"

#include "cli/ExitCode.h"

namespace ovl::cli {

namespace {

// Without a window there is nobody to show the terms to: the commands refuse until
// `accept-terms --yes` has recorded the acceptance.
class RefuseTerms : public TermsGate {
public:
    explicit RefuseTerms(Console& console) : m_console(console) {}
    bool AcceptTerms(int) override {
        m_console.ErrorLine("error: the terms of use are not accepted; read them with "
                            "'ovlnutriimport accept-terms' and accept them with "
                            "'ovlnutriimport accept-terms --yes'");
        return false;
    }

private:
    Console& m_console;
};

} // namespace

Session::Session(Console& console, bool answerYes)
    : m_console(console), m_messages(console, answerYes),
      m_root(m_messages,
             [&console](const std::string& problem) { console.ErrorLine("warning: " + problem); }) {
}

int Session::Start(const std::vector<std::string>& startupArgs, TermsGate* terms) {
    RefuseTerms refuse(m_console);
    switch (m_root.Start(startupArgs, terms ? *terms : refuse)) {
    case CovlnutriimportApp::StartResult::Ready:
        return kExitDone;
    case CovlnutriimportApp::StartResult::AnotherInstance:
        m_console.ErrorLine("error: another copy of ovlnutriimport is running");
        return kExitAnotherCopy;
    case CovlnutriimportApp::StartResult::CentralFailed:
    case CovlnutriimportApp::StartResult::LocalFailed:
        // The fixed message says which database; the driver's text says why.
        if (!App().StartFailure().empty())
            m_console.ErrorLine("reason: " + App().StartFailure());
        break;
    case CovlnutriimportApp::StartResult::TermsRefused:
        break;
    }
    return kExitStartRefused;
}

} // namespace ovl::cli
