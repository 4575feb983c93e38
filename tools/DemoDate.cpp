#include "tools/DemoDate.h"

namespace ovl::demo {

// Civil-calendar conversions of the proleptic Gregorian calendar (eras of 400 years).
long DemoDate::DayNumberOf(int nYear, int nMonth, int nDay) {
    const long y = nYear - (nMonth <= 2 ? 1 : 0);
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153L * (nMonth + (nMonth > 2 ? -3 : 9)) + 2) / 5 + nDay - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

DemoDate DemoDate::FromDayNumber(long nDays, int nSecondOfDay) {
    const long z = nDays + 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const long d = doy - (153 * mp + 2) / 5 + 1;
    const long m = mp < 10 ? mp + 3 : mp - 9;
    const long y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    DemoDate date;
    date.m_nYear = static_cast<int>(y);
    date.m_nMonth = static_cast<int>(m);
    date.m_nDay = static_cast<int>(d);
    date.m_nHour = nSecondOfDay / 3600;
    date.m_nMinute = nSecondOfDay / 60 % 60;
    date.m_nSecond = nSecondOfDay % 60;
    return date;
}

double DemoDate::AutomationDate() const {
    const long nDays = DayNumber() - DayNumberOf(1899, 12, 30);
    const int nSeconds = m_nHour * 3600 + m_nMinute * 60 + m_nSecond;
    return static_cast<double>(nDays) + nSeconds / 86400.0;
}

} // namespace ovl::demo
