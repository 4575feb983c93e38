#include "gui/ErrorReportDialog.h"

#include "app/Language.h"
#include "gui/WxText.h"

#include <utility>

namespace ovl::gui {

namespace ids = ui::supplier_ids;

ErrorReportDialog::ErrorReportDialog(wxWindow* parent, ErrorReports& reports,
                                     MessageSink& messages, ui::ReportedProduct product)
    : wxDialog(parent, wxID_ANY, ToWx(LoadLangString(2061)), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX),
      m_builder(this, ui::ErrorReportTemplate()) {
    m_builder.Build([](const ui::TemplateControl& control) {
        return control.catalogueId ? LoadLangString(control.catalogueId) : control.text;
    });
    auto* product_ = m_builder.Get<wxTextCtrl>(ids::kProduct);
    auto* report = m_builder.Get<wxTextCtrl>(ids::kReport);
    m_product = std::make_unique<WxTextField>(product_);
    m_report = std::make_unique<WxTextArea>(report);
    m_ok = std::make_unique<WxButton>(m_builder.Get<wxButton>(wxID_OK));
    m_pLogic = std::make_unique<ui::CSignalErrDlg>(
        reports, messages, ui::SignalErrControls{*m_product, *m_report, *m_ok}, Ending(),
        std::move(product));
    // Bound first: the logic's own writes into the report pass through its flag.
    report->Bind(wxEVT_TEXT, [this](wxCommandEvent&) {
        if (m_report->LimitLength())
            m_pLogic->OnReportChanged();
    });
    m_pLogic->OnInitDialog();
    m_builder.Window(wxID_OK)->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { m_pLogic->OnOK(); });
    Centre();
}

} // namespace ovl::gui
