#include "suppliers/ProvInfDlg.h"

#include "app/Language.h"
#include "platform/SettingsStore.h"
#include "suppliers/SupplierUpdates.h"

#include <algorithm>
#include <string>

namespace ovl::ui {

namespace {

constexpr int kDefaultWidths[CProvInfDlg::kColumns] = {340, 120};
constexpr int kMinWidth = 10;

std::string WidthName(int column) {
    return "Width " + std::to_string(column);
}

} // namespace

bool CheckSupplierUpdates(const CProvCache& suppliers, const SettingsStore& settings,
                          const std::function<void(std::int64_t acknowledged)>& show) {
    const std::int64_t acknowledged = SupplierUpdates::ReadAcknowledgedDate(settings);
    if (!SupplierUpdates::HasUpdatesSince(suppliers, acknowledged))
        return false;
    show(acknowledged);
    return true;
}

CProvInfDlg::CProvInfDlg(const CProvCache& suppliers, SettingsStore& settings,
                         ProvInfControls controls, DialogEnding& ending,
                         std::int64_t acknowledged)
    : m_tAcknowledged(acknowledged), m_suppliers(suppliers), m_settings(settings),
      m_c(controls), m_ending(ending) {}

void CProvInfDlg::OnInitDialog() {
    m_c.heading.SetText(SupplierUpdates::Heading(m_tAcknowledged));
    CListCtrlEx& list = m_c.list;
    list.InsertColumn(0, LoadLangString(2031), ColumnAlignment::Left, kDefaultWidths[0]);
    list.InsertColumn(1, LoadLangString(2032), ColumnAlignment::Centre, kDefaultWidths[1]);
    list.SetColumnSortType(0, SortTextNoCase);
    list.SetColumnSortType(1, SortDateTime);
    for (int column = 0; column < kColumns; ++column)
        list.SetColumnWidth(column, std::max(kMinWidth, m_settings.GetInt(kColsSection,
                                                                          WidthName(column),
                                                                          kDefaultWidths[column])));
    FillList();
    m_c.ok.Enable(true);
}

void CProvInfDlg::FillList() {
    CListCtrlEx& list = m_c.list;
    for (int row : SupplierUpdates::UpdatedRows(m_suppliers, m_tAcknowledged)) {
        const PROVCACHE& record = m_suppliers.GetRecord(row);
        const int item = list.InsertItem(m_suppliers.GetNameByRow(row));
        list.SetItemText(item, 1, SupplierUpdates::FormatDay(record.m_tDATEMAJ));
        list.SetItemUserData(item, record.m_nID);
        if (!record.m_bSelected) {
            ItemData* data = list.GetItemData(item);
            data->text = kUnselectedText;
            data->background = kUnselectedBackground;
            list.RedrawItem(item);
        }
    }
}

void CProvInfDlg::OnOK() {
    SupplierUpdates::Acknowledge(m_settings, m_today());
    m_ending.EndDialog(true);
}

void CProvInfDlg::OnDestroy() {
    for (int column = 0; column < kColumns; ++column)
        m_settings.WriteInt(kColsSection, WidthName(column), m_c.list.GetColumnWidth(column));
}

} // namespace ovl::ui
