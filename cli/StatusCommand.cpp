#include "cli/StatusCommand.h"

#include "central/StatusChecks.h"
#include "cli/ExitCode.h"
#include "cli/Session.h"

#include <ostream>

namespace ovl::cli {

namespace {

const char* LanguageName(int index) {
    static const char* const kNames[] = {"French", "English", "German", "Spanish", "Italian"};
    return index >= 0 && index < 5 ? kNames[index] : "French";
}

} // namespace

int StatusCommand::Run(Console& console, const Invocation& invocation) {
    if (!invocation.args.empty()) {
        console.ErrorLine("usage: ovlnutriimport status");
        return kExitUsage;
    }
    Session session(console);
    if (const int code = session.Start(invocation); code != kExitDone)
        return code;
    CovlnutriimportApp& app = session.App();
    const CentralStatus& status = app.m_status;
    std::string product, file;
    GetFileVersions(product, file);

    auto line = [&console](const std::string& label, const std::string& value) {
        console.PrintLine(label + ":\t" + value);
    };
    line("Program version", product);
    line("Central server", status.m_strServerName);
    line("Central schema version", "1.0.0.0");
    line("Central program-data version", status.m_bCentralV12 ? "1.2.0.0" : "1.1.0.0");
    line("Central data release", std::to_string(status.m_nCentralRelease));
    line("Local data source", app.m_nDatabaseType == 0 ? app.m_strSrvDsn : app.m_strLocalDsn);
    line("Local database type", std::to_string(app.m_nDatabaseType) +
                                    (app.m_nDatabaseType == 0 ? " (server)" : " (file)"));
    line("Local version", ReadLocalVersionText(*app.m_pLocalDb));
    line("Local data release", std::to_string(ReadLocalDataRelease(*app.m_pLocalDb)));
    line("Language", std::to_string(app.m_nLangue) + " (" + LanguageName(app.m_nLangue) + ")");
    line("Account id", std::to_string(app.m_nAccountId));
    return kExitDone;
}

} // namespace ovl::cli
