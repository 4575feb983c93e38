#pragma once

#include <string>
#include <string_view>

// Conversion between UTF-8 and the single-byte code page 1252 used by all text in the core.
namespace ovl {

// Converts UTF-8 to code page 1252. A character that code page 1252 cannot hold, and any
// malformed UTF-8 sequence, becomes '?'.
std::string Utf8ToCp1252(std::string_view utf8);

// Converts code page 1252 to UTF-8. Every byte has a character: the five bytes that the code
// page leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of the
// same value, as Windows maps them, so that every byte survives a round trip.
std::string Cp1252ToUtf8(std::string_view cp1252);

} // namespace ovl
