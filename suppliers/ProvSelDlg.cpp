#include "suppliers/ProvSelDlg.h"

#include "app/Language.h"
#include "platform/SettingsStore.h"
#include "suppliers/SupplierUpdates.h"

#include <algorithm>
#include <string>

namespace ovl::ui {

namespace {

constexpr const char* kConfigSection = "Config";
constexpr int kDefaultWidths[CProvSelDlg::kColumns] = {30, 230, 140};
constexpr int kMinWidth = 10;

std::string WidthName(int column) {
    return "Width " + std::to_string(column);
}

} // namespace

CProvSelDlg::CProvSelDlg(SupplierChoice& choice, SettingsStore& settings,
                         MessageSink& messages, ProvSelControls controls, DialogEnding& ending)
    : m_choice(choice), m_settings(settings), m_messages(messages), m_c(controls),
      m_ending(ending) {}

void CProvSelDlg::OnInitDialog() {
    CListCtrlEx& list = m_c.list;
    list.EnableCheckBoxes(true);
    list.InsertColumn(0, std::string(), ColumnAlignment::Left, kDefaultWidths[0]);
    list.InsertColumn(1, LoadLangString(2031), ColumnAlignment::Left, kDefaultWidths[1]);
    list.InsertColumn(2, LoadLangString(2032), ColumnAlignment::Centre, kDefaultWidths[2]);
    list.SetColumnSortType(1, SortTextNoCase);
    list.SetColumnSortType(2, SortDateTime);
    for (int column = 0; column < kColumns; ++column)
        list.SetColumnWidth(column, std::max(kMinWidth, m_settings.GetInt(kColsSection,
                                                                          WidthName(column),
                                                                          kDefaultWidths[column])));
    m_choice.ResetTicks();
    m_bStrictFilter = m_settings.GetInt(kConfigSection, "Strict Prov. Filter", 1) != 0;
    m_c.strict.SetChecked(m_bStrictFilter);
    FillSupplierList();
}

void CProvSelDlg::FillSupplierList() {
    CListCtrlEx& list = m_c.list;
    m_bFilling = true;
    list.SetRedraw(false);
    list.DeleteAllItems();
    const CProvCache& suppliers = m_choice.Suppliers();
    for (int row : m_choice.OfferedRows(m_c.filter.GetText())) {
        const PROVCACHE& record = suppliers.GetRecord(row);
        const int item = list.InsertItem(std::string());
        list.SetCheck(item, record.m_bTicked);
        list.SetItemUserData(item, record.m_nID);
        list.SetItemText(item, 1, suppliers.GetNameByRow(row));
        list.SetItemText(item, 2, SupplierUpdates::FormatDay(record.m_tDATEMAJ));
    }
    m_bFilling = false;
    list.SetRedraw(true);
}

void CProvSelDlg::OnFilterChanged() {
    m_c.filterTimer.Stop();
    m_c.filterTimer.Start(kFilterDelayMs);
}

void CProvSelDlg::OnTimer() {
    m_c.filterTimer.Stop();
    FillSupplierList();
}

void CProvSelDlg::OnStrictClicked() {
    MarkChanged();
}

void CProvSelDlg::OnItemChanged(int row) {
    if (m_bFilling || row < 0 || row >= m_c.list.GetItemCount())
        return;
    if (const auto supplierId = m_c.list.GetItemUserData(row))
        m_choice.SetTicked(static_cast<std::int32_t>(*supplierId), m_c.list.GetCheck(row));
    MarkChanged();
}

void CProvSelDlg::MarkChanged() {
    if (m_bChanged)
        return;
    m_bChanged = true;
    m_c.ok.Enable(true);
}

bool CProvSelDlg::StoreSupplierChoice() {
    const bool stored = m_choice.Store(m_messages);
    m_bStrictFilter = m_c.strict.IsChecked();
    m_settings.WriteInt(kConfigSection, "Strict Prov. Filter", m_bStrictFilter ? 1 : 0);
    return stored;
}

void CProvSelDlg::OnOK() {
    if (StoreSupplierChoice())
        m_ending.EndDialog(true);
}

void CProvSelDlg::OnDestroy() {
    m_c.filterTimer.Stop();
    for (int column = 0; column < kColumns; ++column)
        m_settings.WriteInt(kColsSection, WidthName(column), m_c.list.GetColumnWidth(column));
}

} // namespace ovl::ui
