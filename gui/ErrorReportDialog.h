#pragma once

#include "gui/DialogBuilder.h"
#include "gui/WxControls.h"
#include "suppliers/SignalErrDlg.h"

#include <wx/dialog.h>

#include <memory>

namespace ovl {

class MessageSink;

namespace gui {

// The error report on a product: a new report, or the one this installation sent, read-only.
class ErrorReportDialog : public wxDialog, private ui::DialogEnding {
public:
    ErrorReportDialog(wxWindow* parent, ErrorReports& reports, MessageSink& messages,
                      ui::ReportedProduct product);

    bool HasExistingReport() const { return m_pLogic->HasExistingReport(); }

private:
    void EndDialog(bool ok) override { EndModal(ok ? wxID_OK : wxID_CANCEL); }
    ui::DialogEnding& Ending() { return *this; }

    DialogBuilder m_builder;
    std::unique_ptr<WxTextField> m_product;
    std::unique_ptr<WxTextArea> m_report;
    std::unique_ptr<WxButton> m_ok;
    std::unique_ptr<ui::CSignalErrDlg> m_pLogic;
};

} // namespace gui
} // namespace ovl
