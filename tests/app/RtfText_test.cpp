#include "app/RtfText.h"

#include <gtest/gtest.h>

namespace ovl {
namespace {

struct RtfCase {
    const char* name;
    std::string rtf;
    std::string text;
};

void ExpectConversions(const std::vector<RtfCase>& cases) {
    for (const auto& c : cases)
        EXPECT_EQ(RtfToPlainText(c.rtf), c.text) << c.name << ": " << c.rtf;
}

TEST(RtfToPlainText, ReadsTextAndBreaks) {
    ExpectConversions({
        {"empty", "", ""},
        {"plain", "{\\rtf1 Hello}", "Hello"},
        {"par and line", "{\\rtf1 a\\par b\\line c}", "a\nb\nc"},
        {"tab", "{\\rtf1 a\\tab b}", "a\tb"},
        {"source line ends ignored", "{\\rtf1 a\r\nb\nc}", "abc"},
        {"backslash before line end is a paragraph", "{\\rtf1 a\\\nb}", "a\nb"},
        {"nested groups keep text", "{\\rtf1 {\\b bold} {\\i it{\\ul al}}ic}", "bold italic"},
        {"formatting words dropped", "{\\rtf1\\pard\\sa120\\f0\\fs20 x\\b0 y}", "xy"},
        {"named typographic characters", "{\\rtf1 \\lquote a\\rquote \\endash \\emdash }",
         "\x91"
         "a\x92\x96\x97"},
    });
}

TEST(RtfToPlainText, ConsumesOnlyTheDelimitingSpace) {
    ExpectConversions({
        {"one space eaten", "{\\rtf1\\b bold}", "bold"},
        {"second space kept", "{\\rtf1\\b  bold}", " bold"},
        {"parameter then space", "{\\rtf1\\fs24 x}", "x"},
        {"negative parameter", "{\\rtf1\\li-200 x}", "x"},
        {"word ended by a digit-free symbol", "{\\rtf1\\b\\i x}", "x"},
        {"word ended by a brace", "{\\rtf1 {\\b}x}", "x"},
        {"hyphen without digit is text", "{\\rtf1\\b-x}", "-x"},
        {"huge parameter", "{\\rtf1\\fs99999999999999999999 x}", "x"},
    });
}

TEST(RtfToPlainText, SkipsDestinations) {
    ExpectConversions({
        {"font table", "{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}}x}", "x"},
        {"colour table", "{\\rtf1{\\colortbl ;\\red0\\green0\\blue0;}x}", "x"},
        {"stylesheet", "{\\rtf1{\\stylesheet{\\s0 Normal;}}x}", "x"},
        {"info", "{\\rtf1{\\info{\\title T}{\\author A}}x}", "x"},
        {"ignorable", "{\\rtf1{\\*\\generator Riched20;}x}", "x"},
        {"unknown ignorable", "{\\rtf1{\\*\\foo {nested} text}x}", "x"},
        {"text after skipped group", "{\\rtf1 a{\\fonttbl b}c}", "ac"},
        {"word only at group start", "{\\rtf1{x\\info y}z}", "xyz"},
        {"braces inside binary data", "{\\rtf1{\\*\\blip\\bin3 }{x}a}b", "ab"},
        {"binary data in text", "{\\rtf1 a\\bin3 }{}b}", "ab"},
    });
}

TEST(RtfToPlainText, DecodesEscapes) {
    ExpectConversions({
        {"hex", "{\\rtf1 caf\\'e9}", "caf\xE9"},
        {"hex upper case", "{\\rtf1 \\'C9t\\'E9}", "\xC9t\xE9"},
        {"hex then digits", "{\\rtf1 \\'e90}",
         "\xE9"
         "0"},
        {"escaped specials", "{\\rtf1 a\\\\b\\{c\\}}", "a\\b{c}"},
        {"non-breaking space", "{\\rtf1 a\\~:}", "a\xA0:"},
        {"optional hyphen dropped", "{\\rtf1 Lebens\\-mittel}", "Lebensmittel"},
        {"non-breaking hyphen", "{\\rtf1 a\\_b}", "a-b"},
    });
}

TEST(RtfToPlainText, ReadsUnicodeWithFallback) {
    ExpectConversions({
        {"default one fallback", "{\\rtf1 caf\\u233e!}", "caf\xE9!"},
        {"fallback as hex", "{\\rtf1 \\u8364\\'80 x}", "\x80 x"},
        {"uc2", "{\\rtf1\\uc2 \\u8364 EUx}", "\x80x"},
        {"uc0", "{\\rtf1\\uc0 \\u233 e}",
         "\xE9"
         "e"},
        {"negative code", "{\\rtf1 \\u-3913?x}", "?x"},
        {"outside code page", "{\\rtf1 \\u1046?x}", "?x"},
        {"curly quote", "{\\rtf1 \\u8220?a\\u8221?}",
         "\x93"
         "a\x94"},
        {"group end stops fallback", "{\\rtf1\\uc3 {\\u233 a}bc}",
         "\xE9"
         "bc"},
        {"uc is scoped to its group", "{\\rtf1 {\\uc0 x}\\u233 ab}",
         "x\xE9"
         "b"},
    });
}

TEST(RtfToPlainText, SurvivesMalformedInput) {
    ExpectConversions({
        {"missing closing brace", "{\\rtf1 abc", "abc"},
        {"extra closing braces", "{\\rtf1 a}}}b", "ab"},
        {"closing brace first", "}x{", "x"},
        {"truncated hex at end", "{\\rtf1 a\\'", "a"},
        {"truncated hex one digit", "{\\rtf1 a\\'e", "a"},
        {"bad hex digit", "{\\rtf1 a\\'zz}", "azz"},
        {"backslash at end", "abc\\", "abc"},
        {"word at end", "abc\\par", "abc\n"},
        {"unicode at end", "a\\u233", "a\xE9"},
        {"binary count past end", "a\\bin999 xy", "a"},
        {"negative binary count", "a\\bin-5 xy", "axy"},
        {"unclosed skipped group", "{\\rtf1 a{\\fonttbl x", "a"},
        {"no rtf header", "plain", "plain"},
    });
}

TEST(RtfToPlainText, DeepNestingDoesNotExhaustTheStack) {
    const std::string rtf = std::string(200000, '{') + "x" + std::string(200000, '}');
    EXPECT_EQ(RtfToPlainText(rtf), "x");
}

} // namespace
} // namespace ovl
