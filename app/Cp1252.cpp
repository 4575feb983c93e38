#include "app/Cp1252.h"

#include <array>
#include <cstdint>

namespace ovl {
namespace {

// Characters of bytes 0x80..0x9F; the rest of the code page is Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

constexpr char kReplacement = '?';

char32_t CharOfByte(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

// The byte holding a character, or the replacement when the code page has none.
char ByteOfChar(char32_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<char>(ch);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == ch)
            return static_cast<char>(0x80 + i);
    }
    return kReplacement;
}

void AppendUtf8(std::string& out, char32_t ch) {
    if (ch < 0x80) {
        out += static_cast<char>(ch);
    } else if (ch < 0x800) {
        out += static_cast<char>(0xC0 | (ch >> 6));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (ch >> 12));
        out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (ch & 0x3F));
    }
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Decodes the sequence starting at pos and advances pos past it. A malformed sequence
// (stray continuation, truncation, overlong form, surrogate, beyond U+10FFFF) consumes its
// lead byte only and gives U+FFFD.
char32_t DecodeUtf8(std::string_view text, std::size_t& pos) {
    constexpr char32_t kInvalid = 0xFFFD;
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80)
        return lead;
    // Continuation bytes that follow the lead byte, and the smallest value of that length.
    std::size_t length = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 1;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 2;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 3;
        minimum = 0x10000;
    } else {
        return kInvalid;
    }
    char32_t ch = lead & (0x3Fu >> length);
    if (text.size() - pos < length)
        return kInvalid;
    for (std::size_t i = 0; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if (!IsContinuation(byte))
            return kInvalid;
        ch = (ch << 6) | (byte & 0x3Fu);
    }
    if (ch < minimum || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF))
        return kInvalid;
    pos += length;
    return ch;
}

} // namespace

std::string Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size())
        out += ByteOfChar(DecodeUtf8(utf8, pos));
    return out;
}

std::string Cp1252ToUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size() * 2);
    for (const char byte : cp1252)
        AppendUtf8(out, CharOfByte(static_cast<unsigned char>(byte)));
    return out;
}

} // namespace ovl
