#pragma once

#include "platform/Connection.h"
#include "platform/DateTime.h"

#include <cstdint>
#include <optional>
#include <string>

namespace ovl {

// A report an installation sent on a product.
struct ErrorReport {
    std::string text; // as typed, stored without the stored-text encoding
    db::DateTime date;
};

// The installation's error reports on reference products (OVLNUTRISIGERR): one per product
// and installation account.
class ErrorReports {
public:
    // A report holds more than kMinExclusive and at most kMaxLength characters.
    static constexpr std::size_t kMinExclusive = 4;
    static constexpr std::size_t kMaxLength = 1024;

    ErrorReports(db::Connection& central, int accountId);

    bool HasAccount() const { return m_nAccountId != -1; }
    static bool IsSendable(const std::string& text) {
        return text.size() > kMinExclusive && text.size() <= kMaxLength;
    }

    // This installation's report on the product, if it sent one.
    std::optional<ErrorReport> Find(std::int32_t productId) const;
    // Appends the report; refuses a text out of the limits and an installation without account.
    void Send(std::int32_t productId, const std::string& text, const db::DateTime& when);

    // What the report field shows of an existing report: its date heading, then the text.
    static std::string ShownText(const ErrorReport& report);

private:
    db::Connection& m_central;
    int m_nAccountId;
};

} // namespace ovl
