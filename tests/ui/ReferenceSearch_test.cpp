#include "app/Language.h"
#include "central/GrpIndex.h"
#include "central/ProvCache.h"
#include "tests/support/DatabaseTest.h"
#include "tests/support/ImportFixture.h"
#include "ui/ListSorting.h"
#include "ui/ReferenceSearch.h"

#include <gtest/gtest.h>

namespace ovl {
namespace {

TEST(ListSorting, HeaderClicksInvertOrChooseTheColumn) {
    const struct {
        int key, column, expected;
    } cases[] = {{2, 1, -2}, {-2, 1, 2}, {2, 0, 1}, {1, 0, -1}, {-5, 3, 4}, {3, 6, 3}, {3, -1, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(SortKeyAfterHeaderClick(c.key, c.column, 6), c.expected)
            << c.key << " column " << c.column;
}

std::vector<int> Ids(const std::vector<ReferenceRow>& rows) {
    std::vector<int> ids;
    for (const auto& row : rows)
        ids.push_back(row.productId);
    return ids;
}

TEST(ListSorting, ReferenceRowsOrderAsTheComparatorSays) {
    const struct {
        const char* name;
        int column;
        std::vector<std::string> texts;
        int key;
        std::vector<int> expected;
    } cases[] = {
        {"folded names, ties keep their order",
         1,
         {"\xC9"
          "clair",
          "eclair", "Abricot"},
         2,
         {3, 1, 2}},
        {"descending", 1, {"b", "a", "c"}, -2, {3, 1, 2}},
        {"dates ascending, empty first", 4, {"01/01/2024", "", "31/12/2023"}, 5, {2, 3, 1}},
        {"dates descending, empty last", 4, {"01/01/2024", "", "31/12/2023"}, -5, {1, 3, 2}},
        {"codes sort as text", 2, {"20", "100"}, 3, {2, 1}},
        {"key 0 keeps the order", 1, {"b", "a"}, 0, {1, 2}},
        {"a column that does not exist", 1, {"b", "a"}, 9, {1, 2}},
    };
    for (const auto& c : cases) {
        std::vector<ReferenceRow> rows;
        int id = 0;
        for (const auto& text : c.texts) {
            ReferenceRow row;
            row.productId = ++id;
            const_cast<std::string&>(row.Column(c.column)) = text;
            rows.push_back(row);
        }
        SortReferenceRows(rows, c.key);
        EXPECT_EQ(Ids(rows), c.expected) << c.name;
    }
}

// The search over a small central database.
class ReferenceSearchTest : public test::ImportTest {
protected:
    void SetUp() override {
        ImportTest::SetUp();
        if (IsSkipped())
            return;
        RunCentral(
            "INSERT INTO OVLNUTRIPROV (ID, PROV, OPENBAR) VALUES (1, 'Laiterie', 1), "
            "(2, 'Choisi', 1), (3, 'Ferm\xE9', 0);\n"
            "INSERT INTO OVLNUTRIUSRPROV (IDSERNUM, IDPROV) VALUES (1, 2);\n"
            "INSERT INTO OVLNUTRIGRP (ID, NAME_FR) VALUES (7, 'Laitages'), (8, 'Boissons');\n"
            "INSERT INTO OVLNUTRISRC (ID, CITATION, SOURCE) VALUES (5, 'Table Ciqual', NULL);\n"
            "INSERT INTO OVLNUTRIPROD (ID, PROVID, GRPID, REFFAB, SRCID, LASTUPDATE) VALUES "
            "(10, 1, 7, 'A-100', NULL, '2024-01-01 00:00:00'), "
            "(11, 2, 8, 'B-20', 5, '2023-12-31 00:00:00'), "
            "(12, 2, 7, 'c-3', NULL, NULL), (13, 3, 7, 'D', NULL, NULL), "
            "(14, 1, 8, 'E', NULL, '2022-06-01 00:00:00'), "
            "(15, 2, 8, 'F-1', NULL, NULL);\n"
            "INSERT INTO OVLNUTRIPROD_FR (ID, NAME) VALUES (10, 'Lait demi-%233cr%233m%233'), "
            "(11, 'Caf%233 au lait'), (12, 'Petit-lait'), (13, 'Lait ferm%233'), "
            "(14, 'L%039eau'), (15, 'LAIT DEMI-ECREME');\n");
        m_pSearch = std::make_unique<ReferenceSearch>(Central(), Caches(), 0, 1);
    }

    std::vector<int> Find(ReferenceSearchInputs inputs, bool strict = false, int key = 2) {
        return Ids(m_pSearch->Run(inputs, strict, key));
    }

    std::unique_ptr<ReferenceSearch> m_pSearch;
};

TEST_P(ReferenceSearchTest, FollowsTheInputRules) {
    const struct {
        const char* name;
        ReferenceSearchInputs inputs;
        bool strict;
        std::vector<int> expected;
    } cases[] = {
        {"nothing typed", {}, false, {}},
        {"one letter", {"l", "", "", -1, -1}, false, {}},
        {"one letter and a category", {"l", "", "", -1, 7}, false, {10, 12}},
        {"contains, folded; equal names keep the scan order",
         {"LA\xEET", "", "", -1, -1},
         false,
         {11, 10, 15, 12}},
        {"prefix", {"lait*", "", "", -1, -1}, false, {10, 15}},
        {"one letter and a star: anywhere", {"l*", "", "", -1, -1}, false, {}},
        {"code fragment", {"", "a-1", "", -1, -1}, false, {10}},
        {"source through the supplier name", {"", "", "laiteri", -1, -1}, false, {14, 10}},
        {"source citation", {"", "", "ciqual", -1, -1}, false, {11}},
        {"strict filter keeps the selected supplier", {"lait", "", "", -1, -1}, true, {11, 15, 12}},
        {"a supplier chosen", {"", "", "", 2, -1}, false, {11, 15, 12}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Find(c.inputs, c.strict), c.expected) << c.name;
}

TEST_P(ReferenceSearchTest, CacheOrderMatchesTheDisplayedRowsOrder) {
    const ReferenceSearchInputs everything{"", "", "", -1, 7};
    ReferenceSearchInputs all = everything;
    all.groupId = -1;
    all.code = "-";
    for (int key : {1, -1, 2, -2, 3, -3, 4, -4, 5, -5, 6, -6}) {
        std::vector<ReferenceRow> rows = m_pSearch->Run(all, false, 0);
        SortReferenceRows(rows, key);
        EXPECT_EQ(Find(all, false, key), Ids(rows)) << "key " << key;
    }
}

TEST_P(ReferenceSearchTest, RowsShowTheSixColumnsAndTheCount) {
    const auto rows = m_pSearch->Run({"", "b-2", "", -1, -1}, false, 2);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].supplier, "Choisi");
    EXPECT_EQ(rows[0].name, "Caf\xE9 au lait");
    EXPECT_EQ(rows[0].code, "B-20");
    EXPECT_EQ(rows[0].category, "Boissons");
    EXPECT_EQ(rows[0].lastUpdate, "31/12/2023");
    EXPECT_EQ(rows[0].source, "Table Ciqual");
    SetLanguage(0);
    EXPECT_EQ(ReferenceCountText(0), "0 produit trouv\xE9.");
    EXPECT_EQ(ReferenceCountText(1), "1 produit trouv\xE9.");
    EXPECT_EQ(ReferenceCountText(2), "2 produits trouv\xE9s.");
}

OVL_INSTANTIATE_FOR_EVERY_BACKEND(ReferenceSearchTest);

} // namespace
} // namespace ovl
