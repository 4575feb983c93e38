#include "platform/MemorySettingsStore.h"
#include "tests/support/DatabaseTest.h"
#include "tests/support/ImportFixture.h"
#include "ui/IngredientList.h"

#include <optional>
#include <vector>

namespace ovl {
namespace {

constexpr int kFrench = 0;
constexpr int kEnglish = 1;
constexpr int kByName = 1;

struct Ingredient {
    std::int32_t id;
    const char* code;
    const char* name1; // stored form
    const char* name2;
};

// Names in their stored form: an apostrophe as "%039", a percent sign as "%%".
const Ingredient kIngredients[] = {
    {1, "Z01",
     "Cr\xE8me fra\xEE"
     "che",
     "Cream"},
    {2, "HO-100", "Huile d%039olive", "Olive oil"},
    {3, "20", "Sauce 50%% MG", "Sauce 50%% fat"},
    {4, "B\\X", "Beurre", "Butter"},
    {5, "CREME-5", "Farine", "Flour"},
    {6, "L3", "Trois %039%039%039 quotes", "Three"},
    {7, "L2", "Deux %039%039 quotes", "Two"},
    {-1, "RES",
     "Cr\xE8me r\xE9serv\xE9"
     "e",
     "Reserved"},
};

class IngredientListTest : public test::ImportTest {
protected:
    void SetUp() override {
        test::ImportTest::SetUp();
        if (IsSkipped())
            return;
        // Bound as literals through the connection's quoting, so the backslash of a code
        // reaches the table as it is on every backend.
        for (const Ingredient& i : kIngredients)
            Local().ExecuteDirect(Local().TranslateBrackets(
                "INSERT INTO [Ingredients] ([INGRED_ID], [CODE_AN], [NAME_1], [NAME_2]) VALUES (" +
                std::to_string(i.id) + ", " + Local().QuoteText(i.code) + ", " +
                Local().QuoteText(i.name1) + ", " + Local().QuoteText(i.name2) + ")"));
    }

    std::vector<std::int32_t> Ids(const std::string& filter, int sortKey = kByName,
                                  int language = kFrench) {
        std::optional<IngredientListContent> content =
            FillIngredientList(Local(), language, filter, sortKey);
        std::vector<std::int32_t> ids;
        if (!content) {
            ADD_FAILURE() << "filter \"" << filter << "\" gave no list";
            return ids;
        }
        for (const IngredientRow& row : content->m_rows)
            ids.push_back(row.ingredientId);
        return ids;
    }
};

TEST_P(IngredientListTest, MatchesNameOrCodeOnSearchKeys) {
    using IdList = std::vector<std::int32_t>;
    struct Case {
        const char* name;
        const char* filter;
        IdList expected;
    } const cases[] = {
        {"folded accents and case, name or code", "creme", {1, 5}},
        {"code only", "ho-1", {2}},
        {"apostrophe", "d'ol", {2}},
        {"percent sign", "50%", {3}},
        {"percent signs absent from every name", "%%", {}},
        {"backslash in a code", "b\\", {4}},
        {"three apostrophes, not two", "'''", {6}},
        {"two apostrophes", "''", {7, 6}},
        {"digits of the stored apostrophe", "39", {}},
        {"stored escape typed as text", "%039", {}},
        {"quote that would end an SQL text", "' OR 1=1 --", {}},
        {"reserved ingredient never listed", "reserv", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Ids(c.filter), c.expected) << c.name;
}

TEST_P(IngredientListTest, RowsCarryDecodedNameAndStoredCode) {
    const std::optional<IngredientListContent> content =
        FillIngredientList(Local(), kFrench, "d'olive", kByName);
    ASSERT_TRUE(content);
    ASSERT_EQ(content->m_rows.size(), 1u);
    EXPECT_EQ(content->m_rows[0].name, "Huile d'olive");
    EXPECT_EQ(content->m_rows[0].code, "HO-100");
    EXPECT_EQ(content->m_strCountText, "1 produit trouv\xE9.");
}

TEST_P(IngredientListTest, NameOfTheUserLanguage) {
    EXPECT_EQ(Ids("oil", kByName, kEnglish), std::vector<std::int32_t>{2});
    EXPECT_EQ(Ids("huile", kByName, kEnglish), std::vector<std::int32_t>{});
    const std::optional<IngredientListContent> content =
        FillIngredientList(Local(), kEnglish, "50%", kByName);
    ASSERT_TRUE(content);
    EXPECT_EQ(content->m_rows.at(0).name, "Sauce 50% fat");
}

TEST_P(IngredientListTest, SortKeys) {
    using IdList = std::vector<std::int32_t>;
    // "re" is in the names Creme fraiche and Beurre, and in the code of Farine.
    struct Case {
        const char* name;
        int sortKey;
        IdList expected;
    } const cases[] = {
        {"name ascending", 1, {4, 1, 5}},
        {"name descending", -1, {5, 1, 4}},
        {"code ascending", 2, {4, 5, 1}},
        {"code descending", -2, {1, 5, 4}},
        {"no order keeps the read order", 0, {4, 1, 5}},
        {"a column the list lacks keeps the read order", 5, {4, 1, 5}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Ids("re", c.sortKey), c.expected) << c.name;
}

TEST_P(IngredientListTest, ShortFilterLeavesTheListAsItIs) {
    EXPECT_FALSE(FillIngredientList(Local(), kFrench, "", kByName));
    EXPECT_FALSE(FillIngredientList(Local(), kFrench, "c", kByName));
}

OVL_INSTANTIATE_FOR_EVERY_BACKEND(IngredientListTest);

TEST(IngredientListCountTest, CountLabel) {
    struct Case {
        int count;
        int language;
        const char* expected;
    } const cases[] = {
        {0, kFrench, "0 produit trouv\xE9."},
        {1, kFrench, "1 produit trouv\xE9."},
        {2, kFrench, "2 produits trouv\xE9s."},
        {3, kEnglish, "found products 3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IngredientCountText(c.count, c.language), c.expected) << c.count;
}

TEST(IngredientListSortTest, FoldedTextsCompareEqualAndKeepTheirOrder) {
    std::vector<IngredientRow> rows = {{1, "\xC9pice", "20"}, {2, "epice", "100"}, {3, "Ail", "3"}};
    SortIngredientRows(rows, 1);
    EXPECT_EQ(rows[0].ingredientId, 3);
    EXPECT_EQ(rows[1].ingredientId, 1);
    EXPECT_EQ(rows[2].ingredientId, 2);
    // Codes sort as text: 100 before 20 before 3.
    SortIngredientRows(rows, 2);
    EXPECT_EQ(rows[0].code, "100");
    EXPECT_EQ(rows[2].code, "3");
}

TEST(IngredientListSettingTest, StoredSortKeyOrNameAscending) {
    MemorySettingsStore settings;
    EXPECT_EQ(LocalSortKeySetting(settings), 1);
    settings.WriteInt("Mainframe\\Tab cols", "Ovl Tab Sort", -2);
    EXPECT_EQ(LocalSortKeySetting(settings), -2);
}

} // namespace
} // namespace ovl
