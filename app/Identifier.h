#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ovl {

// A whole decimal number that fits a 32-bit identifier, or nothing.
std::optional<std::int32_t> ParseId(const std::string& text);

} // namespace ovl
