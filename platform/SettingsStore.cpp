#include "platform/SettingsStore.h"

#include "platform/TextConvert.h"

#include <charconv>

namespace ovl {

SettingsStore::~SettingsStore() = default;

std::optional<int> SettingsStore::ParseInt(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

bool SettingsStore::SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && ovl::text::UpperCp1252(a) == ovl::text::UpperCp1252(b);
}

bool SettingsStore::IsValidSection(std::string_view section) {
    return !section.empty() && section.find_first_of("\r\n") == std::string_view::npos;
}

bool SettingsStore::IsValidName(std::string_view name) {
    return IsValidSection(name) && name.find('=') == std::string_view::npos;
}

} // namespace ovl
