// The logic of the supplier selection, the supplier update notice and the error report,
// over the demo databases. In the demo, account 1 selects suppliers 1-6, 8, 9 and 10, of
// which 6 and 10 are withdrawn; supplier 7 is enabled but not selected; account 2 selects 2, 3
// and 7; account 1 reported product 3 on 10/02/2025.

#include "central/OvlNutriSigErrSet.h"
#include "central/OvlNutriUsrProvSet.h"
#include "platform/FailureHook.h"
#include "suppliers/ErrorReports.h"
#include "suppliers/ProvInfDlg.h"
#include "suppliers/ProvSelDlg.h"
#include "suppliers/SignalErrDlg.h"
#include "suppliers/SupplierChoice.h"
#include "suppliers/SupplierUpdates.h"
#include "tests/support/DatabaseTest.h"
#include "tests/ui/WindowTestSupport.h"

#include <set>

namespace ovl {
namespace {

using test::MemoryListCtrlExView;

constexpr int kNotSelected = 7;
const std::vector<std::int32_t> kEnabled = {1, 2, 3, 4, 5, 7, 8, 9};

std::set<std::int32_t> StoredSelection(db::Connection& central, int account) {
    COvlNutriUsrProvSet rs(&central);
    rs.m_strFilter = "[IDSERNUM]=" + std::to_string(account);
    rs.Open();
    std::set<std::int32_t> ids;
    for (; !rs.IsEOF(); rs.MoveNext())
        ids.insert(rs.m_IDPROV);
    return ids;
}

// The supplier selection on the application's supplier cache.
class SupplierSelectionTest : public test::WindowTest {
public:
    void OpenSelection() {
        m_pChoice = std::make_unique<SupplierChoice>(m_pApp->CentralDb(), m_pApp->ProvCache(),
                                                     m_pApp->AccountId());
        m_pList = std::make_unique<ui::CListCtrlEx>();
        m_view = MemoryListCtrlExView();
        m_pList->Attach(m_view);
        m_ending.m_result.reset();
        m_ok.m_bEnabled = false;
        m_pSelection = std::make_unique<ui::CProvSelDlg>(
            *m_pChoice, m_settings, m_messages,
            ui::ProvSelControls{*m_pList, m_filter, m_strict, m_ok, m_timer}, m_ending);
        ui::CProvSelDlg& dialog = *m_pSelection;
        m_pList->m_onItemChanged = [&dialog](int row) { dialog.OnItemChanged(row); };
        m_filter.m_onChange = [&dialog] { dialog.OnFilterChanged(); };
        m_timer.m_onFire = [&dialog] { dialog.OnTimer(); };
        m_filter.m_text.clear();
        dialog.OnInitDialog();
    }
    std::vector<std::int32_t> Listed() const {
        std::vector<std::int32_t> ids;
        for (int row = 0; row < m_pList->GetItemCount(); ++row)
            ids.push_back(static_cast<std::int32_t>(m_pList->GetItemUserData(row).value_or(-1)));
        return ids;
    }
    std::set<std::int32_t> Ticked() const {
        std::set<std::int32_t> ids;
        for (int row = 0; row < m_pList->GetItemCount(); ++row)
            if (m_pList->GetCheck(row))
                ids.insert(static_cast<std::int32_t>(*m_pList->GetItemUserData(row)));
        return ids;
    }
    int RowOf(std::int32_t supplierId) const {
        for (int row = 0; row < m_pList->GetItemCount(); ++row)
            if (m_pList->GetItemUserData(row) == supplierId)
                return row;
        return -1;
    }
    void Tick(std::int32_t supplierId, bool ticked) {
        const int row = RowOf(supplierId);
        ASSERT_GE(row, 0) << "supplier " << supplierId << " is not listed";
        m_pList->OnCheckToggled(row, ticked);
    }
    void TypeFilter(const std::string& text) {
        m_filter.SetText(text);
        m_timer.Advance(ui::CProvSelDlg::kFilterDelayMs);
    }

    std::unique_ptr<SupplierChoice> m_pChoice;
    std::unique_ptr<ui::CListCtrlEx> m_pList;
    MemoryListCtrlExView m_view;
    test::MemoryTextField m_filter;
    test::MemoryCheckBox m_strict;
    test::MemoryButton m_ok;
    test::FakeTimer m_timer;
    test::RecordingEnding m_ending;
    std::unique_ptr<ui::CProvSelDlg> m_pSelection;
};

TEST_P(SupplierSelectionTest, OpensOnTheEnabledSuppliersTickedAsStored) {
    OpenWindow();
    OpenSelection();
    ASSERT_EQ(m_view.m_columns.size(), 3u);
    EXPECT_EQ(m_view.m_columns[0].heading, "");
    EXPECT_EQ(m_view.m_columns[1].heading, "Nom");
    EXPECT_EQ(m_view.m_columns[2].heading, "Mise \xE0 jour");
    EXPECT_EQ(m_view.m_columns[2].alignment, ui::ColumnAlignment::Centre);
    EXPECT_TRUE(m_view.m_bCheckBoxes);
    EXPECT_EQ(m_pList->FindColumnInfo(1)->sortType, ui::SortTextNoCase);
    EXPECT_EQ(m_pList->FindColumnInfo(2)->sortType, ui::SortDateTime);
    EXPECT_EQ(m_pList->FindColumnInfo(0), nullptr);

    EXPECT_EQ(Listed(), kEnabled);
    EXPECT_EQ(Ticked(), (std::set<std::int32_t>{1, 2, 3, 4, 5, 8, 9}));
    EXPECT_EQ(m_pList->GetItemText(RowOf(3), 1), "Fromagerie B\xE9rard");
    EXPECT_EQ(m_pList->GetItemText(RowOf(3), 2), "05/11/2024");
    // A supplier without an update date stands at the default day.
    EXPECT_EQ(m_pList->GetItemText(RowOf(5), 2), "31/12/2019");
    EXPECT_TRUE(m_strict.IsChecked());
    EXPECT_FALSE(m_ok.IsEnabled()) << "filling the list is no change of the user's";
}

TEST_P(SupplierSelectionTest, StoredColumnWidthsAreKeptAndRaisedToTen) {
    m_settings.WriteInt("Providers list\\Tab cols", "Width 0", 5);
    m_settings.WriteInt("Providers list\\Tab cols", "Width 2", 9);
    OpenWindow();
    OpenSelection();
    EXPECT_EQ(m_view.m_columns[0].width, 10);
    EXPECT_EQ(m_view.m_columns[1].width, 230);
    EXPECT_EQ(m_view.m_columns[2].width, 10);

    m_view.m_columns[1].width = 321;
    m_pSelection->OnDestroy();
    EXPECT_EQ(m_settings.GetInt("Providers list\\Tab cols", "Width 1", 0), 321);
    EXPECT_EQ(m_settings.GetInt("Providers list\\Tab cols", "Width 0", 0), 10);
}

TEST_P(SupplierSelectionTest, TheFilterRebuildsTheListOnce800msAfterTheLastKey) {
    OpenWindow();
    OpenSelection();
    const int refillsAtStart = m_view.m_nRefills;
    for (const char* typed : {"f", "fr", "fro", "from"}) {
        m_filter.SetText(typed);
        m_timer.Advance(300);
    }
    EXPECT_EQ(m_view.m_nRefills, refillsAtStart) << "rebuilt while typing";
    EXPECT_EQ(Listed().size(), kEnabled.size());
    m_timer.Advance(499);
    EXPECT_EQ(m_view.m_nRefills, refillsAtStart);
    m_timer.Advance(1);
    EXPECT_EQ(m_view.m_nRefills, refillsAtStart + 1);
    EXPECT_FALSE(m_timer.IsRunning());
    EXPECT_EQ(Listed(), (std::vector<std::int32_t>{3})); // folded: "Fromagerie Bérard"

    // Folding works both ways: accents and case in the filter, a withdrawn supplier never.
    TypeFilter("\xC9PICERIE");
    EXPECT_EQ(Listed(), (std::vector<std::int32_t>{9}));
    TypeFilter("boulangerie");
    EXPECT_TRUE(Listed().empty());
    EXPECT_FALSE(m_ok.IsEnabled());
}

TEST_P(SupplierSelectionTest, AnyRowChangeOrTheStrictBoxEnablesOk) {
    OpenWindow();
    struct Case {
        const char* what;
        std::function<void(SupplierSelectionTest&)> change;
    };
    const Case cases[] = {
        {"a tick", [](SupplierSelectionTest& t) { t.Tick(kNotSelected, true); }},
        {"a row selected without its box",
         [](SupplierSelectionTest& t) { t.m_pList->OnRowSelected(0); }},
        {"the strict box", [](SupplierSelectionTest& t) { t.m_pSelection->OnStrictClicked(); }},
    };
    for (const Case& c : cases) {
        OpenSelection();
        ASSERT_FALSE(m_ok.IsEnabled()) << c.what;
        c.change(*this);
        EXPECT_TRUE(m_ok.IsEnabled()) << c.what;
        EXPECT_TRUE(m_pSelection->m_bChanged) << c.what;
    }
}

TEST_P(SupplierSelectionTest, CancelWritesNothingAndTheNextOpeningStartsFromTheStore) {
    OpenWindow();
    OpenSelection();
    const auto stored = StoredSelection(m_pApp->CentralDb(), 1);
    Tick(kNotSelected, true);
    Tick(1, false);
    m_strict.SetChecked(false);
    m_pSelection->OnDestroy(); // Cancel: the dialog ends without OK
    EXPECT_EQ(StoredSelection(m_pApp->CentralDb(), 1), stored);
    EXPECT_EQ(m_settings.GetInt("Config", "Strict Prov. Filter", -1), -1);
    EXPECT_FALSE(m_pApp->ProvCache().FindRecord(kNotSelected)->m_bSelected);

    OpenSelection();
    EXPECT_EQ(Ticked(), (std::set<std::int32_t>{1, 2, 3, 4, 5, 8, 9}));
}

TEST_P(SupplierSelectionTest, OkStoresTheTicksOfSuppliersHiddenByTheFilter) {
    OpenWindow();
    OpenSelection();
    Tick(kNotSelected, true);
    Tick(2, false);
    TypeFilter("no supplier is called this");
    ASSERT_TRUE(Listed().empty());
    m_strict.SetChecked(false);
    m_pSelection->OnStrictClicked();
    m_pSelection->OnOK();
    EXPECT_EQ(m_ending.m_result, true);
    // Withdrawn suppliers were never ticked: the store holds enabled suppliers only.
    EXPECT_EQ(StoredSelection(m_pApp->CentralDb(), 1),
              (std::set<std::int32_t>{1, 3, 4, 5, 7, 8, 9}));
    EXPECT_EQ(StoredSelection(m_pApp->CentralDb(), 2), (std::set<std::int32_t>{2, 3, 7}));
    EXPECT_TRUE(m_pApp->ProvCache().FindRecord(kNotSelected)->m_bSelected);
    EXPECT_FALSE(m_pApp->ProvCache().FindRecord(2)->m_bSelected);
    EXPECT_EQ(m_settings.GetInt("Config", "Strict Prov. Filter", -1), 0);
    EXPECT_FALSE(m_pSelection->m_bStrictFilter);
    EXPECT_TRUE(m_messages.m_messages.empty());
}

TEST_P(SupplierSelectionTest, AFailedDeletionKeepsTheDialogOpenWithTheNewRowsAppended) {
    m_settings.WriteInt("Config", "Account Id", 2);
    OpenWindow();
    OpenSelection();
    for (std::int32_t id : {2, 3, 7})
        Tick(id, false);
    Tick(1, true);
    db::FailureHook::FailAtStatement(1);
    m_pSelection->OnOK();
    db::FailureHook::Disarm();
    EXPECT_FALSE(m_ending.m_result.has_value()) << "the dialog closed";
    ASSERT_EQ(m_messages.m_messages.size(), 1u);
    EXPECT_EQ(m_messages.m_messages[0].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(m_messages.m_messages[0].text.empty());
    EXPECT_EQ(StoredSelection(m_pApp->CentralDb(), 2), (std::set<std::int32_t>{1, 2, 3, 7}));

    // OK again deletes the rows and writes them anew.
    m_pSelection->OnOK();
    EXPECT_EQ(m_ending.m_result, true);
    EXPECT_EQ(StoredSelection(m_pApp->CentralDb(), 2), (std::set<std::int32_t>{1}));
}

// ---- The main window's use of the selection ----------------------------------------------

TEST_P(SupplierSelectionTest, TheMainWindowFollowsAConfirmedSelection) {
    m_settings.WriteInt("Config", "Prov. Selection Done", 0);
    m_host.m_bSupplierOk = true;
    m_host.m_bStrictChoice = false;
    OpenWindow();
    EXPECT_EQ(m_host.m_nSupplierSelections, 1) << "the first start opens the selection";
    EXPECT_EQ(m_host.m_nNotices, 0);
    EXPECT_EQ(m_settings.GetInt("Config", "Prov. Selection Done", 0), 1);
    EXPECT_FALSE(m_pDialog->m_bStrictSupplierFilter);

    m_host.m_bSupplierOk = false;
    MakeDialog();
    EXPECT_EQ(m_host.m_nSupplierSelections, 1) << "the next start opens it no more";
    EXPECT_EQ(m_host.m_nNotices, 1);
    m_pDialog->OnSystemCommand(ui::kCmdSuppliers);
    m_pDialog->OnSuppliers();
    EXPECT_EQ(m_host.m_nSupplierSelections, 3);
}

TEST_P(SupplierSelectionTest, WithoutAnAccountNothingOpensAndTheSettingIsNamed) {
    m_settings.WriteString("Config", "Account Id", "");
    m_settings.WriteInt("Config", "Prov. Selection Done", 0);
    m_settings.WriteInt("Config", "Strict Prov. Filter", 0); // no selection to keep to
    OpenWindow();
    ASSERT_EQ(m_pApp->AccountId(), -1);
    EXPECT_EQ(m_host.m_nSupplierSelections, 0);
    ASSERT_FALSE(m_messages.m_messages.empty());
    EXPECT_NE(m_messages.m_messages.back().text.find("Account Id"), std::string::npos);
    EXPECT_EQ(m_settings.GetInt("Config", "Prov. Selection Done", 0), 0);

    m_messages.m_messages.clear();
    Search("chocolat");
    ASSERT_GT(m_c->refList.GetRowCount(), 0);
    ClickProduct(0);
    m_pDialog->OnReport();
    EXPECT_EQ(m_host.m_nReportedProduct, -1) << "the report opened";
    ASSERT_EQ(m_messages.m_messages.size(), 1u);
    EXPECT_NE(m_messages.m_messages[0].text.find("[Config]"), std::string::npos);

    SupplierChoice choice(m_pApp->CentralDb(), m_pApp->ProvCache(), -1);
    EXPECT_THROW(choice.Store(m_messages), std::logic_error);
    EXPECT_TRUE(StoredSelection(m_pApp->CentralDb(), -1).empty());
}

OVL_INSTANTIATE_FOR_EVERY_BACKEND(SupplierSelectionTest);

// ---- The supplier update notice ------------------------------------------------------------

class SupplierNoticeTest : public test::WindowTest {
protected:
    // Runs the start-up check; when it shows the notice, the notice is opened in memory.
    bool CheckUpdates() {
        m_suppliers.Build(m_pApp->CentralDb(), m_pApp->AccountId());
        return ui::CheckSupplierUpdates(m_suppliers, m_settings, [&](std::int64_t acknowledged) {
            m_list.Attach(m_view);
            m_pNotice = std::make_unique<ui::CProvInfDlg>(
                m_suppliers, m_settings, ui::ProvInfControls{m_list, m_heading, m_ok}, m_ending,
                acknowledged);
            m_pNotice->m_today = [] { return db::DateTime{2026, 3, 7, 9, 15, 0}; };
            m_pNotice->OnInitDialog();
        });
    }
    std::vector<std::int32_t> Listed() {
        std::vector<std::int32_t> ids;
        for (int row = 0; row < m_list.GetItemCount(); ++row)
            ids.push_back(static_cast<std::int32_t>(*m_list.GetItemUserData(row)));
        return ids;
    }
    void SetUpdateDate(std::int32_t supplierId, const char* date) {
        m_pApp->CentralDb().ExecuteDirect("UPDATE OVLNUTRIPROV SET DATEMAJ='" +
                                          std::string(date) + "' WHERE ID=" +
                                          std::to_string(supplierId));
    }

    CProvCache m_suppliers;
    ui::CListCtrlEx m_list;
    MemoryListCtrlExView m_view;
    test::MemoryLabel m_heading;
    test::MemoryButton m_ok;
    test::RecordingEnding m_ending;
    std::unique_ptr<ui::CProvInfDlg> m_pNotice;
};

TEST_P(SupplierNoticeTest, WithNoDateStoredEveryEnabledSupplierIsListed) {
    OpenWindow();
    ASSERT_TRUE(CheckUpdates());
    EXPECT_EQ(m_heading.m_text,
              "Les fournisseurs suivants ont \xE9t\xE9 mis \xE0 jour depuis le --/--/----");
    EXPECT_EQ(Listed(), kEnabled);
    EXPECT_TRUE(m_ok.IsEnabled());
    EXPECT_FALSE(m_view.m_bCheckBoxes);
    ASSERT_EQ(m_view.m_columns.size(), 2u);
    EXPECT_EQ(m_view.m_columns[0].width, 340);
    EXPECT_EQ(m_view.m_columns[1].width, 120);
    EXPECT_EQ(m_list.FindColumnInfo(0)->sortType, ui::SortTextNoCase);
    EXPECT_EQ(m_list.FindColumnInfo(1)->sortType, ui::SortDateTime);

    // The supplier the installation did not select is drawn in blue on white, in every cell.
    const ui::CellColours unselected{ui::Colour::Rgb(255, 255, 255), ui::Colour::Rgb(48, 48, 196)};
    const ui::CellColours plain{m_view.DefaultBackground(), m_view.DefaultText()};
    for (int row = 0; row < m_list.GetItemCount(); ++row)
        for (int column = 0; column < 2; ++column)
            EXPECT_EQ(m_list.GetCellColours(row, column),
                      *m_list.GetItemUserData(row) == kNotSelected ? unselected : plain)
                << "row " << row << " column " << column;
}

TEST_P(SupplierNoticeTest, StoredDatesThatAreNoDayCountAsNone) {
    OpenWindow();
    for (const char* stored : {"07/13/2025", "00/01/2025", "32/01/2025", "01/01/1969", "soon"}) {
        m_settings.WriteString("Providers list info", "Last Prov Update", stored);
        m_list.DeleteAllItems();
        ASSERT_TRUE(CheckUpdates()) << stored;
        EXPECT_NE(m_heading.m_text.find("--/--/----"), std::string::npos) << stored;
        EXPECT_EQ(Listed(), kEnabled) << stored;
    }
}

TEST_P(SupplierNoticeTest, TheTriggerLooksAtEverySupplierTheListAtEnabledOnes) {
    OpenWindow();
    // After every demo update: no notice.
    m_settings.WriteString("Providers list info", "Last Prov Update", "04/03/2025");
    EXPECT_FALSE(CheckUpdates());
    EXPECT_EQ(m_pNotice, nullptr);

    // Only a withdrawn supplier changed since: the notice opens on an empty list.
    SetUpdateDate(6, "2025-06-01 08:00:00");
    ASSERT_TRUE(CheckUpdates());
    EXPECT_EQ(m_heading.m_text,
              "Les fournisseurs suivants ont \xE9t\xE9 mis \xE0 jour depuis le 04/03/2025");
    EXPECT_TRUE(Listed().empty());

    // A supplier updated on the acknowledged day itself is later than its midnight.
    m_list.DeleteAllItems();
    SetUpdateDate(6, "2023-06-30 08:00:00");
    SetUpdateDate(9, "2025-03-04 00:00:01");
    ASSERT_TRUE(CheckUpdates());
    EXPECT_EQ(Listed(), (std::vector<std::int32_t>{9}));
}

TEST_P(SupplierNoticeTest, OkAcknowledgesTodayShowAgainStoresNothing) {
    OpenWindow();
    ASSERT_TRUE(CheckUpdates());
    m_view.m_columns[0].width = 4;
    m_pNotice->OnDestroy(); // "Montrer à nouveau"
    EXPECT_EQ(m_settings.GetString("Providers list info", "Last Prov Update", "none"), "none");
    EXPECT_EQ(m_settings.GetInt("Providers list info\\Tab cols", "Width 0", 0), 4);

    m_list.DeleteAllItems();
    ASSERT_TRUE(CheckUpdates()) << "shown again at the next start";
    EXPECT_EQ(m_view.m_columns.back().width, 120);
    m_pNotice->OnOK();
    EXPECT_EQ(m_ending.m_result, true);
    EXPECT_EQ(m_settings.GetString("Providers list info", "Last Prov Update", ""), "07/03/2026");
    EXPECT_FALSE(CheckUpdates()) << "no supplier changed since";
}

OVL_INSTANTIATE_FOR_EVERY_BACKEND(SupplierNoticeTest);

// ---- Error reports -------------------------------------------------------------------------

class ErrorReportTest : public test::WindowTest {
protected:
    static constexpr std::int32_t kReported = 3;
    static constexpr std::int32_t kFresh = 2021;

    void OpenReport(std::int32_t productId) {
        m_pReports = std::make_unique<ErrorReports>(m_pApp->CentralDb(), m_pApp->AccountId());
        m_report = test::MemoryTextArea();
        m_ok.m_bEnabled = false;
        m_ending.m_result.reset();
        m_pDialog_ = std::make_unique<ui::CSignalErrDlg>(
            *m_pReports, m_messages, ui::SignalErrControls{m_product, m_report, m_ok}, m_ending,
            ui::ReportedProduct{productId, "Produit", "Fournisseur", "R-1"});
        ui::CSignalErrDlg& dialog = *m_pDialog_;
        m_report.m_onChange = [&dialog] { dialog.OnReportChanged(); };
        dialog.m_now = [] { return db::DateTime{2026, 12, 1, 16, 5, 9}; };
        dialog.OnInitDialog();
    }
    int ReportRows(std::int32_t productId) {
        COvlNutriSigErrSet rs(&m_pApp->CentralDb());
        rs.m_strFilter = "[PRODID]=" + std::to_string(productId);
        rs.Open();
        int rows = 0;
        for (; !rs.IsEOF(); rs.MoveNext())
            ++rows;
        return rows;
    }

    std::unique_ptr<ErrorReports> m_pReports;
    test::MemoryTextField m_product;
    test::MemoryTextArea m_report;
    test::MemoryButton m_ok;
    test::RecordingEnding m_ending;
    std::unique_ptr<ui::CSignalErrDlg> m_pDialog_;
};

TEST_P(ErrorReportTest, OkNeedsMoreThanFourCharactersAndAtMost1024) {
    OpenWindow();
    OpenReport(kFresh);
    EXPECT_EQ(m_product.m_text, "Produit (Fournisseur r\xE9" "f : R-1)");
    EXPECT_FALSE(m_report.IsReadOnly());
    EXPECT_EQ(m_report.m_nMaxLength, 1024u);
    EXPECT_FALSE(m_ok.IsEnabled());
    const std::pair<std::size_t, bool> cases[] = {{4, false}, {5, true}, {1024, true},
                                                  {1025, false}, {0, false}};
    for (const auto& [length, enabled] : cases) {
        m_report.SetText(std::string(length, 'x')); // pasted at once, past the field's limit
        EXPECT_EQ(m_ok.IsEnabled(), enabled) << length << " characters";
    }
    // Typing stops at the limit.
    m_report.SetText("");
    m_report.Type(std::string(1030, 'y'));
    EXPECT_EQ(m_report.GetText().size(), 1024u);
    EXPECT_TRUE(m_ok.IsEnabled());
}

TEST_P(ErrorReportTest, AReportIsStoredAsTypedAndShownBackReadOnly) {
    OpenWindow();
    const std::string typed =
        "Sel : 12% au lieu de 1,2 %% ; l'\xE9tiquette dit \"0,5 g\"\r\nC:\\dossier\\ -- fin ';";
    OpenReport(kFresh);
    m_report.Type(typed);
    ASSERT_TRUE(m_ok.IsEnabled());
    m_pDialog_->OnOK();
    EXPECT_EQ(m_ending.m_result, true);
    EXPECT_TRUE(m_messages.m_messages.empty());
    ASSERT_EQ(ReportRows(kFresh), 1);

    OpenReport(kFresh);
    EXPECT_TRUE(m_pDialog_->HasExistingReport());
    EXPECT_TRUE(m_report.IsReadOnly());
    EXPECT_EQ(m_report.GetText(), "Erreur d\xE9j\xE0 signal\xE9" "e le 01/12/2026 :\r\n\r\n" + typed);
    EXPECT_FALSE(m_ok.IsEnabled());
    m_report.SetText(m_report.GetText() + "more"); // whatever reaches the field
    EXPECT_FALSE(m_ok.IsEnabled());
    m_pDialog_->OnOK();
    EXPECT_FALSE(m_ending.m_result.has_value());
    EXPECT_EQ(ReportRows(kFresh), 1);
}

TEST_P(ErrorReportTest, AnotherAccountCanReportAProductThisOneReported) {
    OpenWindow();
    OpenReport(kReported);
    EXPECT_TRUE(m_pDialog_->HasExistingReport());
    EXPECT_EQ(m_report.GetText().rfind("Erreur d\xE9j\xE0 signal\xE9" "e le 10/02/2025 :\r\n\r\nLe sel", 0),
              0u)
        << m_report.GetText();

    m_pDialog.reset();
    m_pActions.reset();
    m_pApp->ShutDown();
    m_pApp.reset();
    m_settings.WriteInt("Config", "Account Id", 2);
    OpenWindow();
    OpenReport(kReported);
    EXPECT_FALSE(m_pDialog_->HasExistingReport());
    m_report.Type("Allergènes manquants");
    m_pDialog_->OnOK();
    EXPECT_EQ(ReportRows(kReported), 2);
}

TEST_P(ErrorReportTest, AFailedSendingIsShownAndTheDialogStillCloses) {
    OpenWindow();
    OpenReport(kFresh);
    m_report.Type("Valeur fausse");
    db::FailureHook::FailAtStatement(1);
    m_pDialog_->OnOK();
    db::FailureHook::Disarm();
    EXPECT_EQ(m_ending.m_result, true);
    ASSERT_EQ(m_messages.m_messages.size(), 1u);
    EXPECT_EQ(m_messages.m_messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(ReportRows(kFresh), 0);
}

OVL_INSTANTIATE_FOR_EVERY_BACKEND(ErrorReportTest);

} // namespace
} // namespace ovl
