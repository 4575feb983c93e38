#include "suppliers/ErrorReports.h"

#include "app/Language.h"
#include "central/OvlNutriSigErrSet.h"

#include <ctime>
#include <stdexcept>

namespace ovl {

ErrorReports::ErrorReports(db::Connection& central, int accountId)
    : m_central(central), m_nAccountId(accountId) {}

std::optional<ErrorReport> ErrorReports::Find(std::int32_t productId) const {
    COvlNutriSigErrSet rs(&m_central);
    rs.m_strFilter = "[PRODID]=" + std::to_string(productId) +
                     " AND [USERID]=" + std::to_string(m_nAccountId);
    rs.Open();
    std::optional<ErrorReport> report;
    if (!rs.IsEOF())
        report = ErrorReport{rs.m_ERREUR.Value(), rs.m_DATESIG.Value()};
    rs.Close();
    return report;
}

void ErrorReports::Send(std::int32_t productId, const std::string& text,
                        const db::DateTime& when) {
    if (!HasAccount())
        throw std::logic_error("no installation account: the error report is not sent");
    if (!IsSendable(text))
        throw std::invalid_argument("an error report holds 5 to 1024 characters");
    COvlNutriSigErrSet rs(&m_central);
    rs.m_strFilter = "[USERID]=-1"; // opened only to append
    rs.Open(db::OpenType::Dynaset);
    rs.AddNew();
    rs.m_PRODID = productId;
    rs.m_USERID = m_nAccountId;
    rs.m_DATESIG = when;
    rs.m_ERREUR = text;
    rs.Update();
    rs.Close();
}

// The heading is a date format of its own ("... le %d/%m/%Y :"), a catalogue text, never data.
std::string ErrorReports::ShownText(const ErrorReport& report) {
    std::tm tm{};
    tm.tm_year = report.date.year - 1900;
    tm.tm_mon = report.date.month - 1;
    tm.tm_mday = report.date.day;
    char heading[512];
    const std::size_t length =
        std::strftime(heading, sizeof heading, LoadLangString(2064).c_str(), &tm);
    return std::string(heading, length) + report.text;
}

} // namespace ovl
