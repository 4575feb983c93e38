#include "ui/ComparisonMark.h"

#include <gtest/gtest.h>

namespace ovl {
namespace {

TEST(ComparisonMarkTest, TextsFirstThenAllergenLists) {
    const std::string text = "Eau : 10 g\r\n";
    struct Case {
        const char* name;
        ValuePanes panes;
        const char* mark;
        bool differ;
    } const cases[] = {
        {"identical texts and lists", {text, text, "Lait", "Lait", "Soja", "Soja"}, "=", false},
        {"identical texts, empty lists", {text, text, "", "", "", ""}, "=", false},
        {"texts differ", {text, "Eau : 11 g\r\n", "Lait", "Lait", "", ""}, "<>", true},
        {"texts differ only in case", {text, "eau : 10 g\r\n", "", "", "", ""}, "<>", true},
        {"texts differ and lists too", {text, "x", "Lait", "Soja", "", ""}, "<>", true},
        {"allergen lists differ", {text, text, "Lait", "Lait, Soja", "", ""}, "A<>", true},
        {"traces lists differ", {text, text, "Lait", "Lait", "", "Arachide"}, "A<>", true},
        {"product pane empty", {"", text, "Lait", "Soja", "", ""}, "", false},
        {"ingredient pane empty", {text, "", "", "", "", ""}, "", false},
        {"both panes empty", {"", "", "", "", "", ""}, "", false},
    };
    for (const Case& c : cases) {
        const ComparisonMark result = CompareValueTexts(c.panes);
        EXPECT_EQ(result.m_strMark, c.mark) << c.name;
        EXPECT_EQ(result.m_bValuesDiffer, c.differ) << c.name;
    }
}

} // namespace
} // namespace ovl
