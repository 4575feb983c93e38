#include "ui/MainDialog.h"

#include "app/CatalogueText.h"
#include "app/Language.h"
#include "app/TextCodec.h"
#include "central/OvlNutriGrpSet.h"
#include "central/OvlStatusSet.h"
#include "central/ProdCache.h"
#include "central/SrcCache.h"
#include "import/IngredientValues.h"
#include "platform/DbException.h"
#include "platform/SettingsStore.h"
#include "suppliers/SupplierChoice.h"
#include "ui/ListSorting.h"
#include "ui/MainDialogLayout.h"
#include "ui/PaneText.h"
#include "ui/ReferenceSearch.h"
#include "ui/ReferenceSortKeys.h"

#include <algorithm>

namespace ovl::ui {

namespace {

constexpr const char* kColsSection = "Mainframe\\Tab cols";
constexpr const char* kConfigSection = "Config";
constexpr int kRefColumnWidths[CovlnutriimportDlg::kRefColumns] = {75, 235, 90, 85, 90, 75};
constexpr int kLocalColumnWidths[CovlnutriimportDlg::kLocalColumns] = {275, 100};
constexpr int kRefHeadings[CovlnutriimportDlg::kRefColumns] = {2003, 2011, 2012,
                                                               2018, 2045, 2010};
constexpr int kLocalHeadings[CovlnutriimportDlg::kLocalColumns] = {2013, 2014};
// Light blue (122, 186, 242) as 0x00BBGGRR.
constexpr int kDefaultSelectedBk = 15907450;

const Colour kGreen = Colour::Rgb(0, 192, 0);
const Colour kOrange = Colour::Rgb(255, 128, 0);
const Colour kRed = Colour::Rgb(255, 0, 0);
const Colour kDarkRed = Colour::Rgb(192, 0, 0);

std::vector<std::string> Headings(const int* ids, int count) {
    std::vector<std::string> headings;
    for (int i = 0; i < count; ++i)
        headings.push_back(LoadLangString(ids[i]));
    return headings;
}

// Combo box items in the alphabetical order of a sorted box: letter case ignored first.
struct ComboItem {
    std::string text;
    std::int32_t data;
};
void FillSorted(ComboBox& box, std::vector<ComboItem> items) {
    std::stable_sort(items.begin(), items.end(), [](const ComboItem& a, const ComboItem& b) {
        const int c = CompareBytes(SearchKey(a.text), SearchKey(b.text));
        return c != 0 ? c < 0 : CompareBytes(a.text, b.text) < 0;
    });
    for (const ComboItem& item : items)
        box.Append(item.text, item.data);
}

// The wait cursor for the length of a scope.
class BusyScope {
public:
    explicit BusyScope(MainDialogHost& host) : m_host(host) { m_host.SetBusy(true); }
    ~BusyScope() { m_host.SetBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    MainDialogHost& m_host;
};

} // namespace

CovlnutriimportDlg::CovlnutriimportDlg(AppActions& actions, MainDialogControls controls,
                                       MainDialogHost& host)
    : m_actions(actions), m_c(controls), m_host(host) {
    m_strReportTip = LoadLangString(2060);
}

void CovlnutriimportDlg::Guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const db::DbException& e) {
        // As a handler's unhandled error: its text in a box, the window stays open. The wait
        // cursor has ended with the scopes that showed it.
        App().Messages().ShowMessage(e.Message(), MessageIcon::Error);
    }
}

// ---- Start and end -----------------------------------------------------------------------

void CovlnutriimportDlg::OnInitDialog() {
    Guarded([&] {
        m_host.SetTitle(TitleText());
        ShowStatus();
        m_c.refCount.SetText(ReferenceCountText(0));
        m_c.localCount.SetText(ReferenceCountText(0));
        m_c.refList.SetColumns(Headings(kRefHeadings, kRefColumns));
        m_c.localList.SetColumns(Headings(kLocalHeadings, kLocalColumns));
        RestoreListSettings();
        FillSupplierCombo(nullptr);
        FillCategoryCombo();
        RefreshReferenceList();
        RefreshLocalList();
        if (App().Settings().GetInt(kConfigSection, "Prov. Selection Done", 0) == 0)
            RunSupplierSelection();
        else
            m_host.RunSupplierNotice();
    });
}

void CovlnutriimportDlg::OnDestroy() {
    m_c.timer1.Stop();
    m_c.timer2.Stop();
    SaveListSettings();
}

std::string CovlnutriimportDlg::TitleText() const {
    std::string title = LoadLangString(App().LocalDsn() == "OVLLAN" ? 2019 : 2000);
    title += " : " + App().ServerName();
    if (App().SrvDsn() != "OVLSRV")
        title += " (" + App().SrvDsn() + ")";
    return title;
}

void CovlnutriimportDlg::ShowStatus() {
    if (!App().HasCentralDb()) {
        m_clrStatus = kRed;
        m_c.status.SetText(LoadLangString(2047));
    } else {
        const int endpoint = App().TestDatabase();
        m_clrStatus = endpoint == 0 || endpoint == 2 ? kGreen
                      : endpoint == 1                ? kOrange
                                                     : Colour::Rgb(0, 0, 0);
        m_c.status.SetText(LoadLangString(2040) + " : " + App().ServerName());
    }
    m_c.status.SetColour(m_clrStatus);
}

void CovlnutriimportDlg::RestoreListSettings() {
    SettingsStore& settings = App().Settings();
    for (int i = 0; i < kRefColumns; ++i)
        m_c.refList.SetColumnSize(i, settings.GetInt(kColsSection, "Ref Col Size " +
                                                      std::to_string(i), kRefColumnWidths[i]));
    m_nRefSortKey = settings.GetInt(kColsSection, "Ref Tab Sort", kDefaultRefSortKey);
    for (int i = 0; i < kLocalColumns; ++i)
        m_c.localList.SetColumnSize(
            i, settings.GetInt(kColsSection, "Ovl Col Size " + std::to_string(i),
                               kLocalColumnWidths[i]));
    m_nLocalSortKey = settings.GetInt(kColsSection, "Ovl Tab Sort", kDefaultLocalSortKey);
    m_bStrictSupplierFilter = settings.GetInt(kConfigSection, "Strict Prov. Filter", 1) != 0;
    m_clrSelectedBk = Colour::FromColorRef(
        settings.GetInt(kConfigSection, "Selected Item BKColor", kDefaultSelectedBk));
    m_c.refList.SetSelectedBackground(m_clrSelectedBk);
    m_c.localList.SetSelectedBackground(m_clrSelectedBk);
}

void CovlnutriimportDlg::SaveListSettings() {
    SettingsStore& settings = App().Settings();
    for (int i = 0; i < kRefColumns; ++i)
        settings.WriteInt(kColsSection, "Ref Col Size " + std::to_string(i),
                          m_c.refList.GetColumnSize(i));
    settings.WriteInt(kColsSection, "Ref Tab Sort", m_nRefSortKey);
    for (int i = 0; i < kLocalColumns; ++i)
        settings.WriteInt(kColsSection, "Ovl Col Size " + std::to_string(i),
                          m_c.localList.GetColumnSize(i));
    settings.WriteInt(kColsSection, "Ovl Tab Sort", m_nLocalSortKey);
}

// ---- System menu and quitting ------------------------------------------------------------

std::vector<SystemMenuEntry> CovlnutriimportDlg::SystemMenuEntries() const {
    std::vector<SystemMenuEntry> entries;
    const auto add = [&](int command, int textId, bool separator) {
        std::string text = LoadLangString(textId);
        if (!text.empty())
            entries.push_back({command, std::move(text), separator});
    };
    add(kCmdSuppliers, 2025, true);
    add(kCmdLegalNames, 2066, false);
    add(kCmdTerms, 2039, true);
    add(kCmdAbout, 2026, false);
    return entries;
}

void CovlnutriimportDlg::OnSystemCommand(int command) {
    Guarded([&] {
        switch (command & ~0xF) {
        case kCmdAbout:
            m_host.RunAbout();
            break;
        case kCmdSuppliers:
            RunSupplierSelection();
            break;
        case kCmdTerms:
            if (!m_host.RunTermsReview())
                OnCloseRequest();
            break;
        case kCmdLegalNames: {
            BusyScope busy(m_host);
            m_actions.UpdateLegalNames();
            break;
        }
        default:
            break;
        }
    });
}

void CovlnutriimportDlg::OnCloseRequest() {
    if (App().Messages().AskYesNo(LoadLangString(2049)))
        m_host.EndDialog();
}

bool CovlnutriimportDlg::HasAccount() {
    if (App().AccountId() != -1)
        return true;
    // Nothing the dialog would store could be kept: say which setting is missing.
    App().Messages().ShowMessage(SupplierChoice::NoAccountMessage(), MessageIcon::Exclamation);
    return false;
}

void CovlnutriimportDlg::RunSupplierSelection() {
    if (!HasAccount())
        return;
    bool strict = m_bStrictSupplierFilter;
    if (!m_host.RunSupplierSelection(strict))
        return;
    App().Settings().WriteInt(kConfigSection, "Prov. Selection Done", 1);
    FillSupplierCombo(nullptr);
    m_bStrictSupplierFilter = strict;
}

void CovlnutriimportDlg::OnSuppliers() {
    Guarded([&] { RunSupplierSelection(); });
}

// ---- Reference search --------------------------------------------------------------------

void CovlnutriimportDlg::OnSearchInputChanged() {
    ScheduleReferenceSearch();
}

void CovlnutriimportDlg::ScheduleReferenceSearch() {
    m_c.timer1.Stop();
    m_c.timer1.Start(kSearchDelayMs);
}

void CovlnutriimportDlg::OnTimer1() {
    m_c.timer1.Stop();
    Guarded([&] { RefreshReferenceList(); });
}

void CovlnutriimportDlg::OnSupplierTextEdited() {
    Guarded([&] {
        const std::string text = m_c.supplier.GetEditText();
        FillSupplierCombo(&text);
    });
}

void CovlnutriimportDlg::FillSupplierCombo(const std::string* filter) {
    m_c.supplier.Clear();
    std::string key;
    if (filter) {
        m_c.supplier.SetEditText(*filter);
        key = SearchKey(*filter);
    }
    const CProvCache& suppliers = App().ProvCache();
    std::vector<ComboItem> items;
    for (int row = 0; row < suppliers.GetCount(); ++row) {
        const PROVCACHE& supplier = suppliers.GetRecord(row);
        if (!supplier.m_bSelected)
            continue;
        if (!key.empty() && suppliers.GetSearchKeyByRow(row).find(key) == std::string::npos)
            continue;
        items.push_back({suppliers.GetNameByRow(row), supplier.m_nID});
    }
    FillSorted(m_c.supplier, std::move(items));
}

void CovlnutriimportDlg::FillCategoryCombo() {
    m_c.category.Clear();
    COvlNutriGrpSet groups(&App().CentralDb(), App().Language());
    groups.m_strSort = groups.NameColumn();
    groups.Open();
    std::vector<ComboItem> items;
    for (; !groups.IsEOF(); groups.MoveNext())
        items.push_back({DecodedDbText(groups.m_NAME.Value()), groups.m_ID});
    FillSorted(m_c.category, std::move(items));
}

void CovlnutriimportDlg::RefreshReferenceList() {
    BusyScope busy(m_host);
    // The first search of the run builds the product cache, showing how far it has come.
    App().SetProgressObserver(m_host.CacheBuildProgress());
    App().ProdCache();
    m_refRows.clear();
    m_c.refList.SetRowCount(0);
    UpdateReferenceCount();

    ReferenceSearchInputs inputs;
    inputs.name = m_c.name.GetText();
    inputs.code = m_c.code.GetText();
    inputs.source = m_c.source.GetText();
    inputs.supplierId = m_c.supplier.GetSelectedData();
    inputs.groupId = m_c.category.GetSelectedData();
    if (!ReferenceSearch::HasCriteria(inputs))
        return;

    auto suppliers = std::make_unique<CProvCache>();
    suppliers->Build(App().CentralDb(), App().AccountId());
    auto groups = std::make_unique<CGrpIndex>();
    groups->Build(App().CentralDb(), App().Language());
    ReferenceSearch search(App().CentralDb(), App(), App().Language(), App().AccountId());
    m_refRows = search.FindRows(inputs, m_bStrictSupplierFilter, m_nRefSortKey, *suppliers,
                                *groups);
    m_pSearchSuppliers = std::move(suppliers);
    m_pSearchGroups = std::move(groups);
    m_c.refList.SetRowCount(static_cast<int>(m_refRows.size()));
    UpdateReferenceCount();
}

void CovlnutriimportDlg::UpdateReferenceCount() {
    m_nRefCount = m_c.refList.GetRowCount();
    m_c.refCount.SetText(ReferenceCountText(m_nRefCount));
}

void CovlnutriimportDlg::SortReferenceRows() {
    if (!m_pSearchSuppliers || !m_pSearchGroups)
        return;
    ReferenceSortKeys keys(App().ProdCache(), *m_pSearchSuppliers, *m_pSearchGroups,
                           App().SrcCache());
    keys.Sort(m_refRows, m_nRefSortKey);
    m_c.refList.SetRowCount(static_cast<int>(m_refRows.size()));
}

void CovlnutriimportDlg::OnRefHeaderClick(int column) {
    Guarded([&] {
        m_nRefSortKey = SortKeyAfterHeaderClick(m_nRefSortKey, column, kRefColumns);
        SortReferenceRows();
    });
}

std::string CovlnutriimportDlg::RefModel::CellText(int row, int column) const {
    const auto& self = m_owner;
    if (row < 0 || row >= static_cast<int>(self.m_refRows.size()) || !self.m_pSearchSuppliers)
        return {};
    ReferenceSearch search(self.App().CentralDb(), self.App(), self.App().Language(),
                           self.App().AccountId());
    return search.MakeRow(self.m_refRows[static_cast<size_t>(row)], *self.m_pSearchSuppliers,
                          *self.m_pSearchGroups)
        .Column(column);
}

std::int32_t CovlnutriimportDlg::RefItemData(int row) const {
    if (row < 0 || row >= static_cast<int>(m_refRows.size()))
        return -1;
    return App().ProdCache().GetRecord(m_refRows[static_cast<size_t>(row)]).m_nID;
}

void CovlnutriimportDlg::OnReset() {
    Guarded([&] { ResetSearch(); });
}

bool CovlnutriimportDlg::IsCentralInMaintenance() {
    COvlStatusSet status(&App().CentralDb());
    status.m_strFilter = "([VARID]=0) OR ([VARID]=1)";
    status.Open(db::OpenType::ForwardOnly);
    for (; !status.IsEOF(); status.MoveNext())
        if (status.m_VARINTVALUE.IsNull() || status.m_VARINTVALUE != 2)
            return true;
    return false;
}

void CovlnutriimportDlg::ResetSearch() {
    if (IsCentralInMaintenance()) {
        App().Messages().ShowMessage(LoadLangString(2048), MessageIcon::Information);
        m_host.EndDialog();
        return;
    }
    m_c.supplier.Select(-1);
    m_c.source.SetText({});
    m_c.name.SetText({});
    m_c.code.SetText({});
    m_c.category.Select(-1);
    RefreshReferenceList();
    ShowReferenceDetail(-1);
}

// ---- Local list --------------------------------------------------------------------------

void CovlnutriimportDlg::OnLocalFilterChanged() {
    ScheduleLocalRefresh();
}

void CovlnutriimportDlg::ScheduleLocalRefresh() {
    if (m_bSuppressFilterChange)
        return;
    m_strLocalFilter = m_c.localFilter.GetText();
    m_c.timer2.Stop();
    m_c.timer2.Start(kSearchDelayMs);
}

void CovlnutriimportDlg::OnTimer2() {
    m_c.timer2.Stop();
    Guarded([&] { RefreshLocalList(); });
}

void CovlnutriimportDlg::RefreshLocalList() {
    if (!IsIngredientFilterUsable(m_strLocalFilter)) {
        m_c.createButton.Enable(false);
        return;
    }
    m_c.createButton.Enable(!m_c.refPane.GetText().empty());
    m_localRows.clear();
    m_c.localList.SetRowCount(0);
    auto content = FillIngredientList(App().LocalDb(), App().Language(), m_strLocalFilter,
                                      m_nLocalSortKey);
    if (content) {
        m_localRows = std::move(content->m_rows);
        m_c.localCount.SetText(content->m_strCountText);
    }
    m_c.localList.SetRowCount(static_cast<int>(m_localRows.size()));
    m_c.ingPane.SetContent({}, {});
    CompareValueTexts();
    m_c.importButton.Enable(false);
    m_c.clearButton.Enable(false);
}

void CovlnutriimportDlg::OnLocalHeaderClick(int column) {
    m_nLocalSortKey = SortKeyAfterHeaderClick(m_nLocalSortKey, column, kLocalColumns);
    SortIngredientRows(m_localRows, m_nLocalSortKey);
    m_c.localList.SetRowCount(static_cast<int>(m_localRows.size()));
}

std::string CovlnutriimportDlg::LocalModel::CellText(int row, int column) const {
    const auto& rows = m_owner.m_localRows;
    if (row < 0 || row >= static_cast<int>(rows.size()))
        return {};
    return rows[static_cast<size_t>(row)].Column(column);
}

std::int32_t CovlnutriimportDlg::LocalItemData(int row) const {
    if (row < 0 || row >= static_cast<int>(m_localRows.size()))
        return -1;
    return m_localRows[static_cast<size_t>(row)].ingredientId;
}

// ---- Panes and the comparison mark -------------------------------------------------------

void CovlnutriimportDlg::ShowReferenceDetail(std::int32_t productId) {
    if (productId != -1) {
        const auto pane = m_actions.ShowProduct(productId);
        if (pane && pane->obsolete) {
            const PaneContent content = MakeValuesPaneContent(pane->detail.m_strText);
            m_c.refPane.SetContent(content.text, content.runs);
            m_c.reportButton.Enable(false);
            CompareValueTexts();
            return;
        }
        if (pane) {
            const PaneContent content = MakeValuesPaneContent(pane->detail.m_strText);
            m_strRefAllergens = pane->detail.m_strRefAllergens;
            m_strRefTraces = pane->detail.m_strRefTraces;
            m_c.refPane.SetContent(content.text, content.runs);
            const bool shown = !content.text.empty();
            m_c.importButton.Enable(shown && m_c.localList.GetSelectionMark() >= 0);
            m_c.reportButton.Enable(shown);
            m_c.createButton.Enable(shown && !m_c.localFilter.GetText().empty());
            CompareValueTexts();
            return;
        }
    }
    m_strRefAllergens.clear();
    m_strRefTraces.clear();
    m_c.refPane.SetContent({}, {});
    m_c.importButton.Enable(false);
    m_c.createButton.Enable(false);
    m_c.reportButton.Enable(false);
    CompareValueTexts();
}

void CovlnutriimportDlg::ShowIngredientValues(std::int32_t ingredientId) {
    if (auto values = m_actions.ShowIngredient(ingredientId))
        ShowValues(*values);
}

void CovlnutriimportDlg::ShowValues(const IngredientValues& values) {
    const PaneContent content = MakeValuesPaneContent(values.m_strText);
    m_strIngAllergens = values.m_strIngAllergens;
    m_strIngTraces = values.m_strIngTraces;
    m_c.ingPane.SetContent(content.text, content.runs);
    m_c.clearButton.Enable(!content.text.empty());
    m_c.importButton.Enable(!m_c.refPane.GetText().empty());
    CompareValueTexts();
}

void CovlnutriimportDlg::CompareValueTexts() {
    const ValuePanes panes{m_c.refPane.GetText(), m_c.ingPane.GetText(), m_strRefAllergens,
                           m_strIngAllergens,     m_strRefTraces,        m_strIngTraces};
    const ComparisonMark mark = ovl::CompareValueTexts(panes);
    m_bValuesDiffer = mark.m_bValuesDiffer;
    m_c.mark.SetText(mark.m_strMark);
    m_c.mark.SetColour(m_bValuesDiffer ? kDarkRed : kDefaultColour);
}

// ---- Row clicks --------------------------------------------------------------------------

void CovlnutriimportDlg::OnProductClick(int row) {
    if (row < 0)
        return;
    Guarded([&] {
        {
            BusyScope busy(m_host);
            ShowReferenceDetail(RefItemData(row));
        }
        m_c.clipboard.SetText(m_refModel.CellText(row, 1));
    });
}

void CovlnutriimportDlg::OnIngredientClick(int row) {
    if (row < 0)
        return;
    Guarded([&] {
        BusyScope busy(m_host);
        ShowIngredientValues(LocalItemData(row));
    });
}

// ---- Buttons -----------------------------------------------------------------------------

void CovlnutriimportDlg::ImportInto(std::int32_t productId, std::int32_t ingredientId) {
    BusyScope busy(m_host);
    // A row of the lists names the product and the ingredient; either may have gone since.
    if (const auto values = m_actions.Import(productId, ingredientId))
        ShowValues(*values);
}

void CovlnutriimportDlg::OnImport() {
    const std::int32_t ingredientId = LocalItemData(m_c.localList.GetSelectionMark());
    const std::int32_t productId = RefItemData(m_c.refList.GetSelectionMark());
    if (ingredientId == -1 || productId == -1)
        return;
    Guarded([&] { ImportInto(productId, ingredientId); });
}

void CovlnutriimportDlg::OnClear() {
    const std::int32_t ingredientId = LocalItemData(m_c.localList.GetSelectionMark());
    if (ingredientId == -1)
        return;
    Guarded([&] {
        {
            BusyScope busy(m_host);
            if (const auto values = m_actions.Clear(ingredientId))
                ShowValues(*values);
        }
        m_c.clearButton.Enable(false);
    });
}

void CovlnutriimportDlg::OnCreateIngredient() {
    const int refRow = m_c.refList.GetSelectionMark();
    if (refRow < 0)
        return;
    const std::int32_t productId = RefItemData(refRow);
    Guarded([&] {
        const auto created = m_host.RunCreateIngredient(productId);
        if (!created)
            return;
        m_strLocalFilter = created->frenchName;
        m_bSuppressFilterChange = true;
        m_c.localFilter.SetText(created->frenchName);
        m_bSuppressFilterChange = false;
        RefreshLocalList();
        if (created->ingredientId == -1)
            return;
        for (int row = 0; row < static_cast<int>(m_localRows.size()); ++row)
            if (m_localRows[static_cast<size_t>(row)].ingredientId == created->ingredientId)
                m_c.localList.SelectRow(row);
        // The list shows names in the user's language while the filter is the French name,
        // so the new row may be missing: the import still goes to the new ingredient alone.
        ImportInto(productId, created->ingredientId);
    });
}

void CovlnutriimportDlg::OnReport() {
    const int row = m_c.refList.GetSelectionMark();
    if (row < 0) {
        m_host.Beep();
        return;
    }
    Guarded([&] {
        if (!HasAccount())
            return;
        if (m_host.RunErrorReport(RefItemData(row), m_refModel.CellText(row, 1),
                                  m_refModel.CellText(row, 0), m_refModel.CellText(row, 2)))
            m_c.reportButton.Enable(false);
    });
}

// ---- Tooltips ----------------------------------------------------------------------------

CovlnutriimportDlg::Tooltip CovlnutriimportDlg::TooltipFor(int controlId) const {
    const auto allergens = [&](const Pane& pane, const std::string& contains,
                               const std::string& traces) {
        Tooltip tip{LoadLangString(2086), {}};
        if (!pane.GetText().empty())
            tip.text = FillCatalogueText(LoadLangString(2085), {contains, traces});
        return tip;
    };
    switch (controlId) {
    case main_ids::kRefPane:
        return allergens(m_c.refPane, m_strRefAllergens, m_strRefTraces);
    case main_ids::kIngPane:
        return allergens(m_c.ingPane, m_strIngAllergens, m_strIngTraces);
    case main_ids::kReport:
        return {{}, m_strReportTip};
    default:
        return {};
    }
}

} // namespace ovl::ui
