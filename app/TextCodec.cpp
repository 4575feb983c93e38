#include "app/TextCodec.h"

#include <array>
#include <cstdint>

namespace ovl {

void EncodeDbText(std::string& text) {
    if (text.empty())
        return;
    const size_t limit = 2 * text.size() + 1;
    std::string out;
    out.reserve(limit + 3);
    for (char c : text) {
        if (out.size() >= limit)
            break;
        if (c == '\'')
            out += "%039";
        else if (c == '%')
            out += "%%";
        else
            out += c;
    }
    text = std::move(out);
}

void DecodeDbText(std::string& text) {
    std::string out;
    out.reserve(text.size());
    const size_t n = text.size();
    for (size_t i = 0; i < n; ++i) {
        const char c = text[i];
        if (c != '%') {
            out += c;
            continue;
        }
        if (i + 1 >= n)
            break; // a percent sign at the very end ends the text
        const char next = text[i + 1];
        if (next < '0' || next > '9') {
            out += next;
            ++i;
            continue;
        }
        // Up to three digits form a character code.
        int code = 0;
        size_t j = i + 1;
        for (int digits = 0; digits < 3 && j < n && text[j] >= '0' && text[j] <= '9'; ++digits, ++j)
            code = code * 10 + (text[j] - '0');
        out += (code >= 1 && code <= 255) ? static_cast<char>(code) : '_';
        i = j - 1;
    }
    text = std::move(out);
}

namespace {

// Search-key byte for every code page 1252 byte: the named accented letters fold to their
// base capital, then everything is upper-cased under code page 1252.
constexpr std::array<unsigned char, 256> BuildKeyTable() {
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i)
        t[i] = static_cast<unsigned char>(i);
    for (int c = 'a'; c <= 'z'; ++c)
        t[c] = static_cast<unsigned char>(c - 'a' + 'A');
    // Code page 1252 lower-case letters outside ASCII: š œ ž ÿ and à..þ except ÷.
    t[0x9A] = 0x8A;
    t[0x9C] = 0x8C;
    t[0x9E] = 0x8E;
    for (int c = 0xE0; c <= 0xFE; ++c)
        if (c != 0xF7)
            t[c] = static_cast<unsigned char>(c - 0x20);
    auto fold = [&t](std::initializer_list<int> bytes, char to) {
        for (int b : bytes)
            t[b] = static_cast<unsigned char>(to);
    };
    fold({0xC0, 0xC2, 0xC4, 0xC5, 0xC6, 0xE0, 0xE1, 0xE2, 0xE4, 0xE5, 0xE6}, 'A');
    fold({0xC7, 0xE7}, 'C');
    fold({0xC8, 0xC9, 0xCA, 0xCB, 0xE8, 0xE9, 0xEA, 0xEB}, 'E');
    fold({0xCE, 0xCF, 0xEC, 0xED, 0xEE, 0xEF}, 'I');
    fold({0xD1, 0xF1}, 'N');
    fold({0xD4, 0xD6, 0xF2, 0xF3, 0xF4, 0xF6}, 'O');
    fold({0xDB, 0xDC, 0xF9, 0xFA, 0xFB, 0xFC}, 'U');
    fold({0xFF}, 'Y');
    return t;
}

constexpr std::array<unsigned char, 256> kKeyTable = BuildKeyTable();

} // namespace

void MakeSearchKey(std::string& text) {
    for (char& c : text)
        c = static_cast<char>(kKeyTable[static_cast<unsigned char>(c)]);
}

std::string EncodedDbText(std::string text) {
    EncodeDbText(text);
    return text;
}

std::string DecodedDbText(std::string text) {
    DecodeDbText(text);
    return text;
}

std::string SearchKey(std::string text) {
    MakeSearchKey(text);
    return text;
}

} // namespace ovl
