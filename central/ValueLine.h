#pragma once

#include "local/ValueFlags.h"
#include "platform/DateTime.h"

#include <cstdint>
#include <string>

namespace ovl {

// A number as the C conversion "%G" prints it: at most six significant digits, no trailing
// zeros, a capital exponent when needed, and a full stop whatever the process locale.
std::string FormatNumber(double value);

// The text placed before the colon of a value line: a space in French, nothing otherwise.
const char* LanguageSeparator(int languageIndex);

// A date line without its line end, e.g. "Date : 01/01/2025".
std::string FormatDateLine(const std::string& label, const db::DateTime& date, int languageIndex);

// One value line without its line end, e.g. "Sucres : < 12.5 g". The flags are tested in the
// order date, not defined (sign bit), traces, less than.
std::string FormatValueLine(const std::string& label, double value, std::int32_t flags,
                            const std::string& unit, int languageIndex);

} // namespace ovl
