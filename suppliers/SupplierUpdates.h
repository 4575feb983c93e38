#pragma once

#include "central/ProvCache.h"
#include "platform/DateTime.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ovl {

class SettingsStore;

// Which suppliers changed since the user last acknowledged the list of updated suppliers.
// The acknowledgement is a day ("%d/%m/%Y" in the settings), read back as its midnight.
class SupplierUpdates {
public:
    static constexpr const char* kSection = "Providers list info";
    static constexpr const char* kValue = "Last Prov Update";

    // The acknowledged day's midnight as calendar time; 0 when none is stored, or the stored
    // text is not a day from 1970 on.
    static std::int64_t ReadAcknowledgedDate(const SettingsStore& settings);
    // A stored "dd/mm/yyyy" read as a day; nothing when it is not one in range.
    static std::optional<db::DateTime> ParseDay(const std::string& text);

    // Whether any supplier at all (enabled or not) was updated after the date.
    static bool HasUpdatesSince(const CProvCache& suppliers, std::int64_t acknowledged);
    // The cache rows of the enabled suppliers updated after the date (all of them for 0).
    static std::vector<int> UpdatedRows(const CProvCache& suppliers, std::int64_t acknowledged);
    // The notice's heading: the acknowledged day, or "--/--/----" for none.
    static std::string Heading(std::int64_t acknowledged);
    // Records the day as acknowledged.
    static void Acknowledge(SettingsStore& settings, const db::DateTime& today);

    // A calendar time's local day as "dd/mm/yyyy".
    static std::string FormatDay(std::int64_t calendarTime);
};

} // namespace ovl
