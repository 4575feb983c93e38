#pragma once

#include "gui/DialogBuilder.h"
#include "ui/ConditionsDlg.h"

#include <wx/dialog.h>

namespace ovl::gui {

// The terms of use: first use (both boxes to check) or review (checked, Accept enabled).
// Accept ends with wxID_OK; Refuse, Escape, Enter and the close box with wxID_CANCEL.
class TermsDialog : public wxDialog {
public:
    TermsDialog(wxWindow* parent, SettingsStore& settings, int languageIndex, bool review);

private:
    void OnCheck();
    void Refuse();

    DialogBuilder m_builder;
    ui::CConditionsDlg m_logic;
};

} // namespace ovl::gui
