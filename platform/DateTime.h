#pragma once

#include <compare>
#include <cstdint>
#include <string>

namespace ovl::db {

// A date and time of day to the second, as local calendar time. The databases store it
// without a time zone, so it round-trips unchanged.
struct DateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;

    auto operator<=>(const DateTime&) const = default;

    bool IsValid() const;
    // "YYYY-MM-DD HH:MM:SS"
    std::string ToString() const;
    // The current local time.
    static DateTime Now();
    // Seconds since 1970 as local calendar time, and back; mktime resolves summer time.
    static DateTime FromCalendarTime(std::int64_t seconds);
    std::int64_t ToCalendarTime() const;
    // Days since 30 December 1899, the fraction being the time of day (automation date).
    double ToAutomationDate() const;
    static DateTime FromAutomationDate(double days);
};

} // namespace ovl::db
