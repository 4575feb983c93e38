#pragma once

#include <cstdint>
#include <limits>

namespace ovl {

// Flags of a stored value (OPTION_MSK), the same in the central and the local database.
constexpr std::int32_t kValueLessThan = 0x01;
constexpr std::int32_t kValueTraces = 0x02;
constexpr std::int32_t kValueIsDate = 0x08; // the value is an automation date
// The negated weighted sum that an import stores under its own nutrient.
constexpr std::int32_t kValueComputed = 0x20000000;
// The sign bit: the value is not defined.
constexpr std::int32_t kValueNotDefined = std::numeric_limits<std::int32_t>::min();

} // namespace ovl
