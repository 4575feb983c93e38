#include "suppliers/SignalErrDlg.h"

#include "app/CatalogueText.h"
#include "app/Language.h"
#include "app/MessageSink.h"
#include "platform/DbException.h"

#include <utility>

namespace ovl::ui {

CSignalErrDlg::CSignalErrDlg(ErrorReports& reports, MessageSink& messages,
                             SignalErrControls controls, DialogEnding& ending,
                             ReportedProduct product)
    : m_reports(reports), m_messages(messages), m_c(controls), m_ending(ending),
      m_product(std::move(product)) {}

void CSignalErrDlg::OnInitDialog() {
    m_c.product.SetText(FillCatalogueText(
        LoadLangString(2063), {m_product.name, m_product.supplier, m_product.reference}));
    if (const auto existing = m_reports.Find(m_product.id)) {
        m_strReport = existing->text;
        m_reportDate = existing->date;
        m_bExistingReport = true;
        m_c.report.SetReadOnly(true);
        m_bSettingText = true;
        m_c.report.SetText(ErrorReports::ShownText(*existing));
        m_bSettingText = false;
    }
    m_c.report.SetMaxLength(ErrorReports::kMaxLength);
}

void CSignalErrDlg::OnReportChanged() {
    if (m_bSettingText)
        return;
    // Line breaks count two characters, so a text typed up to the limit may still pass it.
    m_c.ok.Enable(!m_bExistingReport && ErrorReports::IsSendable(m_c.report.GetText()));
}

void CSignalErrDlg::OnOK() {
    if (m_bExistingReport || !ErrorReports::IsSendable(m_c.report.GetText()))
        return;
    m_strReport = m_c.report.GetText();
    try {
        m_reports.Send(m_product.id, m_strReport, m_now());
    } catch (const db::DbException& e) {
        m_messages.ShowMessage(e.Message(), MessageIcon::Exclamation);
    }
    m_ending.EndDialog(true);
}

} // namespace ovl::ui
