#include "platform/DateTime.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace ovl::db {

namespace {

using Days = std::chrono::sys_days;

// The day zero of automation dates.
constexpr std::chrono::year_month_day kAutomationEpoch{std::chrono::year{1899},
                                                       std::chrono::month{12},
                                                       std::chrono::day{30}};

} // namespace

bool DateTime::IsValid() const {
    const std::chrono::year_month_day ymd{std::chrono::year{year},
                                          std::chrono::month{static_cast<unsigned>(month)},
                                          std::chrono::day{static_cast<unsigned>(day)}};
    return ymd.ok() && hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 &&
           second < 60;
}

std::string DateTime::ToString() const {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour,
                  minute, second);
    return buf;
}

DateTime DateTime::Now() {
    return FromCalendarTime(static_cast<std::int64_t>(std::time(nullptr)));
}

DateTime DateTime::FromCalendarTime(std::int64_t seconds) {
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm local{};
    localtime_r(&time, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::int64_t DateTime::ToCalendarTime() const {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&tm));
}

double DateTime::ToAutomationDate() const {
    const std::chrono::year_month_day ymd{std::chrono::year{year},
                                          std::chrono::month{static_cast<unsigned>(month)},
                                          std::chrono::day{static_cast<unsigned>(day)}};
    const auto days = (Days{ymd} - Days{kAutomationEpoch}).count();
    const double fraction = (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
    // Before the epoch the fraction still counts forward from midnight: -1.25 is 29 Dec 06:00.
    return days >= 0 ? static_cast<double>(days) + fraction
                     : static_cast<double>(days) - fraction;
}

DateTime DateTime::FromAutomationDate(double value) {
    double whole = std::trunc(value);
    long seconds = std::lround(std::fabs(value - whole) * 86400.0);
    if (seconds >= 86400) {
        seconds -= 86400;
        whole += value >= 0 ? 1 : -1;
    }
    const Days day = Days{kAutomationEpoch} + std::chrono::days{static_cast<long>(whole)};
    const std::chrono::year_month_day ymd{day};
    return {static_cast<int>(ymd.year()),     static_cast<int>(unsigned(ymd.month())),
            static_cast<int>(unsigned(ymd.day())), static_cast<int>(seconds / 3600),
            static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60)};
}

} // namespace ovl::db
