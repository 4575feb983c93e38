#include "cli/StatusCommand.h"

#include "central/StatusChecks.h"
#include "cli/ExitCode.h"
#include "cli/Session.h"

#include <CLI/CLI.hpp>

namespace ovl::cli {

namespace {

const char* LanguageName(int index) {
    static const char* const kNames[] = {"French", "English", "German", "Spanish", "Italian"};
    return index >= 0 && index < 5 ? kNames[index] : "French";
}

} // namespace

StatusCommand::StatusCommand()
    : Command("status", "", "Prints what the start-up found in both databases.") {}

void StatusCommand::DeclareArguments(CLI::App&) {}

int StatusCommand::Run(Console& console, Session& session) {
    const CovlnutriimportApp& app = session.App();
    const CentralStatus& status = app.Status();
    std::string product, file;
    GetFileVersions(product, file);

    auto line = [&console](const std::string& label, const std::string& value) {
        console.PrintLine(label + ":\t" + value);
    };
    const bool server = app.DatabaseType() == 0;
    line("Program version", product);
    line("Central server", status.m_strServerName);
    line("Central schema version", "1.0.0.0");
    line("Central program-data version", status.m_bCentralV12 ? "1.2.0.0" : "1.1.0.0");
    line("Central data release", std::to_string(status.m_nCentralRelease));
    line("Local data source", server ? app.SrvDsn() : app.LocalDsn());
    line("Local database type",
         std::to_string(app.DatabaseType()) + (server ? " (server)" : " (file)"));
    line("Local version", ReadLocalVersionText(app.LocalDb()));
    line("Local data release", std::to_string(ReadLocalDataRelease(app.LocalDb())));
    line("Language", std::to_string(app.Language()) + " (" + LanguageName(app.Language()) + ")");
    line("Account id", std::to_string(app.AccountId()));
    return kExitDone;
}

} // namespace ovl::cli
