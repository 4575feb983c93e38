#include "ui/PaneText.h"

#include <gtest/gtest.h>

namespace ovl::ui {
namespace {

const Colour kRed = Colour::Rgb(255, 0, 0);
const Colour kBlue = Colour::Rgb(0, 0, 255);

TEST(PaneTextTest, MarkerIsColouredWhereverItStandsInAnyCase) {
    struct Case {
        const char* text;
        std::vector<Pane::Run> runs;
    };
    const Case cases[] = {
        {"ab ab ab", {{0, 2, kBlue}, {3, 2, kBlue}, {6, 2, kBlue}}},
        {"xAByaB", {{1, 2, kBlue}, {4, 2, kBlue}}},
        {"aab", {{1, 2, kBlue}}},
        {"", {}},
        {"none", {}},
    };
    for (const Case& c : cases) {
        PaneContent content{c.text, {}};
        SetTextHighlighting(content, "ab", kBlue);
        EXPECT_EQ(content.runs, c.runs) << c.text;
        EXPECT_EQ(content.text, c.text);
    }
    // Accented capitals fold to their small letters.
    PaneContent accented{"Information NON COMMUNIQU\xC9" "E", {}};
    SetTextHighlighting(accented, "Information non communiqu\xE9" "e", kRed);
    EXPECT_EQ(accented.runs, (std::vector<Pane::Run>{{0, 27, kRed}}));
}

TEST(PaneTextTest, MissingValuesBecomeRedDashes) {
    PaneContent content{"Sel : 0--\r\nFer : 2 mg\r\nEau : 0--", {}};
    MarkMissingValues(content);
    EXPECT_EQ(content.text, "Sel : ---\r\nFer : 2 mg\r\nEau : ---");
    EXPECT_EQ(content.runs, (std::vector<Pane::Run>{{6, 3, kRed}, {29, 3, kRed}}));

    PaneContent empty;
    MarkMissingValues(empty);
    EXPECT_TRUE(empty.text.empty());
    EXPECT_TRUE(empty.runs.empty());
}

TEST(PaneTextTest, ValuesPaneColoursTheUnknownMarkerThenTheMissingValues) {
    const PaneContent content =
        MakeValuesPaneContent("Contient : Information non communiqu\xE9" "e\r\nSel : 0--\r\n");
    EXPECT_EQ(content.text, "Contient : Information non communiqu\xE9" "e\r\nSel : ---\r\n");
    EXPECT_EQ(content.runs, (std::vector<Pane::Run>{{11, 27, kRed}, {46, 3, kRed}}));
}

} // namespace
} // namespace ovl::ui
