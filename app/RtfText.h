#pragma once

#include <string>

namespace ovl {

// The text of an RTF document as plain code page 1252 bytes, for output where no rich-text
// control is at hand. Paragraph and line breaks become line feeds, tabs stay tabs; fonts,
// colours, styles, document information, pictures and other destinations are dropped.
// Malformed input (unbalanced braces, a truncated escape) gives what could be read.
std::string RtfToPlainText(const std::string& rtf);

} // namespace ovl
