#include "gui/TermsDialog.h"

#include "app/Language.h"
#include "gui/WxControls.h"
#include "gui/WxText.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/textctrl.h>

namespace ovl::gui {

namespace {
constexpr int kPane = 1038, kCommitment = 1040, kAcceptance = 1039;
} // namespace

TermsDialog::TermsDialog(wxWindow* parent, SettingsStore& settings, int languageIndex,
                         bool review)
    : wxDialog(parent, wxID_ANY, ToWx(LoadLangString(2035)), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX),
      m_builder(this, ui::TermsTemplate()), m_logic(settings) {
    m_builder.Build([](const ui::TemplateControl& control) {
        return control.catalogueId ? LoadLangString(control.catalogueId) : control.text;
    });
    auto* pane = m_builder.Get<wxTextCtrl>(kPane);
    pane->SetValue(ToWx(ui::CConditionsDlg::DocumentText(languageIndex)));
    pane->ShowPosition(0);
    BlockCopying(pane);

    m_logic.m_bAlreadyAccepted = review;
    m_logic.OnInitDialog();
    m_builder.Get<wxCheckBox>(kCommitment)->SetValue(m_logic.IsCommitmentChecked());
    m_builder.Get<wxCheckBox>(kAcceptance)->SetValue(m_logic.IsAcceptanceChecked());
    m_builder.Window(wxID_OK)->Enable(m_logic.IsAcceptEnabled());

    for (int id : {kCommitment, kAcceptance})
        m_builder.Window(id)->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnCheck(); });
    m_builder.Window(wxID_OK)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        m_logic.OnAccept();
        EndModal(wxID_OK);
    });
    m_builder.Window(wxID_CANCEL)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Refuse(); });
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { Refuse(); });
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        // Enter presses the default button, Refuse, as Escape does.
        const int key = event.GetKeyCode();
        if (key == WXK_ESCAPE || key == WXK_RETURN || key == WXK_NUMPAD_ENTER)
            Refuse();
        else
            event.Skip();
    });
    Centre();
}

void TermsDialog::OnCheck() {
    m_logic.OnCheckBoxClicked(m_builder.Get<wxCheckBox>(kCommitment)->GetValue(),
                              m_builder.Get<wxCheckBox>(kAcceptance)->GetValue());
    m_builder.Window(wxID_OK)->Enable(m_logic.IsAcceptEnabled());
}

void TermsDialog::Refuse() {
    m_logic.OnRefuse();
    EndModal(wxID_CANCEL);
}

} // namespace ovl::gui
