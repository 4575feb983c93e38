#include "cli/UpdateLegalNamesCommand.h"

#include "app/Language.h"
#include "cli/ExitCode.h"
#include "cli/Session.h"
#include "import/LegalNamesUpdate.h"

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

int UpdateLegalNamesCommand::Run(Console& console, const Invocation& invocation) {
    if (!invocation.args.empty()) {
        console.ErrorLine("usage: ovlnutriimport update-legal-names");
        return kExitUsage;
    }
    Session session(console);
    if (const int code = session.Start(invocation); code != kExitDone)
        return code;
    return session.Guard([&] {
        ImportContext context = session.MakeImportContext();
        ClosingMessageOnStdout messages(console, session.Messages());
        ImportContext update{context.local,         context.central,      context.caches, messages,
                             context.languageIndex, context.databaseType, false};
        UpdateLegalSalesNames(update);
        return kExitDone;
    });
}

} // namespace ovl::cli
