#pragma once

#include "app/AppActions.h"
#include "app/MessageSink.h"
#include "app/OvlNutriImportApp.h"
#include "platform/IniSettingsStore.h"
#include "platform/RegistryFile.h"

#include <functional>
#include <string>
#include <vector>

namespace ovl {

// Where the program is put together, for the command line and the window alike: the
// settings file of the user, the registry file of the installation, the application object
// and its actions.
class AppRoot {
public:
    // `settingsProblem` is told when the settings file cannot be read or written.
    AppRoot(MessageSink& messages, std::function<void(const std::string&)> settingsProblem);
    AppRoot(const AppRoot&) = delete;
    AppRoot& operator=(const AppRoot&) = delete;

    // The start-up of the application object; `startupArgs` are switches such as "/DB:name".
    CovlnutriimportApp::StartResult Start(const std::vector<std::string>& startupArgs,
                                          TermsGate& terms);

    CovlnutriimportApp& App() { return m_app; }
    AppActions& Actions() { return m_actions; }
    SettingsStore& Settings() { return m_settings; }

private:
    static AppEnvironment Environment(SettingsStore& settings, const RegistryFile& registry,
                                      MessageSink& messages);

    IniSettingsStore m_settings;
    RegistryFile m_registry;
    CovlnutriimportApp m_app;
    AppActions m_actions;
};

} // namespace ovl
