#pragma once

#include "app/OvlNutriImportApp.h"

#include <filesystem>
#include <memory>

namespace ovl::test {

// The application object on a test's settings, registry and messages, started with the terms
// of use accepted; null when the start-up did not reach the main window.
inline std::unique_ptr<CovlnutriimportApp> StartApplication(SettingsStore& settings,
                                                            const RegistryFile& registry,
                                                            MessageSink& messages,
                                                            const std::filesystem::path& lockFolder) {
    AppEnvironment env;
    env.settings = &settings;
    env.registry = &registry;
    env.messages = &messages;
    env.lockFolder = lockFolder;
    auto app = std::make_unique<CovlnutriimportApp>(env);
    struct Accept : TermsGate {
        bool AcceptTerms(int) override { return true; }
    } accept;
    if (app->Start({}, accept) != CovlnutriimportApp::StartResult::Ready)
        return nullptr;
    return app;
}

} // namespace ovl::test
