#include "app/RtfText.h"
#include "app/TermsDocuments.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace ovl {
namespace {

constexpr int kLanguages = 5;

TEST(TermsRtf, EachLanguageHasAReadableDocument) {
    for (int lang = 0; lang < kLanguages; ++lang) {
        const std::string rtf = TermsRtf(lang);
        EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0u) << "language " << lang;
        EXPECT_EQ(std::count(rtf.begin(), rtf.end(), '{'), std::count(rtf.begin(), rtf.end(), '}'))
            << "language " << lang;
        const std::string text = RtfToPlainText(rtf);
        EXPECT_GT(text.size(), 1000u) << "language " << lang;
        // The publisher is named, and nothing of the font table or document info leaks through.
        EXPECT_NE(text.find("Brodaine"), std::string::npos) << "language " << lang;
        EXPECT_EQ(text.find("Arial"), std::string::npos) << "language " << lang;
        EXPECT_EQ(text.find('\\'), std::string::npos) << "language " << lang;
    }
}

TEST(TermsRtf, TheFiveDocumentsDiffer) {
    std::set<std::string> texts;
    for (int lang = 0; lang < kLanguages; ++lang)
        texts.insert(RtfToPlainText(TermsRtf(lang)));
    EXPECT_EQ(texts.size(), static_cast<size_t>(kLanguages));
}

TEST(TermsRtf, UnknownIndexGivesFrench) {
    for (int lang : {-1, 5, 7})
        EXPECT_EQ(TermsRtf(lang), TermsRtf(0)) << "index " << lang;
}

TEST(TermsRtf, FrenchTextHasCp1252Accents) {
    const std::string text = RtfToPlainText(TermsRtf(0));
    EXPECT_NE(text.find("donn\xE9"
                        "es"),
              std::string::npos);
    EXPECT_NE(text.find("\xAB\xA0outil\xA0\xBB"), std::string::npos);
}

} // namespace
} // namespace ovl
