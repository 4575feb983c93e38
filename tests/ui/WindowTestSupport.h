#pragma once

// In-memory controls and a started application on the demo databases, for driving the
// window logic without a window.

#include "app/AppActions.h"
#include "app/Language.h"
#include "app/OvlNutriImportApp.h"
#include "import/IngredientCreation.h"
#include "platform/MemorySettingsStore.h"
#include "platform/RegistryFile.h"
#include "tests/support/CliFixture.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/StartedApp.h"
#include "tests/support/StartupFixture.h"
#include "ui/ListCtrlEx.h"
#include "ui/MainDialog.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace ovl::test {

struct MemoryButton : ui::Button {
    void Enable(bool enabled) override { m_bEnabled = enabled; }
    bool IsEnabled() const override { return m_bEnabled; }
    bool m_bEnabled = false; // as the template leaves the action buttons
};

struct MemoryLabel : ui::Label {
    void SetText(const std::string& text) override { m_text = text; }
    std::string GetText() const override { return m_text; }
    void SetColour(const ui::Colour& colour) override { m_colour = colour; }
    std::string m_text;
    ui::Colour m_colour = ui::kDefaultColour;
};

// Setting the text raises the change notice, as typing does.
struct MemoryTextField : ui::TextField {
    void SetText(const std::string& text) override {
        m_text = text;
        if (m_onChange)
            m_onChange();
    }
    std::string GetText() const override { return m_text; }
    std::string m_text;
    std::function<void()> m_onChange;
};

struct MemoryComboBox : ui::ComboBox {
    void Clear() override { m_items.clear(), m_nSelection = -1; }
    void Append(const std::string& text, std::int32_t data) override {
        m_items.push_back({text, data});
    }
    int GetCount() const override { return static_cast<int>(m_items.size()); }
    std::string GetItemText(int index) const override {
        return m_items[static_cast<size_t>(index)].first;
    }
    std::int32_t GetSelectedData() const override {
        return m_nSelection < 0 ? -1 : m_items[static_cast<size_t>(m_nSelection)].second;
    }
    void Select(int index) override {
        m_nSelection = index;
        m_strEdit = index < 0 ? std::string() : GetItemText(index);
    }
    std::string GetEditText() const override { return m_strEdit; }
    void SetEditText(const std::string& text) override { m_strEdit = text; }
    int IndexOf(std::int32_t data) const {
        for (size_t i = 0; i < m_items.size(); ++i)
            if (m_items[i].second == data)
                return static_cast<int>(i);
        return -1;
    }
    std::vector<std::pair<std::string, std::int32_t>> m_items;
    int m_nSelection = -1;
    std::string m_strEdit;
};

struct MemoryListView : ui::ListView {
    void SetColumns(const std::vector<std::string>& headings) override {
        m_headings = headings;
        m_widths.assign(headings.size(), 0);
    }
    void SetColumnSize(int column, int width) override {
        m_widths.at(static_cast<size_t>(column)) = width;
    }
    int GetColumnSize(int column) const override {
        return m_widths.at(static_cast<size_t>(column));
    }
    void SetRowCount(int count) override { m_nRows = count, m_nMark = -1; }
    int GetRowCount() const override { return m_nRows; }
    int GetSelectionMark() const override { return m_nMark; }
    void SelectRow(int row) override { m_nMark = row; }
    void SetSelectedBackground(const ui::Colour& colour) override { m_selectedBk = colour; }
    std::vector<std::string> m_headings;
    std::vector<int> m_widths;
    int m_nRows = 0;
    int m_nMark = -1;
    ui::Colour m_selectedBk;
};

struct MemoryPane : ui::Pane {
    void SetContent(const std::string& text, const std::vector<Run>& runs) override {
        m_text = text, m_runs = runs;
    }
    std::string GetText() const override { return m_text; }
    std::string m_text;
    std::vector<Run> m_runs;
};

// A timer on a clock the test moves: Advance fires it when its time has come.
struct FakeTimer : ui::Timer {
    void Start(int milliseconds) override { m_nDueAt = m_nNow + milliseconds; }
    void Stop() override { m_nDueAt = -1; }
    bool IsRunning() const override { return m_nDueAt >= 0; }
    void Advance(int milliseconds) {
        m_nNow += milliseconds;
        if (m_nDueAt >= 0 && m_nNow >= m_nDueAt && m_onFire)
            m_onFire();
    }
    long m_nNow = 0;
    long m_nDueAt = -1;
    std::function<void()> m_onFire;
};

struct MemoryTextArea : ui::TextArea {
    void SetText(const std::string& text) override {
        m_text = text;
        if (m_onChange)
            m_onChange();
    }
    std::string GetText() const override { return m_text; }
    void SetReadOnly(bool readOnly) override { m_bReadOnly = readOnly; }
    bool IsReadOnly() const override { return m_bReadOnly; }
    void SetMaxLength(std::size_t length) override { m_nMaxLength = length; }
    // Typing as the control takes it: nothing into a read-only field, nothing past the limit.
    void Type(const std::string& text) {
        if (m_bReadOnly)
            return;
        const std::string typed = m_text + text;
        SetText(m_nMaxLength && typed.size() > m_nMaxLength ? typed.substr(0, m_nMaxLength)
                                                            : typed);
    }
    std::string m_text;
    bool m_bReadOnly = false;
    std::size_t m_nMaxLength = 0;
    std::function<void()> m_onChange;
};

struct MemoryCheckBox : ui::CheckBox {
    void SetChecked(bool checked) override { m_bChecked = checked; }
    bool IsChecked() const override { return m_bChecked; }
    bool m_bChecked = false;
};

struct RecordingEnding : ui::DialogEnding {
    void EndDialog(bool ok) override { m_result = ok; }
    std::optional<bool> m_result;
};

// The window of an extended list: what the control asked it to show.
struct MemoryListCtrlExView : ui::ListCtrlExView {
    struct Column {
        std::string heading;
        ui::ColumnAlignment alignment;
        int width;
    };
    void InsertColumn(int column, const std::string& heading, ui::ColumnAlignment alignment,
                      int width) override {
        m_columns.insert(m_columns.begin() + column, Column{heading, alignment, width});
    }
    int GetColumnCount() const override { return static_cast<int>(m_columns.size()); }
    int GetColumnWidth(int column) const override {
        return m_columns.at(static_cast<size_t>(column)).width;
    }
    void SetColumnWidth(int column, int width) override {
        m_columns.at(static_cast<size_t>(column)).width = width;
    }
    void EnableCheckBoxes(bool enable) override { m_bCheckBoxes = enable; }
    void SetRowCount(int count) override { m_nRows = count, ++m_nRowCountChanges; }
    void RedrawRow(int) override {}
    void SetRedraw(bool redraw) override { m_nRefills += redraw ? 1 : 0; }
    void ShowSortMark(int column, ui::SortMark mark) override { m_marks[column] = mark; }
    ui::Colour DefaultBackground() const override { return ui::Colour::Rgb(250, 250, 250); }
    ui::Colour DefaultText() const override { return ui::Colour::Rgb(10, 10, 10); }

    std::vector<Column> m_columns;
    bool m_bCheckBoxes = false;
    int m_nRows = 0, m_nRowCountChanges = 0, m_nRefills = 0;
    std::map<int, ui::SortMark> m_marks;
};

struct MemoryClipboard : ui::Clipboard {
    void SetText(const std::string& text) override { m_text = text, ++m_nCopies; }
    std::string m_text;
    int m_nCopies = 0;
};

// The host's dialogs answer as the test sets them.
struct RecordingProgress : ProgressObserver {
    void Update(std::size_t done, std::size_t total, const std::string&) override {
        m_updates.push_back({done, total});
    }
    std::vector<std::pair<std::size_t, std::size_t>> m_updates;
};

struct FakeHost : ui::MainDialogHost {
    ProgressObserver* CacheBuildProgress() override { return &m_progress; }
    RecordingProgress m_progress;
    void SetTitle(const std::string& title) override { m_strTitle = title; }
    void EndDialog() override { m_bEnded = true; }
    void Beep() override { ++m_nBeeps; }
    void SetBusy(bool busy) override { m_nBusyDepth += busy ? 1 : -1; }
    bool RunTermsReview() override { return m_bAcceptTerms; }
    void RunAbout() override { ++m_nAbout; }
    std::optional<ui::CreatedIngredient> RunCreateIngredient(std::int32_t productId) override {
        m_nCreateProduct = productId;
        return m_create ? m_create(productId) : std::nullopt;
    }
    bool RunSupplierSelection(bool& strict) override {
        ++m_nSupplierSelections;
        strict = m_bStrictChoice;
        return m_bSupplierOk;
    }
    void RunSupplierNotice() override { ++m_nNotices; }
    bool RunErrorReport(std::int32_t productId, const std::string& name, const std::string&,
                        const std::string&) override {
        m_nReportedProduct = productId;
        m_strReportedName = name;
        return true;
    }

    std::string m_strTitle;
    bool m_bEnded = false;
    int m_nBeeps = 0, m_nBusyDepth = 0, m_nAbout = 0, m_nNotices = 0;
    int m_nSupplierSelections = 0;
    bool m_bAcceptTerms = true, m_bSupplierOk = false, m_bStrictChoice = true;
    std::int32_t m_nCreateProduct = -1, m_nReportedProduct = -1;
    std::string m_strReportedName;
    std::function<std::optional<ui::CreatedIngredient>(std::int32_t)> m_create;
};

// Every control of the main window in memory.
struct MemoryMainControls {
    MemoryComboBox supplier, category;
    MemoryTextField source, name, code, localFilter;
    MemoryListView refList, localList;
    MemoryButton importButton, clearButton, reportButton, createButton;
    MemoryLabel status, refCount, localCount, mark;
    MemoryPane refPane, ingPane;
    FakeTimer timer1, timer2;
    MemoryClipboard clipboard;

    ui::MainDialogControls Controls() {
        return {supplier,     source,       name,         code,        category,
                refList,      localFilter,  localList,    importButton, clearButton,
                reportButton, createButton, status,       refCount,    localCount,
                mark,         refPane,      ingPane,      timer1,      timer2,
                clipboard};
    }
};

// The window logic on a started application over the demo databases of one backend, with
// the terms accepted and the demo installation's account.
class WindowTest : public testing::TestWithParam<Backend> {
protected:
    void SetUp() override {
        m_pDatabases = std::make_unique<StartupDatabases>(GetParam());
        if (!m_pDatabases->SkipReason().empty())
            GTEST_SKIP() << m_pDatabases->SkipReason();
        LoadDemoData(*m_pDatabases, GetParam());
        setenv("OVLNUTRI_CENTRAL", m_pDatabases->CentralConnect().c_str(), 1);
        m_settings.WriteInt("Config", "Conditions Accepted", 1);
        m_settings.WriteInt("Config", "Account Id", 1);
        m_settings.WriteInt("Config", "Prov. Selection Done", 1);
    }
    void TearDown() override {
        m_pDialog.reset();
        m_pActions.reset();
        if (m_pApp)
            m_pApp->ShutDown();
        unsetenv("OVLNUTRI_CENTRAL");
        SetLanguage(0);
    }

    // Starts the application and opens the window logic.
    void OpenWindow() {
        m_pRegistry = std::make_unique<RegistryFile>(m_pDatabases->RegistryPath());
        m_pApp = StartApplication(m_settings, *m_pRegistry, m_messages,
                                  m_pDatabases->Folder().Path());
        ASSERT_TRUE(m_pApp) << "the start-up did not reach the window";
        m_pActions = std::make_unique<AppActions>(*m_pApp);
        MakeDialog();
    }
    // A new window on the same application, as at the next start.
    void MakeDialog() {
        m_c = std::make_unique<MemoryMainControls>();
        m_pDialog = std::make_unique<ui::CovlnutriimportDlg>(*m_pActions, m_c->Controls(), m_host);
        ui::CovlnutriimportDlg& dialog = *m_pDialog;
        for (MemoryTextField* field : {&m_c->source, &m_c->name, &m_c->code})
            field->m_onChange = [&dialog] { dialog.OnSearchInputChanged(); };
        m_c->localFilter.m_onChange = [&dialog] { dialog.OnLocalFilterChanged(); };
        m_c->timer1.m_onFire = [&dialog] { dialog.OnTimer1(); };
        m_c->timer2.m_onFire = [&dialog] { dialog.OnTimer2(); };
        dialog.OnInitDialog();
    }

    // Types into a field and lets its timer fire.
    void Search(const std::string& name) {
        m_c->name.SetText(name);
        m_c->timer1.Advance(ui::CovlnutriimportDlg::kSearchDelayMs);
    }
    void FilterLocal(const std::string& filter) {
        m_c->localFilter.SetText(filter);
        m_c->timer2.Advance(ui::CovlnutriimportDlg::kSearchDelayMs);
    }
    std::string RefCell(int row, int column) const {
        return m_pDialog->RefListModel().CellText(row, column);
    }
    std::string LocalCell(int row, int column) const {
        return m_pDialog->LocalListModel().CellText(row, column);
    }
    int LocalRowOf(std::int32_t ingredientId) const {
        for (int row = 0; row < m_c->localList.GetRowCount(); ++row)
            if (m_pDialog->LocalItemData(row) == ingredientId)
                return row;
        return -1;
    }
    // Clicks a row with the mouse, as the list does: the selection mark moves first.
    void ClickProduct(int row) {
        m_c->refList.SelectRow(row);
        m_pDialog->OnProductClick(row);
    }
    void ClickIngredient(int row) {
        m_c->localList.SelectRow(row);
        m_pDialog->OnIngredientClick(row);
    }

    std::unique_ptr<StartupDatabases> m_pDatabases;
    MemorySettingsStore m_settings;
    RecordingMessageSink m_messages;
    std::unique_ptr<RegistryFile> m_pRegistry;
    std::unique_ptr<CovlnutriimportApp> m_pApp;
    std::unique_ptr<AppActions> m_pActions;
    FakeHost m_host;
    std::unique_ptr<MemoryMainControls> m_c;
    std::unique_ptr<ui::CovlnutriimportDlg> m_pDialog;
};

} // namespace ovl::test
