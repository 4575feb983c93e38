#include "platform/TextConvert.h"

#include <gtest/gtest.h>

#include <string>

namespace ovl {
namespace {

TEST(Cp1252Table, MapsTheHighControlRange) {
    const struct {
        unsigned char byte;
        const char* utf8;
    } cases[] = {
        {0x80, "€"},      {0x81, "\u0081"}, {0x82, "‚"}, {0x83, "ƒ"},      {0x84, "„"},
        {0x85, "…"},      {0x86, "†"},      {0x87, "‡"}, {0x88, "ˆ"},      {0x89, "‰"},
        {0x8A, "Š"},      {0x8B, "‹"},      {0x8C, "Œ"}, {0x8D, "\u008D"}, {0x8E, "Ž"},
        {0x8F, "\u008F"}, {0x90, "\u0090"}, {0x91, "‘"}, {0x92, "’"},      {0x93, "“"},
        {0x94, "”"},      {0x95, "•"},      {0x96, "–"}, {0x97, "—"},      {0x98, "˜"},
        {0x99, "™"},      {0x9A, "š"},      {0x9B, "›"}, {0x9C, "œ"},      {0x9D, "\u009D"},
        {0x9E, "ž"},      {0x9F, "Ÿ"},
    };
    for (const auto& c : cases) {
        const std::string byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(text::Cp1252ToUtf8(byte), c.utf8) << "byte " << int{c.byte};
        EXPECT_EQ(text::Utf8ToCp1252(c.utf8), byte) << "byte " << int{c.byte};
    }
}

TEST(Cp1252Table, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        all += static_cast<char>(byte);
    EXPECT_EQ(text::Utf8ToCp1252(text::Cp1252ToUtf8(all)), all);
}

TEST(Cp1252Table, ConvertsLatinText) {
    EXPECT_EQ(text::Utf8ToCp1252("Crème brûlée, Äpfel, ¿Qué?"), "Cr\xE8me br\xFBl\xE9"
                                                                "e, \xC4pfel, \xBFQu\xE9?");
    EXPECT_EQ(text::Cp1252ToUtf8("\xA0\xE0\xFF"), "\u00A0àÿ");
    EXPECT_EQ(text::Utf8ToCp1252(""), "");
}

TEST(Cp1252Table, ReplacesWhatTheCodePageCannotHold) {
    const struct {
        const char* name;
        const char* utf8;
        const char* cp1252;
    } cases[] = {
        {"outside the code page", "a\u0100b", "a?b"},
        {"C1 control with a printable byte", "\u0080", "?"},
        {"three-byte character", "x中", "x?"},
        {"four-byte character", "😀!", "?!"},
        {"stray continuation byte", "a\x80z", "a?z"},
        {"truncated at the end", "a\xC3", "a?"},
        {"truncated before ASCII", "\xC3(", "?("},
        {"overlong slash", "\xC0\xAF", "??"},
        {"encoded surrogate", "\xED\xA0\x80", "???"},
        {"invalid lead byte", "\xFF\xFE", "??"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(text::Utf8ToCp1252(c.utf8), c.cp1252) << c.name;
}

} // namespace
} // namespace ovl
