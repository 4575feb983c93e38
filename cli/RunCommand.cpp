#include "cli/RunCommand.h"

#include "cli/ExitCode.h"
#include "cli/Session.h"
#include "cli/TerminalProgress.h"

#include <exception>

namespace ovl::cli {

namespace {

int RunStarted(Command& command, Console& console, const std::vector<std::string>& startupArgs) {
    TerminalProgress progress(console);
    Session session(console, command.AnswersYes());
    if (const int code = session.Start(startupArgs, command.Terms()); code != kExitDone)
        return code;
    session.App().SetProgressObserver(&progress);
    const int code = command.Run(console, session);
    session.App().SetProgressObserver(nullptr);
    return code;
}

} // namespace

int RunCommand(Command& command, Console& console, const std::vector<std::string>& startupArgs) {
    try {
        if (!command.NeedsDatabases())
            return command.RunOffline(console);
        return RunStarted(command, console, startupArgs);
    } catch (const std::exception& e) {
        // A database error carries the driver's text, as the window's error box shows it.
        console.ErrorLine(std::string("error: ") + e.what());
        return kExitFailed;
    }
}

} // namespace ovl::cli
