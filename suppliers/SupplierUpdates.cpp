#include "suppliers/SupplierUpdates.h"

#include "app/CatalogueText.h"
#include "app/Language.h"
#include "platform/SettingsStore.h"

#include <cstdio>

namespace ovl {

namespace {

std::string DayText(const db::DateTime& date) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", date.day, date.month, date.year);
    return text;
}

} // namespace

std::optional<db::DateTime> SupplierUpdates::ParseDay(const std::string& text) {
    int day = 0, month = 0, year = 0;
    if (std::sscanf(text.c_str(), "%02d/%02d/%04d", &day, &month, &year) != 3)
        return std::nullopt;
    // A day the calendar lacks (31/02) is left to mktime, which moves it on, as it always did.
    if (year < 1970 || month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    return db::DateTime{year, month, day, 0, 0, 0};
}

std::int64_t SupplierUpdates::ReadAcknowledgedDate(const SettingsStore& settings) {
    const std::string stored = settings.GetString(kSection, kValue, "");
    const std::optional<db::DateTime> day = stored.empty() ? std::nullopt : ParseDay(stored);
    return day ? day->ToCalendarTime() : 0;
}

bool SupplierUpdates::HasUpdatesSince(const CProvCache& suppliers, std::int64_t acknowledged) {
    for (int row = 0; row < suppliers.GetCount(); ++row)
        if (suppliers.GetRecord(row).m_tDATEMAJ > acknowledged)
            return true;
    return false;
}

std::vector<int> SupplierUpdates::UpdatedRows(const CProvCache& suppliers,
                                              std::int64_t acknowledged) {
    std::vector<int> rows;
    for (int row = 0; row < suppliers.GetCount(); ++row) {
        const PROVCACHE& record = suppliers.GetRecord(row);
        if (record.m_bEnabled && (acknowledged == 0 || record.m_tDATEMAJ > acknowledged))
            rows.push_back(row);
    }
    return rows;
}

std::string SupplierUpdates::Heading(std::int64_t acknowledged) {
    return FillCatalogueText(LoadLangString(2042),
                             {acknowledged == 0 ? std::string("--/--/----") : FormatDay(acknowledged)});
}

void SupplierUpdates::Acknowledge(SettingsStore& settings, const db::DateTime& today) {
    settings.WriteString(kSection, kValue, DayText(today));
}

std::string SupplierUpdates::FormatDay(std::int64_t calendarTime) {
    return DayText(db::DateTime::FromCalendarTime(calendarTime));
}

} // namespace ovl
