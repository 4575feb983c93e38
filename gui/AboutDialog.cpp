#include "gui/AboutDialog.h"

#include "central/StatusChecks.h"
#include "gui/AppIcon.h"
#include "gui/WxText.h"
#include "ui/ConditionsDlg.h"

#include <wx/button.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

namespace ovl::gui {

AboutDialog::AboutDialog(wxWindow* parent, const CovlnutriimportApp& app)
    : wxDialog(parent, wxID_ANY, ToWx("\xC0 propos de ovlnutriimport"), wxDefaultPosition,
               wxDefaultSize, wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX),
      m_builder(this, ui::AboutTemplate()) {
    std::string product, file;
    GetFileVersions(product, file);
    const ui::AboutLines lines = ui::MakeAboutLines(product, file, app.ServerName(),
                                                    app.RemoteDesktop(), app.DatabaseType());
    m_builder.Build(
        [&](const ui::TemplateControl& control) -> std::string {
            switch (control.id) {
            case 1020:
                return lines.productLine;
            case 1022:
                return lines.buildLine;
            case 1045:
                return lines.serverLine;
            case 1046:
                return lines.databaseLine;
            default:
                return control.text;
            }
        },
        [](wxWindow* owner, const ui::TemplateControl& control) -> wxWindow* {
            if (control.kind != ui::ControlKind::Icon)
                return nullptr;
            return new wxStaticBitmap(owner, wxID_ANY, AppIconBitmap(32));
        });
    m_builder.Window(wxID_OK)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndModal(wxID_OK); });
    SetEscapeId(wxID_OK);
    Centre();
}

} // namespace ovl::gui
