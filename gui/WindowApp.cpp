#include "gui/WindowApp.h"

#include "app/AppRoot.h"
#include "gui/MainDialogView.h"
#include "gui/TermsDialog.h"
#include "gui/WxMessageSink.h"
#include "gui/WxText.h"
#include "platform/DbException.h"

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
        m_pRoot = std::make_unique<AppRoot>(m_messages, [this](const std::string& problem) {
            m_messages.ShowMessage(problem, MessageIcon::Exclamation);
        });
        DialogTermsGate terms(m_pRoot->Settings());
        std::vector<std::string> args;
        for (int i = 1; i < argc; ++i)
            args.push_back(FromWx(argv[i]));
        const auto result = m_pRoot->Start(args, terms);
        if (result != CovlnutriimportApp::StartResult::Ready) {
            m_nExitCode = result == CovlnutriimportApp::StartResult::AnotherInstance
                              ? kExitAnotherCopy
                              : kExitStartRefused;
            m_pRoot->App().ShutDown();
            m_pRoot.reset();
        }
        return true; // OnRun ends at once when the start-up was refused
    }

    int OnRun() override {
        if (!m_pRoot)
            return m_nExitCode;
        {
            MainDialogView window(nullptr, m_pRoot->Actions());
            SetTopWindow(&window);
            window.ShowModal();
            SetTopWindow(nullptr);
        }
        m_pRoot->App().ShutDown();
        m_pRoot.reset();
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
    std::unique_ptr<AppRoot> m_pRoot;
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
