#pragma once

#include "platform/DateTime.h"
#include "suppliers/ErrorReports.h"
#include "ui/Controls.h"

#include <cstdint>
#include <functional>
#include <string>

namespace ovl {

class MessageSink;

namespace ui {

// The controls of the error report that its logic reads and writes.
struct SignalErrControls {
    TextField& product; // read-only
    TextArea& report;
    Button& ok;
};

// The product the report is about, as the reference list shows it.
struct ReportedProduct {
    std::int32_t id = -1;
    std::string name;
    std::string supplier;
    std::string reference;
};

// An error report on a reference product: a free text sent once per product and installation.
// When the installation reported the product before, the earlier report is shown read-only.
class CSignalErrDlg {
public:
    CSignalErrDlg(ErrorReports& reports, MessageSink& messages, SignalErrControls controls,
                  DialogEnding& ending, ReportedProduct product);

    void OnInitDialog();
    void OnReportChanged();
    // Sends the report; a database error is shown and the dialog still closes with OK.
    void OnOK();

    bool HasExistingReport() const { return m_bExistingReport; }

    // The time a report is sent; tests set their own.
    std::function<db::DateTime()> m_now = [] { return db::DateTime::Now(); };

private:
    ErrorReports& m_reports;
    MessageSink& m_messages;
    SignalErrControls m_c;
    DialogEnding& m_ending;
    ReportedProduct m_product;
    std::string m_strReport;
    db::DateTime m_reportDate;
    bool m_bExistingReport = false;
    bool m_bSettingText = false;
};

} // namespace ui
} // namespace ovl
