#include "central/DBField.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace ovl {

namespace {

template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };

// Truncates toward zero. NaN gives 0 and out-of-range values the nearest limit, where a plain
// cast would be undefined.
template <class T> long TruncateTowardZero(T value) {
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<T>(LONG_MAX))
        return LONG_MAX;
    if (value <= static_cast<T>(LONG_MIN))
        return LONG_MIN;
    return static_cast<long>(value);
}

template <class... Args> std::string Format(const char* format, Args... args) {
    const int length = std::snprintf(nullptr, 0, format, args...);
    if (length <= 0)
        return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, args...);
    text.resize(static_cast<size_t>(length));
    return text;
}

// Day first, as the users' locale writes it.
std::string FormatDate(const db::DateTime& date) {
    if (!date.IsValid())
        return "Invalid DateTime";
    std::tm tm{};
    tm.tm_year = date.year - 1900;
    tm.tm_mon = date.month - 1;
    tm.tm_mday = date.day;
    tm.tm_hour = date.hour;
    tm.tm_min = date.minute;
    tm.tm_sec = date.second;
    char text[64];
    const size_t length = std::strftime(text, sizeof text, "%d/%m/%Y %H:%M:%S", &tm);
    return std::string(text, length);
}

} // namespace

long CDBField::AsInt() const {
    if (IsNull())
        return 0;
    return std::visit(Overloaded{
                          [](std::monostate) { return 0L; },
                          [](bool v) { return v ? 1L : 0L; },
                          [](std::uint8_t v) { return static_cast<long>(v); },
                          [](std::int16_t v) { return static_cast<long>(v); },
                          [](std::int32_t v) { return static_cast<long>(v); },
                          [](float v) { return TruncateTowardZero(v); },
                          [](double v) { return TruncateTowardZero(v); },
                          [](const db::DateTime&) { return 0L; },
                          // The leading decimal integer, as the C library reads it.
                          [](const std::string& v) { return std::strtol(v.c_str(), nullptr, 10); },
                          [](const db::Bytes&) { return 0L; },
                      },
                      m_value);
}

std::string CDBField::AsText() const {
    return std::visit(Overloaded{
                          [](std::monostate) { return std::string(); },
                          [](bool v) { return std::string(v ? "T" : "F"); },
                          // A zero byte ends a C text, so it reads as empty text.
                          [](std::uint8_t v) {
                              return v == 0 ? std::string() : std::string(1, static_cast<char>(v));
                          },
                          [](std::int16_t v) { return Format("%hd", v); },
                          [](std::int32_t v) { return Format("%ld", static_cast<long>(v)); },
                          [](float v) { return Format("%f", static_cast<double>(v)); },
                          [](double v) { return Format("%f", v); },
                          [](const db::DateTime& v) { return FormatDate(v); },
                          [](const std::string& v) { return v; },
                          [](const db::Bytes& v) { return std::string(v.begin(), v.end()); },
                      },
                      m_value);
}

void CDBField::SetKind(DBFieldKind kind) {
    switch (kind) {
    case DBFieldKind::None:
        m_value = std::monostate{};
        break;
    case DBFieldKind::Boolean:
        m_value = false;
        break;
    case DBFieldKind::Byte:
        m_value = std::uint8_t{0};
        break;
    case DBFieldKind::Short:
        m_value = std::int16_t{0};
        break;
    case DBFieldKind::Long:
        m_value = std::int32_t{0};
        break;
    case DBFieldKind::Single:
        m_value = 0.0f;
        break;
    case DBFieldKind::Double:
        m_value = 0.0;
        break;
    case DBFieldKind::Date:
        m_value = db::DateTime{};
        break;
    case DBFieldKind::Text:
        m_value = std::string();
        break;
    case DBFieldKind::ByteBlock:
        m_value = db::Bytes();
        break;
    }
}

} // namespace ovl
