#include "gui/WindowApp.h"

#include "app/AppActions.h"
#include "app/OvlNutriImportApp.h"
#include "gui/MainDialogView.h"
#include "gui/TermsDialog.h"
#include "gui/WxMessageSink.h"
#include "gui/WxText.h"
#include "platform/DbException.h"
#include "platform/IniSettingsStore.h"
#include "platform/RegistryFile.h"

#include <wx/app.h>
#include <wx/msgdlg.h>

#include <cstdlib>
#include <memory>

namespace ovl::gui {

namespace {

// Exit codes shared with the command line.
constexpr int kExitDone = 0, kExitStartRefused = 3, kExitAnotherCopy = 5;

// The terms step of the start-up: the dialog in first-use mode.
class DialogTermsGate : public TermsGate {
public:
    explicit DialogTermsGate(SettingsStore& settings) : m_settings(settings) {}
    bool AcceptTerms(int languageIndex) override {
        TermsDialog dialog(nullptr, m_settings, languageIndex, false);
        return dialog.ShowModal() == wxID_OK;
    }

private:
    SettingsStore& m_settings;
};

class WindowApp : public wxApp {
public:
    bool OnInit() override {
        SetAppName("ovlnutriimport");
        m_pSettings = std::make_unique<IniSettingsStore>(
            IniSettingsStore::DefaultPath(), [this](const std::string& problem) {
                m_messages.ShowMessage(problem, MessageIcon::Exclamation);
            });
        AppEnvironment env;
        env.settings = m_pSettings.get();
        env.registry = &m_registry;
        env.messages = &m_messages;
        m_pApp = std::make_unique<CovlnutriimportApp>(env);
        DialogTermsGate terms(*m_pSettings);
        std::vector<std::string> args;
        for (int i = 1; i < argc; ++i)
            args.push_back(FromWx(argv[i]));
        const auto result = m_pApp->Start(args, terms);
        if (result != CovlnutriimportApp::StartResult::Ready) {
            m_nExitCode = result == CovlnutriimportApp::StartResult::AnotherInstance
                              ? kExitAnotherCopy
                              : kExitStartRefused;
            m_pApp->ShutDown();
            return true; // OnRun ends at once with the exit code
        }
        m_pActions = std::make_unique<AppActions>(*m_pApp);
        return true;
    }

    int OnRun() override {
        if (!m_pActions)
            return m_nExitCode;
        {
            MainDialogView window(nullptr, *m_pActions);
            SetTopWindow(&window);
            window.ShowModal();
            SetTopWindow(nullptr);
        }
        m_pActions.reset();
        m_pApp->ShutDown();
        return kExitDone;
    }

    // A database error that escapes a handler: its text in a box; the window stays open.
    bool OnExceptionInMainLoop() override {
        try {
            throw;
        } catch (const db::DbException& e) {
            m_messages.ShowMessage(e.Message(), MessageIcon::Error);
            return true;
        } catch (const std::exception& e) {
            m_messages.ShowMessage(e.what(), MessageIcon::Error);
            return true;
        }
    }

private:
    WxMessageSink m_messages;
    RegistryFile m_registry;
    std::unique_ptr<IniSettingsStore> m_pSettings;
    std::unique_ptr<CovlnutriimportApp> m_pApp;
    std::unique_ptr<AppActions> m_pActions;
    int m_nExitCode = kExitDone;
};

} // namespace

bool WantsWindow(const std::vector<std::string>& args) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("/DB:", 0) == 0 || arg.rfind("/db:", 0) == 0 || arg.rfind("--db=", 0) == 0)
            continue;
        if (arg == "--db" && i + 1 < args.size()) {
            ++i;
            continue;
        }
        return false;
    }
    return true;
}

bool HasDisplay() {
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (display && *display) || (wayland && *wayland);
}

} // namespace ovl::gui

wxIMPLEMENT_APP_NO_MAIN(ovl::gui::WindowApp);

namespace ovl::gui {

int RunWindow(int argc, char** argv) {
    return wxEntry(argc, argv);
}

} // namespace ovl::gui
