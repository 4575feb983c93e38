#include "central/TextColumn.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace ovl {
namespace {

std::vector<size_t> RowsContaining(const CTextColumn& column, std::string_view needle) {
    std::vector<size_t> rows;
    for (size_t row = column.FindRowContaining(needle, 0); row < column.GetCount();
         row = column.FindRowContaining(needle, row + 1))
        rows.push_back(row);
    return rows;
}

TEST(TextColumnTest, FindsRowsWithoutJoiningNeighbours) {
    CTextColumn column;
    for (const char* text : {"GALA", "ITHAQUE", "", "LAIT", "", "CAFE AU LAIT", "LAI", "T"})
        column.Append(text);
    ASSERT_EQ(column.GetCount(), 8u);
    EXPECT_EQ(column.Get(2), "");
    EXPECT_EQ(column.Get(5), "CAFE AU LAIT");

    struct Case {
        const char* needle;
        std::vector<size_t> rows;
    } const cases[] = {
        {"LAIT", {3, 5}}, // "GALA"+"ITHAQUE" and "LAI"+"T" join into LAIT but count not
        {"A", {0, 1, 3, 5, 6}}, {"T", {1, 3, 5, 7}},
        {"GALAITHAQUE", {}},    {"CAFE AU LAIT!", {}}, // longer than what is left
    };
    for (const Case& c : cases)
        EXPECT_EQ(RowsContaining(column, c.needle), c.rows) << "needle " << c.needle;
    EXPECT_EQ(column.FindRowContaining("LAIT", 8), 8u);
}

TEST(TextColumnTest, ManyRowsFarApart) {
    CTextColumn column;
    for (int i = 0; i < 1000; ++i)
        column.Append(i == 3 || i == 977 ? "XYZ" : "ABC");
    EXPECT_EQ(RowsContaining(column, "XYZ"), (std::vector<size_t>{3, 977}));
    EXPECT_EQ(RowsContaining(column, "CA"), std::vector<size_t>{}); // only across rows
}

TEST(TextColumnTest, RanksOrderRowsAsTheirTextsCompare) {
    CTextColumn column;
    const std::vector<std::string> texts = {
        "LAIT", "",                                 // the empty text comes first
        "\xC9" "CLAIR",                             // bytes above 0x7F come after letters
        "LAI", "LAIT",                               // a prefix comes first; equal texts tie
        "CHOCOLAT NOIR", "CHOCOLAT AU LAIT", "CHOCOLAT", // first eight bytes shared
        std::string("A\0B", 3), "A"};
    for (const auto& text : texts)
        column.Append(text);
    const std::vector<std::uint32_t> ranks = column.RankRows();
    ASSERT_EQ(ranks.size(), texts.size());
    for (size_t a = 0; a < texts.size(); ++a)
        for (size_t b = 0; b < texts.size(); ++b) {
            const int byText = std::string_view(texts[a]).compare(texts[b]);
            const bool unsignedLess =
                std::lexicographical_compare(texts[a].begin(), texts[a].end(), texts[b].begin(),
                                             texts[b].end(), [](char x, char y) {
                                                 return static_cast<unsigned char>(x) <
                                                        static_cast<unsigned char>(y);
                                             });
            EXPECT_EQ(ranks[a] < ranks[b], unsignedLess) << a << " " << b;
            EXPECT_EQ(ranks[a] == ranks[b], byText == 0) << a << " " << b;
        }
}

} // namespace
} // namespace ovl
