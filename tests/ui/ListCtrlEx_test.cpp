#include "ui/ListCtrlEx.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace ovl::ui {
namespace {

// The list's window in memory: what the control told it last.
class MemoryListView : public ListCtrlExView {
public:
    void InsertColumn(int column, const std::string& heading, ColumnAlignment, int width) override {
        headings.insert(headings.begin() + column, heading);
        widths.insert(widths.begin() + column, width);
    }
    int GetColumnCount() const override { return static_cast<int>(headings.size()); }
    int GetColumnWidth(int column) const override { return widths.at(column); }
    void SetColumnWidth(int column, int width) override { widths.at(column) = width; }
    void EnableCheckBoxes(bool enable) override { checkBoxes = enable; }
    void SetRowCount(int count) override { rowCount = count; }
    void RedrawRow(int row) override { redrawn.push_back(row); }
    void SetRedraw(bool redraw) override { redrawing = redraw; }
    void ShowSortMark(int column, SortMark mark) override { marks[column] = mark; }
    Colour DefaultBackground() const override { return Colour::Rgb(250, 250, 240); }
    Colour DefaultText() const override { return Colour::Rgb(10, 10, 10); }

    SortMark MarkOf(int column) const {
        const auto it = marks.find(column);
        return it == marks.end() ? SortMark::None : it->second;
    }

    std::vector<std::string> headings;
    std::vector<int> widths;
    bool checkBoxes = false;
    bool redrawing = true;
    int rowCount = 0;
    std::vector<int> redrawn;
    std::map<int, SortMark> marks;
};

// A three-column list: 0 undeclared, 1 names (type 5), 2 dates (type 7).
class ListCtrlExTest : public ::testing::Test {
protected:
    void SetUp() override {
        list.Attach(view);
        list.InsertColumn(0, "", ColumnAlignment::Left, 30);
        list.InsertColumn(1, "Nom", ColumnAlignment::Left, 230);
        list.InsertColumn(2, "Mise \xE0 jour", ColumnAlignment::Centre, 140);
        list.SetColumnSortType(1, SortTextNoCase);
        list.SetColumnSortType(2, SortDateTime);
    }

    void AddRows(const std::vector<std::pair<std::string, std::string>>& rows) {
        for (const auto& [name, date] : rows) {
            const int row = list.InsertItem(std::to_string(list.GetItemCount()));
            list.SetItemText(row, 1, name);
            list.SetItemText(row, 2, date);
        }
    }

    std::vector<std::string> ColumnTexts(int column) const {
        std::vector<std::string> texts;
        for (int row = 0; row < list.GetItemCount(); ++row)
            texts.push_back(list.GetItemText(row, column));
        return texts;
    }

    MemoryListView view;
    CListCtrlEx list;
};

using Texts = std::vector<std::string>;

TEST(ListCtrlExCompareTest, EachTypeComparesAsDeclared) {
    struct Case {
        int type;
        const char* a;
        const char* b;
        int sign;
    } const cases[] = {
        {SortNone, "a", "b", 0},
        {SortInteger, "10 kg", "9", 1},
        {SortInteger, "abc", "0", 0},
        {SortInteger, "-3", "2", -1},
        {SortInteger, " +7", "7x", 0},
        {SortInteger, "99999999999999999999", "1", 1},
        {SortFloat, "1.5", "1.9", 0},
        {SortFloat, "2.6", "1.5", 1},
        {SortFloat, "0.5", "-0.4", 0},
        {SortFloat, "-1.5", "0", -1},
        {SortFloat, "3,9", "3", 0},
        {SortFloat, "nan", "5", 0},
        {SortText, "B", "a", -1},
        {SortText, "\xE9", "z", 1},
        {SortText, "ab", "abc", -1},
        {SortIntegerOrText, "10", "9", 1},
        {SortIntegerOrText, "-2", "1", -1},
        {SortIntegerOrText, "010", "9", -1},
        {SortIntegerOrText, "10", "9x", -1},
        {SortIntegerOrText, "0", "00", -1},
        {SortIntegerOrText, "abc", "ABC", 1},
        {SortTextNoCase, "abc", "ABC", 0},
        {SortTextNoCase, "Beta", "alpha", 1},
        {SortTextNoCase,
         "\xC9"
         "cole",
         "\xE9"
         "cole",
         0},
        {SortTextNoCase, "\x8A", "\x9A", 0},
        {SortTextNoCase, "\x8C", "\x9C", 0},
        {SortTextNoCase, "\x8E", "\x9E", 0},
        {SortTextNoCase, "\x9F", "\xFF", 0},
        {SortTextNoCase, "\xD7", "\xF7", -1},
        {SortTextNoCase, "z", "\xE0", -1},
        {SortIntegerOrTextNoCase, "10", "9", 1},
        {SortIntegerOrTextNoCase, "abc", "ABD", -1},
        {SortIntegerOrTextNoCase, "ABC", "abc", 0},
        {SortDateTime, "09/01/2024 10:00", "08/01/2024 23:00", 1},
        {SortDateTime, "08/01/2024", "08/01/2024 00:00:00", 0},
        {SortDateTime, "8/1/2024", "08/01/2024", 0},
        {SortDateTime, "01/02/2024", "31/01/2024", 1},
        {SortDateTime, "31/12/2023 23:59:59", "01/01/2024", -1},
        {SortDateTime, "29/12/1899 06:00", "29/12/1899 18:00", -1},
        {SortDateTime, "29/12/1899 18:00", "30/12/1899 00:00", -1},
        {SortDateTime, "01/01/1800 12:00", "01/01/1800 06:00", 1},
        {SortDateTime, "", "01/01/2000", 1},
        {SortDateTime, "01/01/2000", "n/a", -1},
        {SortDateTime, "31/02/2024", "01/01/2000", 1},
        {SortDateTime, "01/01/2000 25:00", "01/01/2000", 1},
        {SortDateTime, "01/01/2000 x", "01/01/2000", 1},
        {SortDateTime, "", "n/a", 0},
        {99, "B", "a", -1},
    };
    for (const Case& c : cases) {
        const int result = CListCtrlEx::CompareTexts(c.type, c.a, c.b);
        EXPECT_EQ((result > 0) - (result < 0), c.sign)
            << "type " << c.type << ": \"" << c.a << "\" against \"" << c.b << "\"";
    }
}

TEST(ListCtrlExCompareTest, DateValuesWithinHalfASecondAreEqual) {
    const double second = 1.0 / 86400;
    const double day = 45300.5;
    EXPECT_EQ(CListCtrlEx::CompareDateValues(day, day + 0.4 * second), 0);
    EXPECT_EQ(CListCtrlEx::CompareDateValues(day + 0.4 * second, day), 0);
    EXPECT_EQ(CListCtrlEx::CompareDateValues(day, day + 0.6 * second), -1);
    EXPECT_EQ(CListCtrlEx::CompareDateValues(day + 0.6 * second, day), 1);
}

TEST_F(ListCtrlExTest, UndeclaredHeadingDoesNothingAndShowsNoMark) {
    AddRows({{"b", ""}, {"a", ""}});
    list.OnHeaderClick(0);
    EXPECT_EQ(ColumnTexts(1), (Texts{"b", "a"}));
    EXPECT_EQ(list.GetSortedColumn(), -1);
    EXPECT_TRUE(view.marks.empty());
}

TEST_F(ListCtrlExTest, SortTypeOfAMissingColumnIsIgnored) {
    list.SetColumnSortType(3, SortText);
    EXPECT_EQ(list.FindColumnInfo(3), nullptr);
    list.OnHeaderClick(3);
    EXPECT_EQ(list.GetSortedColumn(), -1);
    EXPECT_TRUE(view.marks.empty());

    const ColumnInfo* info = list.FindColumnInfo(1);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->sortFlags, kSortable);
    EXPECT_EQ(info->sortType, SortTextNoCase);
    EXPECT_TRUE(info->background.isDefault);
    EXPECT_TRUE(info->text.isDefault);
}

TEST_F(ListCtrlExTest, EachColumnRemembersItsDirection) {
    AddRows({{"b", "02/01/2024"}, {"C", "03/01/2024"}, {"a", "01/01/2024"}});
    struct Step {
        int column;
        bool byUser;
        Texts names;
        SortMark mark1, mark2;
    } const steps[] = {
        {1, true, {"a", "b", "C"}, SortMark::Up, SortMark::None},
        {2, true, {"a", "b", "C"}, SortMark::None, SortMark::Up},
        {1, true, {"C", "b", "a"}, SortMark::Down, SortMark::None},
        {1, false, {"C", "b", "a"}, SortMark::Down, SortMark::None},
        {2, false, {"a", "b", "C"}, SortMark::None, SortMark::Up},
        {2, true, {"C", "b", "a"}, SortMark::None, SortMark::Down},
    };
    for (const Step& s : steps) {
        list.SortByColumn(s.column, s.byUser);
        const std::string where =
            "column " + std::to_string(s.column) + (s.byUser ? " by the user" : " by code");
        EXPECT_EQ(ColumnTexts(1), s.names) << where;
        EXPECT_EQ(view.MarkOf(1), s.mark1) << where;
        EXPECT_EQ(view.MarkOf(2), s.mark2) << where;
        EXPECT_EQ(list.GetSortedColumn(), s.column) << where;
    }
}

TEST_F(ListCtrlExTest, FirstSortByCodeIsDescending) {
    AddRows({{"a", ""}, {"b", ""}});
    list.SortByColumn(1, false);
    EXPECT_EQ(ColumnTexts(1), (Texts{"b", "a"}));
    EXPECT_EQ(view.MarkOf(1), SortMark::Down);
}

TEST_F(ListCtrlExTest, NonDatesGoAfterDatesAscendingAndBeforeThemDescending) {
    AddRows({{"empty", ""},
             {"later", "09/01/2024 10:00"},
             {"text", "n/a"},
             {"earlier", "08/01/2024 23:00"}});
    list.OnHeaderClick(2);
    EXPECT_EQ(ColumnTexts(1), (Texts{"earlier", "later", "empty", "text"}));
    list.OnHeaderClick(2);
    EXPECT_EQ(ColumnTexts(1), (Texts{"empty", "text", "later", "earlier"}));
}

TEST_F(ListCtrlExTest, EqualRowsKeepTheirOrderInBothDirections) {
    AddRows({{"b", ""}, {"A", ""}, {"a", ""}, {"B", ""}});
    list.OnHeaderClick(1);
    EXPECT_EQ(ColumnTexts(1), (Texts{"A", "a", "b", "B"}));
    list.OnHeaderClick(1);
    EXPECT_EQ(ColumnTexts(1), (Texts{"b", "B", "A", "a"}));
}

TEST_F(ListCtrlExTest, RowsMoveWithTheirChecksAndRecords) {
    AddRows({{"b", ""}, {"a", ""}});
    list.SetCheck(0, true);
    list.SetItemUserData(0, 20);
    list.SetItemUserData(1, 10);
    list.OnHeaderClick(1);
    EXPECT_EQ(ColumnTexts(0), (Texts{"1", "0"}));
    EXPECT_FALSE(list.GetCheck(0));
    EXPECT_TRUE(list.GetCheck(1));
    EXPECT_EQ(list.GetItemUserData(0), 10);
    EXPECT_EQ(list.GetItemUserData(1), 20);
    EXPECT_EQ(view.rowCount, 2);
}

TEST_F(ListCtrlExTest, InconsistentComparisonStillSortsEveryRow) {
    // Type 2 calls numbers less than 1 apart equal, which is no order: 0.5 = 1.2 = 1.9, but
    // 0.5 < 1.9. The sort must still end with every row once.
    list.SetColumnSortType(1, SortFloat);
    Texts values;
    for (int i = 0; i < 500; ++i)
        values.push_back(std::to_string((i * 7919 % 500) * 0.7));
    for (const std::string& v : values)
        AddRows({{v, ""}});
    list.OnHeaderClick(1);
    list.OnHeaderClick(1);
    Texts sorted = ColumnTexts(1);
    std::sort(sorted.begin(), sorted.end());
    std::sort(values.begin(), values.end());
    EXPECT_EQ(sorted, values);
}

TEST_F(ListCtrlExTest, ColoursComeFromCellThenRowThenDefaults) {
    AddRows({{"selected", ""}, {"not selected", ""}, {"selected too", ""}});
    const Colour white = Colour::Rgb(255, 255, 255);
    const Colour blue = Colour::Rgb(48, 48, 196);
    const Colour yellow = Colour::Rgb(255, 255, 0);
    list.SetItemUserData(0, 1);
    list.SetItemUserData(1, 2);
    ItemData* data = list.GetItemData(1);
    ASSERT_NE(data, nullptr);
    data->background = white;
    data->text = blue;
    data->cells.push_back(CellInfo{0, kDefaultColour, kDefaultColour}); // sets nothing
    data->cells.push_back(CellInfo{2, yellow, kDefaultColour});
    list.RedrawItem(1);
    EXPECT_EQ(view.redrawn.back(), 1);

    const CellColours defaults{view.DefaultBackground(), view.DefaultText()};
    struct Case {
        int row, column;
        CellColours expected;
    } const cases[] = {
        {0, 0, defaults}, // a record without colours
        {0, 1, defaults},
        {2, 1, defaults},      // no record at all
        {1, 0, {white, blue}}, // a cell entry without colours: the row's
        {1, 1, {white, blue}},
        {1, 2, {yellow, view.DefaultText()}}, // the cell's level, unset text from the defaults
    };
    for (const Case& c : cases)
        EXPECT_EQ(list.GetCellColours(c.row, c.column), c.expected)
            << "row " << c.row << ", column " << c.column;

    // A view that colours whole rows takes the row's record and leaves the cells aside.
    EXPECT_EQ(list.GetRowColours(1), (CellColours{white, blue}));
    EXPECT_EQ(list.GetRowColours(0), defaults);
    EXPECT_EQ(list.GetRowColours(2), defaults);

    data->background = kDefaultColour;
    EXPECT_EQ(list.GetCellColours(1, 1), (CellColours{view.DefaultBackground(), blue}));
}

TEST_F(ListCtrlExTest, CheckChangesAndSelectionRaiseTheRowNotice) {
    list.EnableCheckBoxes(true);
    EXPECT_TRUE(view.checkBoxes);
    AddRows({{"a", ""}, {"b", ""}});
    std::vector<int> notices;
    list.m_onItemChanged = [&](int row) { notices.push_back(row); };

    list.SetCheck(1, true);
    list.SetCheck(1, true); // no change of state
    list.OnCheckToggled(0, true);
    list.OnCheckToggled(0, false);
    list.OnRowSelected(1);
    EXPECT_EQ(notices, (std::vector<int>{1, 0, 0, 1}));
    EXPECT_TRUE(list.GetCheck(1));
    EXPECT_FALSE(list.GetCheck(0));
}

TEST_F(ListCtrlExTest, UserDataRoundTripsThroughOneRecordPerRow) {
    AddRows({{"a", ""}, {"b", ""}});
    EXPECT_EQ(list.GetItemUserData(0), std::nullopt);
    EXPECT_EQ(list.GetItemData(0), nullptr);
    EXPECT_EQ(list.GetItemUserData(5), std::nullopt);

    list.SetItemUserData(0, 4711);
    ItemData* record = list.GetItemData(0);
    list.SetItemUserData(0, -3);
    EXPECT_EQ(list.GetItemData(0), record);
    EXPECT_EQ(list.GetItemUserData(0), -3);
    EXPECT_EQ(list.GetItemUserData(1), std::nullopt);
    EXPECT_THROW(list.SetItemUserData(2, 1), std::out_of_range);
}

TEST_F(ListCtrlExTest, DeletingAllRowsKeepsTheSortMark) {
    AddRows({{"a", ""}, {"b", ""}});
    list.SetItemUserData(0, 1);
    list.OnHeaderClick(1);
    list.DeleteAllItems();
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_EQ(view.rowCount, 0);
    EXPECT_EQ(view.MarkOf(1), SortMark::Up);
    EXPECT_EQ(list.GetSortedColumn(), 1);

    AddRows({{"c", ""}});
    EXPECT_EQ(list.GetItemUserData(0), std::nullopt);
    EXPECT_EQ(view.rowCount, 1);
}

TEST(ListCtrlExKeyTest, EnterAndEscapeStopAtTheList) {
    struct Case {
        int key;
        bool consumed;
    } const cases[] = {{13, true}, {370, true}, {27, true}, {9, false}, {32, false}, {'A', false}};
    for (const Case& c : cases)
        EXPECT_EQ(CListCtrlEx::ConsumesKey(c.key), c.consumed) << "key " << c.key;
}

} // namespace
} // namespace ovl::ui
