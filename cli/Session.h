#pragma once

#include "app/AppRoot.h"
#include "cli/Console.h"

#include <string>
#include <vector>

namespace ovl::cli {

// The program put together for one command, with messages on stderr and no dialogs.
class Session {
public:
    // `answerYes` is the fixed answer to the questions the run asks.
    explicit Session(Console& console, bool answerYes = false);

    // Runs the start-up. Returns kExitDone when the databases are open, otherwise the exit
    // code to end with. `terms` decides the terms step; by default it refuses unless the
    // terms were accepted before.
    int Start(const std::vector<std::string>& startupArgs, TermsGate* terms = nullptr);

    CovlnutriimportApp& App() { return m_root.App(); }
    AppActions& Actions() { return m_root.Actions(); }
    SettingsStore& Settings() { return m_root.Settings(); }
    MessageSink& Messages() { return m_messages; }

private:
    Console& m_console;
    ConsoleMessageSink m_messages;
    AppRoot m_root;
};

} // namespace ovl::cli
