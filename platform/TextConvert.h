#pragma once

#include <string>
#include <string_view>

// Conversions at the platform's edges: files and the terminal hold UTF-8, the program holds
// single-byte code page 1252. A namespace of their own keeps them apart from the application
// layer's converter of the same names.
namespace ovl::text {

// Code page 1252 to UTF-8. The five bytes that code page 1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become the control characters of the same number, so every byte survives
// a round trip.
std::string Cp1252ToUtf8(std::string_view text);

// UTF-8 to code page 1252. A character that code page 1252 cannot hold, and every byte of a
// malformed sequence, becomes '?'.
std::string Utf8ToCp1252(std::string_view text);

// Upper case of a code page 1252 text, accented letters included ('\xE9' gives '\xC9').
std::string UpperCp1252(std::string_view text);

} // namespace ovl::text
