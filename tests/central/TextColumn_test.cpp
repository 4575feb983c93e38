#include "central/TextColumn.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace ovl
