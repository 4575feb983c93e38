#include "platform/TextConvert.h"

#include <gtest/gtest.h>

namespace ovl {
namespace {

TEST(TextConvert, ConvertsBothWays) {
    const struct {
        const char* cp1252;
        const char* utf8;
    } cases[] = {
        {"abc", "abc"},
        {"\xE9t\xE9", "\xC3\xA9t\xC3\xA9"},
        {"\x80", "\xE2\x82\xAC"},         // euro sign
        {"\x9C\x8A", "\xC5\x93\xC5\xA0"}, // from the 0x80-0x9F table
        {"\x81\x9D", "\xC2\x81\xC2\x9D"}, // undefined bytes as C1 controls
        {"\xFF", "\xC3\xBF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(text::Cp1252ToUtf8(c.cp1252), c.utf8) << c.utf8;
        EXPECT_EQ(text::Utf8ToCp1252(c.utf8), c.cp1252) << c.utf8;
    }
}

TEST(TextConvert, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        all += static_cast<char>(byte);
    EXPECT_EQ(text::Utf8ToCp1252(text::Cp1252ToUtf8(all)), all);
}

TEST(TextConvert, MarksWhatCodePage1252CannotHold) {
    const struct {
        const char* utf8;
        const char* cp1252;
    } cases[] = {
        {"\xE6\x97\xA5", "?"},       // CJK character
        {"\xF0\x9F\x98\x80!", "?!"}, // emoji
        {"a\xC3", "a?"},             // cut sequence
        {"\xC0\xAF", "??"},          // overlong slash
        {"\xED\xA0\x80", "???"},     // surrogate
        {"\xE9t\xE9", "?t?"},        // code page 1252 bytes, not UTF-8
    };
    for (const auto& c : cases)
        EXPECT_EQ(text::Utf8ToCp1252(c.utf8), c.cp1252) << c.cp1252;
}

TEST(TextConvert, UpperCaseIncludesAccentedLetters) {
    EXPECT_EQ(text::UpperCp1252("Propri\xE9taire\\R\xE9seau"), "PROPRI\xC9TAIRE\\R\xC9SEAU");
    EXPECT_EQ(text::UpperCp1252("\x9A\x9C\x9E\xFF"), "\x8A\x8C\x8E\x9F");
    // Division sign and sharp s have no upper case here.
    EXPECT_EQ(text::UpperCp1252("\xF7\xDF"), "\xF7\xDF");
}

} // namespace
} // namespace ovl
