#pragma once

#include <cstdint>
#include <string>

namespace ovl {

// Value flags of OPTION_MSK, the same in the central and the local database.
constexpr std::int32_t kValueLessThan = 0x01;
constexpr std::int32_t kValueTraces = 0x02;
constexpr std::int32_t kValueIsDate = 0x08;

// A number as the C conversion "%G" prints it: at most six significant digits, no trailing
// zeros, a capital exponent when needed, and a full stop whatever the process locale.
std::string FormatNumber(double value);

// The text placed before the colon of a value line: a space in French, nothing otherwise.
const char* LanguageSeparator(int languageIndex);

// One value line without its line end, e.g. "Sucres : < 12.5 g". The flags are tested in the
// order date, not defined (sign bit), traces, less than.
std::string FormatValueLine(const std::string& label, double value, std::int32_t flags,
                            const std::string& unit, int languageIndex);

} // namespace ovl
