#include "cli/UpdateLegalNamesCommand.h"

#include "app/Language.h"
#include "cli/ExitCode.h"
#include "cli/Session.h"

#include <CLI/CLI.hpp>

namespace ovl::cli {

namespace {

// The update's closing message is this command's output; its error messages go to stderr
// as usual.
class ClosingMessageOnStdout : public MessageSink {
public:
    ClosingMessageOnStdout(Console& console, MessageSink& errors)
        : m_console(console), m_errors(errors), m_strClosing(LoadLangString(2053)) {}
    void ShowMessage(const std::string& text, MessageIcon icon) override {
        if (text == m_strClosing)
            m_console.PrintLine(text);
        else
            m_errors.ShowMessage(text, icon);
    }
    bool AskYesNo(const std::string& text) override { return m_errors.AskYesNo(text); }

private:
    Console& m_console;
    MessageSink& m_errors;
    std::string m_strClosing;
};

} // namespace

UpdateLegalNamesCommand::UpdateLegalNamesCommand()
    : Command("update-legal-names", "",
              "Brings the local legal sales names up to date with the central ones.") {}

void UpdateLegalNamesCommand::DeclareArguments(CLI::App&) {}

int UpdateLegalNamesCommand::Run(Console& console, Session& session) {
    ClosingMessageOnStdout messages(console, session.Messages());
    session.Actions().UpdateLegalNames(messages);
    return kExitDone;
}

} // namespace ovl::cli
