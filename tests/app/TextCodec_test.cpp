#include "app/TextCodec.h"

#include <gtest/gtest.h>

namespace ovl {
namespace {

TEST(DecodeDbText, GivesPlainForm) {
    const struct {
        const char* stored;
        const char* plain;
    } cases[] = {
        {"L%039huile", "L'huile"}, {"50%%", "50%"}, {"%233t%233", "\xE9t\xE9"},
        {"%0399", "'9"},           {"%999", "_"},   {"%A", "A"},
        {"%000", "_"},             {"abc%", "abc"}, {"%", ""},
        {"%2x", "\x02x"},          {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodedDbText(c.stored), c.plain) << "stored: " << c.stored;
}

TEST(EncodeDbText, RoundTripsTheExamples) {
    EXPECT_EQ(EncodedDbText("L'huile"), "L%039huile");
    EXPECT_EQ(EncodedDbText("50%"), "50%%");
    EXPECT_EQ(DecodedDbText(EncodedDbText("Cr\xE8me 'br\xFBl\xE9" "e' 100%")),
              "Cr\xE8me 'br\xFBl\xE9" "e' 100%");
}

TEST(EncodeDbText, CutsAtTwiceTheLengthPlusOne) {
    EXPECT_EQ(EncodedDbText(""), "");
    EXPECT_EQ(EncodedDbText("''"), "%039%039");
    // Three quotes: the limit of 7 bytes is passed after the second group.
    EXPECT_EQ(EncodedDbText("'''"), "%039%039");
    EXPECT_EQ(EncodedDbText("%%%"), "%%%%%%");
    EXPECT_EQ(EncodedDbText("a'"), "a%039");
}

TEST(MakeSearchKey, FoldsAccentsAndCase) {
    EXPECT_EQ(SearchKey("Cr\xE8me br\xFBl\xE9" "e"), "CREME BRULEE");
    EXPECT_EQ(SearchKey("\xC4pfel"), "APFEL");
    EXPECT_EQ(SearchKey("\xC5ngstr\xF6m"), "ANGSTROM");
    EXPECT_EQ(SearchKey("S\xE3o"), "S\xC3O");            // ã becomes Ã, not A
    EXPECT_EQ(SearchKey("\xC1\xD8\xDD\xFD\xFF"), "\xC1\xD8\xDD\xDDY"); // unnamed capitals keep
    EXPECT_EQ(SearchKey("\x9A\x9C\x9E"), "\x8A\x8C\x8E"); // š œ ž
}

} // namespace
} // namespace ovl
