#include "app/AppRoot.h"

namespace ovl {

AppRoot::AppRoot(MessageSink& messages, std::function<void(const std::string&)> settingsProblem)
    : m_settings(IniSettingsStore::DefaultPath(), std::move(settingsProblem)),
      m_app(Environment(m_settings, m_registry, messages)), m_actions(m_app) {}

AppEnvironment AppRoot::Environment(SettingsStore& settings, const RegistryFile& registry,
                                    MessageSink& messages) {
    AppEnvironment env;
    env.settings = &settings;
    env.registry = &registry;
    env.messages = &messages;
    return env;
}

CovlnutriimportApp::StartResult AppRoot::Start(const std::vector<std::string>& startupArgs,
                                               TermsGate& terms) {
    return m_app.Start(startupArgs, terms);
}

} // namespace ovl
