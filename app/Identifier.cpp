#include "app/Identifier.h"

#include <charconv>

namespace ovl {

std::optional<std::int32_t> ParseId(const std::string& text) {
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || last != end)
        return std::nullopt;
    return value;
}

} // namespace ovl
