#include "gui/SupplierSelectionDialog.h"

#include "app/Language.h"
#include "gui/WxListCtrlEx.h"
#include "gui/WxText.h"

namespace ovl::gui {

namespace ids = ui::supplier_ids;

namespace {
constexpr int kFilterTimer = 1;
} // namespace

SupplierSelectionDialog::SupplierSelectionDialog(wxWindow* parent, SupplierChoice& choice,
                                                 SettingsStore& settings,
                                                 MessageSink& messages)
    : wxDialog(parent, wxID_ANY, ToWx(LoadLangString(2029)), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX),
      m_builder(this, ui::SupplierListTemplate()), m_timer(this, kFilterTimer) {
    m_builder.Build(
        [](const ui::TemplateControl& control) {
            return control.catalogueId ? LoadLangString(control.catalogueId) : control.text;
        },
        [this](wxWindow* parent_, const ui::TemplateControl& control) -> wxWindow* {
            if (control.kind != ui::ControlKind::ListView)
                return nullptr;
            m_pListView = new WxListCtrlEx(parent_, control.id, m_list);
            return m_pListView;
        });
    m_filter = std::make_unique<WxTextField>(m_builder.Get<wxTextCtrl>(ids::kFilter));
    m_strict = std::make_unique<WxCheckBox>(m_builder.Get<wxCheckBox>(ids::kStrict));
    m_ok = std::make_unique<WxButton>(m_builder.Get<wxButton>(wxID_OK));
    m_pLogic = std::make_unique<ui::CProvSelDlg>(
        choice, settings, messages,
        ui::ProvSelControls{m_list, *m_filter, *m_strict, *m_ok, m_timer}, Ending());
    m_pLogic->OnInitDialog();
    BindEvents();
    Centre();
}

SupplierSelectionDialog::~SupplierSelectionDialog() {
    // The list still exists here: its widths are kept.
    m_pLogic->OnDestroy();
}

void SupplierSelectionDialog::BindEvents() {
    ui::CProvSelDlg& logic = *m_pLogic;
    m_list.m_onItemChanged = [&logic](int row) { logic.OnItemChanged(row); };
    m_builder.Window(ids::kFilter)->Bind(wxEVT_TEXT, [&logic](wxCommandEvent&) {
        logic.OnFilterChanged();
    });
    Bind(wxEVT_TIMER, [&logic](wxTimerEvent&) { logic.OnTimer(); }, kFilterTimer);
    m_builder.Window(ids::kStrict)->Bind(wxEVT_CHECKBOX, [&logic](wxCommandEvent&) {
        logic.OnStrictClicked();
    });
    m_builder.Window(wxID_OK)->Bind(wxEVT_BUTTON, [&logic](wxCommandEvent&) { logic.OnOK(); });
}

} // namespace ovl::gui
