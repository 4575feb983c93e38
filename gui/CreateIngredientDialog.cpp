#include "gui/CreateIngredientDialog.h"

#include "gui/WxText.h"
#include "platform/DbException.h"

#include <wx/button.h>
#include <wx/textctrl.h>

namespace ovl::gui {

namespace {
// The name edits by language index (FR, EN, DE, SP, IT).
constexpr int kNameIds[5] = {1056, 1057, 1059, 1058, 1060};
constexpr int kProduct = 1053, kSupplier = 1054, kReference = 1055, kCodeLabel = 1063;
} // namespace

CreateIngredientDialog::CreateIngredientDialog(wxWindow* parent, AppActions& actions,
                                               std::int32_t productId)
    : wxDialog(parent, wxID_ANY, ToWx("Cr\xE9" "er et importer un ingr\xE9" "dient"),
               wxDefaultPosition, wxDefaultSize, wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX),
      m_actions(actions), m_context(actions.MakeImportContext()),
      m_creation(m_context, productId), m_builder(this, ui::CreateIngredientTemplate()) {
    m_builder.Build([](const ui::TemplateControl& control) { return control.text; });
    m_builder.Window(kCodeLabel)->Hide();
    m_builder.Window(kReference)->Hide();

    m_creation.LoadProduct();
    m_bLoading = true;
    m_builder.Get<wxTextCtrl>(kProduct)->ChangeValue(ToWx(m_creation.GetProductName()));
    m_builder.Get<wxTextCtrl>(kSupplier)->ChangeValue(ToWx(m_creation.GetSupplierName()));
    if (m_creation.HasReference())
        m_builder.Get<wxTextCtrl>(kReference)->ChangeValue(ToWx(m_creation.GetReference()));
    for (int language = 0; language < 5; ++language) {
        auto* field = m_builder.Get<wxTextCtrl>(kNameIds[language]);
        field->SetMaxLength(CIngredientCreation::kMaxNameLength);
        field->ChangeValue(ToWx(m_creation.GetName(language)));
        field->Bind(wxEVT_TEXT, [this, language](wxCommandEvent&) {
            OnNameChanged(language, kNameIds[language]);
        });
    }
    m_bLoading = false;
    m_builder.Window(wxID_OK)->Enable(m_creation.IsOkEnabled());
    m_builder.Window(wxID_OK)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOk(); });
    m_builder.Window(wxID_CANCEL)->Bind(wxEVT_BUTTON,
                                        [this](wxCommandEvent&) { EndModal(wxID_CANCEL); });
    Centre();
}

void CreateIngredientDialog::OnNameChanged(int languageIndex, int id) {
    if (m_bLoading)
        return;
    m_creation.SetName(languageIndex, FromWx(m_builder.Get<wxTextCtrl>(id)->GetValue()));
    m_builder.Window(wxID_OK)->Enable(m_creation.IsOkEnabled());
}

void CreateIngredientDialog::OnOk() {
    if (!m_creation.IsOkEnabled())
        return;
    try {
        if (!m_actions.CreateIngredient(m_creation))
            return; // a name exists: the dialog stays open
    } catch (const db::DbException& e) {
        m_context.messages.ShowMessage(e.Message(), MessageIcon::Exclamation);
    }
    EndModal(wxID_OK);
}

} // namespace ovl::gui
