#pragma once

#include "app/OvlNutriImportApp.h"
#include "gui/DialogBuilder.h"

#include <wx/dialog.h>

namespace ovl::gui {

// The about box: versions, the central server and the kind of local database. Its texts are
// not translated.
class AboutDialog : public wxDialog {
public:
    AboutDialog(wxWindow* parent, const CovlnutriimportApp& app);

private:
    DialogBuilder m_builder;
};

} // namespace ovl::gui
