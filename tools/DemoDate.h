#pragma once

namespace ovl::demo {

// A calendar date and time of day, as written into the demo databases.
struct DemoDate {
    int m_nYear = 1970;
    int m_nMonth = 1;
    int m_nDay = 1;
    int m_nHour = 0;
    int m_nMinute = 0;
    int m_nSecond = 0;

    // Day numbers count from 1 January 1970.
    static DemoDate FromDayNumber(long nDays, int nSecondOfDay = 0);
    static long DayNumberOf(int nYear, int nMonth, int nDay);
    long DayNumber() const { return DayNumberOf(m_nYear, m_nMonth, m_nDay); }
    // Days since 30 December 1899, the fraction being the time of day.
    double AutomationDate() const;
};

} // namespace ovl::demo
