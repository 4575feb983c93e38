#include "central/ValueLine.h"

#include "app/Language.h"
#include "platform/DateTime.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace ovl {

namespace {

// The automation dates the platform can show: 1 January 100 to 31 December 9999.
constexpr double kFirstAutomationDate = -657434.0;
constexpr double kLastAutomationDate = 2958466.0;

const char kNotDefined[] = "(non d\xE9"
                           "fini)";
const char kTraces[] = "(traces)";

bool IsShowableDate(double value) {
    return std::isfinite(value) && value >= kFirstAutomationDate && value < kLastAutomationDate;
}

std::string FormatDate(const db::DateTime& date) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", date.day, date.month, date.year);
    return buf;
}

} // namespace

std::string FormatNumber(double value) {
    // to_chars never looks at the locale; "general" with precision 6 is "%g".
    char buf[64];
    const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 6);
    std::string text(buf, result.ptr);
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

const char* LanguageSeparator(int languageIndex) {
    return LanguageOffsetOf(languageIndex) == 0 ? " " : "";
}

std::string FormatDateLine(const std::string& label, const db::DateTime& date, int languageIndex) {
    return label + LanguageSeparator(languageIndex) + ": " + FormatDate(date);
}

std::string FormatValueLine(const std::string& label, double value, std::int32_t flags,
                            const std::string& unit, int languageIndex) {
    std::string line = label + LanguageSeparator(languageIndex) + ": ";
    if (flags & kValueIsDate) {
        // A day count no calendar can show is no date: print it as not defined rather than
        // as a made-up day.
        if (!IsShowableDate(value))
            return line + kNotDefined;
        return FormatDateLine(label, db::DateTime::FromAutomationDate(value), languageIndex);
    }
    if (flags & kValueNotDefined)
        return line + kNotDefined;
    if (flags & kValueTraces)
        return line + kTraces;
    if (flags & kValueLessThan)
        line += "< ";
    return line + FormatNumber(value) + " " + unit;
}

} // namespace ovl
