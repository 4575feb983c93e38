#include "cli/Session.h"

#include "cli/ExitCode.h"
#include "platform/DbException.h"

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
      m_settings(IniSettingsStore::DefaultPath(), [&console](const std::string& problem) {
          console.ErrorLine("warning: " + problem);
      }) {}

int Session::Start(const Invocation& invocation, TermsGate* terms) {
    AppEnvironment env;
    env.settings = &m_settings;
    env.registry = &m_registry;
    env.messages = &m_messages;
    m_pApp = std::make_unique<CovlnutriimportApp>(env);

    RefuseTerms refuse(m_console);
    switch (m_pApp->Start(invocation.startupArgs, terms ? *terms : refuse)) {
    case CovlnutriimportApp::StartResult::Ready:
        return kExitDone;
    case CovlnutriimportApp::StartResult::AnotherInstance:
        m_console.ErrorLine("error: another copy of ovlnutriimport is running");
        return kExitAnotherCopy;
    case CovlnutriimportApp::StartResult::CentralFailed:
    case CovlnutriimportApp::StartResult::LocalFailed:
    case CovlnutriimportApp::StartResult::TermsRefused:
        break;
    }
    return kExitStartRefused;
}

int Session::Guard(const std::function<int()>& work) {
    try {
        return work();
    } catch (const db::DbException& e) {
        m_messages.ShowMessage(e.Message(), MessageIcon::Error);
        return kExitFailed;
    }
}

} // namespace ovl::cli
