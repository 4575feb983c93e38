#pragma once

#include <string>

// The stored form of text in both databases, and the keys used to search and sort it.
// All three work on single-byte text in code page 1252.
namespace ovl {

// Replaces a plain text by its stored form: a quote becomes "%039", a percent sign "%%".
// The output is cut before any byte once it holds 2n + 1 bytes (n the input length).
void EncodeDbText(std::string& text);

// Replaces a stored text by its plain form.
void DecodeDbText(std::string& text);

// Replaces a text by its search key: common accents removed, upper case.
void MakeSearchKey(std::string& text);

// Copying forms, for callers that keep the original.
std::string EncodedDbText(std::string text);
std::string DecodedDbText(std::string text);
std::string SearchKey(std::string text);

} // namespace ovl
