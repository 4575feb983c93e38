#include "gui/SupplierNoticeDialog.h"

#include "app/Language.h"
#include "gui/WxListCtrlEx.h"
#include "gui/WxText.h"

namespace ovl::gui {

namespace ids = ui::supplier_ids;

namespace {

// The notice's own texts on the selection's template.
std::string NoticeText(const ui::TemplateControl& control) {
    switch (control.id) {
    case 1:
        return LoadLangString(2043);
    case 2:
        return LoadLangString(2044);
    case ids::kCaption:
        return {}; // the heading, set by the logic
    default:
        return control.catalogueId ? LoadLangString(control.catalogueId) : control.text;
    }
}

} // namespace

SupplierNoticeDialog::SupplierNoticeDialog(wxWindow* parent, const CProvCache& suppliers,
                                           SettingsStore& settings, std::int64_t acknowledged)
    : wxDialog(parent, wxID_ANY, ToWx(LoadLangString(2041)), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX),
      m_builder(this, ui::SupplierListTemplate()) {
    m_builder.Build(NoticeText, [this](wxWindow* parent_,
                                       const ui::TemplateControl& control) -> wxWindow* {
        if (control.kind != ui::ControlKind::ListView)
            return nullptr;
        return new WxListCtrlEx(parent_, control.id, m_list);
    });
    // The filter does nothing here; the heading takes its room, so that its date shows whole.
    m_builder.Window(ids::kFilter)->Hide();
    m_builder.Window(ids::kFilterCaption)->Hide();
    auto* heading = m_builder.Get<wxStaticText>(ids::kCaption);
    const wxRect list = m_builder.Window(ids::kList)->GetRect();
    heading->SetSize(list.x, heading->GetPosition().y, list.width, heading->GetSize().y);
    m_heading = std::make_unique<WxLabel>(heading);
    m_ok = std::make_unique<WxButton>(m_builder.Get<wxButton>(wxID_OK));
    m_pLogic = std::make_unique<ui::CProvInfDlg>(
        suppliers, settings, ui::ProvInfControls{m_list, *m_heading, *m_ok}, Ending(),
        acknowledged);
    m_pLogic->OnInitDialog();
    m_builder.Window(wxID_OK)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { m_pLogic->OnOK(); });
    Centre();
}

SupplierNoticeDialog::~SupplierNoticeDialog() {
    m_pLogic->OnDestroy();
}

} // namespace ovl::gui
