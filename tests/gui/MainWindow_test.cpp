// The real window under a display server, driven with simulated mouse and keys on the demo
// databases.

#include "app/AppActions.h"
#include "app/Language.h"
#include "gui/ErrorReportDialog.h"
#include "gui/MainDialogView.h"
#include "gui/SupplierNoticeDialog.h"
#include "gui/SupplierSelectionDialog.h"
#include "gui/WxListCtrlEx.h"
#include "gui/TermsDialog.h"
#include "gui/WxMessageSink.h"
#include "gui/WxText.h"
#include "platform/IniSettingsStore.h"
#include "platform/MemorySettingsStore.h"
#include "platform/TextConvert.h"
#include "platform/RegistryFile.h"
#include "tests/support/CliFixture.h"
#include "tests/support/DatabaseTest.h"
#include "tests/support/StartedApp.h"
#include "ui/MainDialogLayout.h"

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/clipbrd.h>
#include <wx/combobox.h>
#include <wx/init.h>
#include <wx/listctrl.h>
#include <wx/msgdlg.h>
#include <wx/stattext.h>
#include <wx/testing.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <thread>

namespace ovl {
namespace {

using test::Backend;
namespace ids = ui::main_ids;

constexpr int kChocolateIngredient = 8;

// Lets the window handle its events until `done` holds, for at most twenty seconds.
bool WaitFor(const std::function<bool()>& done) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done()) {
        if (std::chrono::steady_clock::now() > until)
            return false;
        wxYield();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

void Pause(int milliseconds) {
    WaitFor([until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds)] {
        return std::chrono::steady_clock::now() > until;
    });
}

std::string ClipboardText() {
    std::string text;
    if (wxTheClipboard->Open()) {
        wxTextDataObject data;
        if (wxTheClipboard->GetData(data))
            text = gui::FromWx(data.GetText());
        wxTheClipboard->Close();
    }
    return text;
}

// The pane as the terminal shows it: line feeds only, no final line end.
std::string PaneAsPrinted(const wxTextCtrl* pane) {
    std::string text = text::Cp1252ToUtf8(gui::FromWx(pane->GetValue()));
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

class MainWindowTest : public test::CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        if (IsSkipped())
            return;
        test::LoadDemoData(*m_pDatabases, GetParam());
        WriteSettings(SettingsText());
        setenv("OVLNUTRI_CENTRAL", m_strCentralConnect.c_str(), 1);
        m_pSettings = std::make_unique<IniSettingsStore>(m_settingsPath);
        m_pRegistry = std::make_unique<RegistryFile>(Folder() / "config" / "Varnel" / "Ovalane" /
                                                     "registry.reg");
        // The command line run beside the window takes the usual lock.
        const auto lockFolder = Folder() / "window-lock";
        std::filesystem::create_directories(lockFolder);
        m_pApp = test::StartApplication(*m_pSettings, *m_pRegistry, m_messages, lockFolder);
        ASSERT_TRUE(m_pApp) << "the start-up did not reach the window";
        m_pActions = std::make_unique<AppActions>(*m_pApp);
        if (OpensWindowAtSetUp())
            OpenWindow();
    }
    virtual bool OpensWindowAtSetUp() const { return true; }
    // The settings file the run starts with.
    virtual std::string SettingsText() const {
        return "[Config]\nConditions Accepted=1\nAccount Id=1\nProv. Selection Done=1\n"
               "[Providers list info]\nLast Prov Update=01/01/2099\n";
    }
    void OpenWindow() {
        m_pWindow = new gui::MainDialogView(nullptr, *m_pActions);
        m_pWindow->Show();
        m_pWindow->InitDialog();
        wxYield();
    }
    void CloseWindow() {
        m_pWindow->Destroy();
        m_pWindow = nullptr;
        wxYield();
    }
    void TearDown() override {
        if (m_pWindow)
            m_pWindow->Destroy();
        m_pWindow = nullptr;
        wxYield();
        m_pActions.reset();
        if (m_pApp)
            m_pApp->ShutDown();
        unsetenv("OVLNUTRI_CENTRAL");
        SetLanguage(0);
    }

    // Opens a modal dialog with `open` and drives it with `drive` once it is shown. A dialog
    // still open after `drive` and thirty seconds is ended, and the test fails.
    template <class Dialog>
    Dialog* DriveModal(const std::function<void()>& open,
                       const std::function<void(Dialog&)>& drive) {
        Dialog* seen = nullptr;
        wxTimer poll;
        const auto started = std::chrono::steady_clock::now();
        poll.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
            Dialog* dialog = OpenModal<Dialog>();
            if (dialog && !seen) {
                seen = dialog;
                poll.Stop();
                drive(*dialog);
                if (dialog->IsModal())
                    poll.Start(200);
            } else if (dialog && std::chrono::steady_clock::now() - started >
                                     std::chrono::seconds(30)) {
                ADD_FAILURE() << "the dialog did not end";
                dialog->EndModal(wxID_ABORT);
            }
        });
        poll.Start(100);
        open();
        poll.Stop();
        return seen;
    }
    template <class Dialog> static Dialog* OpenModal() {
        for (wxWindow* window : wxTopLevelWindows)
            if (auto* dialog = dynamic_cast<Dialog*>(window); dialog && dialog->IsModal())
                return dialog;
        return nullptr;
    }
    void ClickCheckBox(wxListCtrl* list, long row) {
        wxRect rect;
        ASSERT_TRUE(list->GetItemRect(row, rect));
        // The check box stands at the start of the row.
        ClickAt(list->ClientToScreen(rect.GetPosition() + wxPoint(10, rect.height / 2)));
    }

    template <class T> T* Control(int id) { return static_cast<T*>(m_pWindow->Control(id)); }

    void ClickAt(const wxPoint& screen) {
        m_sim.MouseMove(screen);
        wxYield();
        m_sim.MouseClick();
        wxYield();
    }
    void ClickOn(wxWindow* window) {
        ClickAt(window->GetScreenRect().GetPosition() + wxPoint(8, window->GetSize().y / 2));
    }
    void TypeInto(int id, const char* text) {
        wxWindow* field = m_pWindow->Control(id);
        ClickOn(field);
        // With no window manager a click does not always move the keyboard focus.
        field->SetFocus();
        wxYield();
        m_sim.Text(text);
        wxYield();
    }
    void ClickRow(wxListCtrl* list, long row) {
        wxRect rect;
        ASSERT_TRUE(list->GetItemRect(row, rect));
        // The item rectangle is in the list's client coordinates.
        ClickAt(list->ClientToScreen(rect.GetPosition() + wxPoint(20, rect.height / 2)));
    }
    // Saves what the screen shows of the window, for the README.
    void Screenshot(const char* path) { ScreenshotOf(m_pWindow, path); }
    void ScreenshotOf(wxWindow* window, const char* path) {
        const wxRect r = window->GetScreenRect();
        const std::string command = "import -window root -crop " + std::to_string(r.width) +
                                    "x" + std::to_string(r.height) + "+" + std::to_string(r.x) +
                                    "+" + std::to_string(r.y) + " '" + path + "'";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
    }

    wxUIActionSimulator m_sim;
    gui::WxMessageSink m_messages;
    std::unique_ptr<IniSettingsStore> m_pSettings;
    std::unique_ptr<RegistryFile> m_pRegistry;
    std::unique_ptr<CovlnutriimportApp> m_pApp;
    std::unique_ptr<AppActions> m_pActions;
    gui::MainDialogView* m_pWindow = nullptr;
};

TEST_P(MainWindowTest, SearchShowImportAndQuit) {
    auto* refList = Control<wxListCtrl>(ids::kRefList);
    auto* localList = Control<wxListCtrl>(ids::kLocalList);
    auto* refPane = Control<wxTextCtrl>(ids::kRefPane);
    auto* mark = Control<wxStaticText>(ids::kMark);

    // 1. A name typed: timer 1 runs the search once the typing pauses.
    TypeInto(ids::kName, "chocolat noir");
    ASSERT_TRUE(WaitFor([&] { return refList->GetItemCount() > 0; }))
        << "typed: " << gui::FromWx(Control<wxTextCtrl>(ids::kName)->GetValue());
    EXPECT_EQ(gui::FromWx(Control<wxStaticText>(ids::kRefCount)->GetLabelText()),
              std::to_string(refList->GetItemCount()) + " produits trouv\xE9s.");

    // 2. A click on a product: its detail in the left pane, its name on the clipboard.
    ClickRow(refList, 0);
    ASSERT_TRUE(WaitFor([&] { return !refPane->GetValue().empty(); }));
    const std::int32_t productId = m_pWindow->Logic().RefItemData(0);
    EXPECT_EQ(ClipboardText(), gui::FromWx(refList->GetItemText(0, 1)));
    const test::RunResult printed = Run("product " + std::to_string(productId));
    ASSERT_EQ(printed.exitCode, 0) << printed.err;
    std::string expected = printed.out;
    while (!expected.empty() && expected.back() == '\n')
        expected.pop_back();
    EXPECT_EQ(PaneAsPrinted(refPane), expected);

    // 3. The local list filtered, an ingredient clicked, "Importer": the panes are equal.
    TypeInto(ids::kLocalFilter, "choc");
    ASSERT_TRUE(WaitFor([&] { return localList->GetItemCount() > 0; }));
    long ingredientRow = -1;
    for (long row = 0; row < localList->GetItemCount(); ++row)
        if (m_pWindow->Logic().LocalItemData(static_cast<int>(row)) == kChocolateIngredient)
            ingredientRow = row;
    ASSERT_GE(ingredientRow, 0);
    ClickRow(localList, ingredientRow);
    ASSERT_TRUE(WaitFor([&] { return mark->GetLabelText() == "<>"; }))
        << gui::FromWx(mark->GetLabelText());
    ClickOn(m_pWindow->Control(ids::kImport));
    ASSERT_TRUE(WaitFor([&] { return mark->GetLabelText() == "="; }))
        << gui::FromWx(mark->GetLabelText());
    if (const char* path = std::getenv("OVL_SCREENSHOT")) {
        Pause(300);
        Screenshot(path);
    }

    // 4. Escape asks whether to quit; No keeps the window.
    wxTEST_DIALOG(
        {
            m_sim.Char(WXK_ESCAPE);
            wxYield();
        },
        wxExpectModal<wxMessageDialog>(wxID_NO).Describe("the quit question"));
    EXPECT_TRUE(m_pWindow->IsShown());
    EXPECT_EQ(mark->GetLabelText(), "=");
}

// The terms of use at first use: Accept only once both boxes are ticked, then recorded.
TEST(TermsDialogTest, AcceptNeedsBothBoxes) {
    MemorySettingsStore settings;
    gui::TermsDialog dialog(nullptr, settings, 1, false);
    wxUIActionSimulator sim;
    bool enabledAtFirst = true, enabledWithOne = true, enabledWithBoth = false;
    const auto click = [&](int id) {
        wxWindow* window = dialog.FindWindow(id);
        sim.MouseMove(window->GetScreenRect().GetPosition() + wxPoint(6, window->GetSize().y / 2));
        wxYield();
        sim.MouseClick();
        WaitFor([] { return true; });
        Pause(100);
    };
    // A run that goes wrong still ends the dialog.
    wxTimer guard;
    guard.Bind(wxEVT_TIMER, [&](wxTimerEvent&) { dialog.EndModal(wxID_ABORT); });
    guard.StartOnce(30000);
    dialog.CallAfter([&] {
        wxWindow* accept = dialog.FindWindow(wxID_OK);
        enabledAtFirst = accept->IsEnabled();
        click(1040);
        enabledWithOne = accept->IsEnabled();
        click(1039);
        enabledWithBoth = accept->IsEnabled();
        click(wxID_OK);
    });
    EXPECT_EQ(dialog.ShowModal(), wxID_OK);
    EXPECT_FALSE(enabledAtFirst);
    EXPECT_FALSE(enabledWithOne);
    EXPECT_TRUE(enabledWithBoth);
    EXPECT_EQ(settings.GetInt("Config", "Conditions Accepted", -1), 1);
}


// The first start without a supplier selection: the window opens the selection by itself.
class FirstStartWindowTest : public MainWindowTest {
protected:
    // The test opens the window itself, to drive the dialog it opens.
    bool OpensWindowAtSetUp() const override { return false; }
    // Account 3 has selected no supplier yet.
    std::string SettingsText() const override {
        return "[Config]\nConditions Accepted=1\nAccount Id=3\n"
               "[Providers list info]\nLast Prov Update=01/01/2099\n";
    }
};

TEST_P(FirstStartWindowTest, TheSelectionOpensOnceAndTheComboFollowsIt) {
    ASSERT_EQ(m_pSettings->GetInt("Config", "Prov. Selection Done", 0), 0);
    std::vector<std::string> ticked;
    auto* opened = DriveModal<gui::SupplierSelectionDialog>(
        [&] { OpenWindow(); },
        [&](gui::SupplierSelectionDialog& dialog) {
            auto* list = static_cast<wxListCtrl*>(dialog.FindWindow(1033));
            ASSERT_NE(list, nullptr);
            ASSERT_GE(list->GetItemCount(), 3);
            Pause(200);
            for (long row : {0L, 2L}) {
                ClickCheckBox(list, row);
                Pause(100);
                ticked.push_back(gui::FromWx(list->GetItemText(row, 1)));
            }
            EXPECT_TRUE(dialog.List().GetCheck(0));
            EXPECT_FALSE(dialog.List().GetCheck(1));
            EXPECT_TRUE(dialog.List().GetCheck(2));
            if (const char* path = std::getenv("OVL_SUPPLIERS_SCREENSHOT"))
                ScreenshotOf(&dialog, path);
            ClickOn(dialog.FindWindow(wxID_OK));
            WaitFor([&] { return !dialog.IsModal(); });
        });
    ASSERT_NE(opened, nullptr) << "the first start did not open the supplier selection";
    EXPECT_EQ(m_pSettings->GetInt("Config", "Prov. Selection Done", 0), 1);
    auto* supplierBox = Control<wxComboBox>(ids::kSupplier);
    std::vector<std::string> inCombo;
    for (unsigned i = 0; i < supplierBox->GetCount(); ++i)
        inCombo.push_back(gui::FromWx(supplierBox->GetString(i)));
    std::sort(ticked.begin(), ticked.end());
    std::sort(inCombo.begin(), inCombo.end());
    EXPECT_EQ(inCombo, ticked);

    // The next start opens it no more.
    CloseWindow();
    auto* again = DriveModal<gui::SupplierSelectionDialog>(
        [&] { OpenWindow(); }, [](gui::SupplierSelectionDialog& dialog) {
            dialog.EndModal(wxID_CANCEL);
        });
    EXPECT_EQ(again, nullptr);
}

// A start after suppliers changed: the notice lists them, OK acknowledges today.
class NoticeWindowTest : public FirstStartWindowTest {
protected:
    std::string SettingsText() const override {
        return "[Config]\nConditions Accepted=1\nAccount Id=1\nProv. Selection Done=1\n"
               "[Providers list info]\nLast Prov Update=01/01/2025\n";
    }
};

TEST_P(NoticeWindowTest, TheNoticeListsTheUpdatedSuppliersAndOkAcknowledges) {
    std::vector<std::string> names;
    auto* shown = DriveModal<gui::SupplierNoticeDialog>(
        [&] { OpenWindow(); },
        [&](gui::SupplierNoticeDialog& dialog) {
            auto* list = static_cast<wxListCtrl*>(dialog.FindWindow(1033));
            for (long row = 0; row < list->GetItemCount(); ++row)
                names.push_back(gui::FromWx(list->GetItemText(row, 0)));
            EXPECT_EQ(gui::FromWx(static_cast<wxStaticText*>(dialog.FindWindow(1042))->GetLabelText()),
                      "Les fournisseurs suivants ont \xE9t\xE9 mis \xE0 jour depuis le 01/01/2025");
            if (const char* path = std::getenv("OVL_NOTICE_SCREENSHOT")) {
                Pause(300);
                ScreenshotOf(&dialog, path);
            }
            ClickOn(dialog.FindWindow(wxID_OK));
            WaitFor([&] { return !dialog.IsModal(); });
        });
    ASSERT_NE(shown, nullptr) << "the notice did not open";
    // Updated in 2025: 4, 7 and 9; supplier 7 is not selected, so it is drawn in blue.
    EXPECT_EQ(names, (std::vector<std::string>{"S\xFC\xDFwaren M\xFCller GmbH",
                                               "Pastificio Bellini S.p.A.",
                                               "\xC9picerie fine Lemoine & Fils"}));
    EXPECT_NE(m_pSettings->GetString("Providers list info", "Last Prov Update", ""),
              "01/01/2025");
}

TEST_P(MainWindowTest, AReportIsSentOnceThenShownReadOnly) {
    auto* refList = Control<wxListCtrl>(ids::kRefList);
    wxWindow* reportButton = m_pWindow->Control(ids::kReport);
    TypeInto(ids::kName, "chocolat noir");
    ASSERT_TRUE(WaitFor([&] { return refList->GetItemCount() > 0; }));
    ClickRow(refList, 0);
    ASSERT_TRUE(WaitFor([&] { return reportButton->IsEnabled(); }));

    const std::string typed = "Teneur en sucres \"50%\" fausse";
    auto* sent = DriveModal<gui::ErrorReportDialog>(
        [&] { ClickOn(reportButton); },
        [&](gui::ErrorReportDialog& dialog) {
            EXPECT_FALSE(dialog.HasExistingReport());
            auto* report = static_cast<wxTextCtrl*>(dialog.FindWindow(1050));
            report->SetFocus();
            wxYield();
            m_sim.Text(typed.c_str());
            wxYield();
            ASSERT_TRUE(WaitFor([&] { return dialog.FindWindow(wxID_OK)->IsEnabled(); }))
                << gui::FromWx(report->GetValue());
            if (const char* path = std::getenv("OVL_REPORT_SCREENSHOT")) {
                Pause(300);
                ScreenshotOf(&dialog, path);
            }
            ClickOn(dialog.FindWindow(wxID_OK));
            WaitFor([&] { return !dialog.IsModal(); });
        });
    ASSERT_NE(sent, nullptr) << "the report did not open";
    EXPECT_FALSE(reportButton->IsEnabled());

    ClickRow(refList, 0);
    ASSERT_TRUE(WaitFor([&] { return reportButton->IsEnabled(); }));
    std::string shown;
    bool readOnly = false, okEnabled = true;
    DriveModal<gui::ErrorReportDialog>(
        [&] { ClickOn(reportButton); },
        [&](gui::ErrorReportDialog& dialog) {
            auto* report = static_cast<wxTextCtrl*>(dialog.FindWindow(1050));
            shown = gui::FromWx(report->GetValue());
            readOnly = !report->IsEditable();
            okEnabled = dialog.FindWindow(wxID_OK)->IsEnabled();
            ClickOn(dialog.FindWindow(wxID_CANCEL));
            WaitFor([&] { return !dialog.IsModal(); });
        });
    EXPECT_TRUE(readOnly);
    EXPECT_FALSE(okEnabled);
    EXPECT_EQ(shown.find("Erreur d\xE9j\xE0 signal\xE9" "e le "), 0u) << shown;
    EXPECT_NE(shown.find(":\n\n" + typed), std::string::npos) << shown;
}

INSTANTIATE_TEST_SUITE_P(Demo, MainWindowTest, testing::Values(Backend::Sqlite),
                         test::BackendParamName);
INSTANTIATE_TEST_SUITE_P(Demo, NoticeWindowTest, testing::Values(Backend::Sqlite),
                         test::BackendParamName);
INSTANTIATE_TEST_SUITE_P(Demo, FirstStartWindowTest, testing::Values(Backend::Sqlite),
                         test::BackendParamName);

// A failed toolkit assertion would open a box that blocks a run without a user.
void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond,
                  const wxString& msg) {
    ADD_FAILURE() << "wx assertion " << cond << " failed in " << func << " (" << file << ":"
                  << line << "): " << msg;
}

} // namespace
} // namespace ovl

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
        std::fprintf(stderr, "cannot start the toolkit (is there a display?)\n");
        return 1;
    }
    wxSetAssertHandler(ovl::FailOnAssert);
    const int result = RUN_ALL_TESTS();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
