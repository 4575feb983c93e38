#include "central/ProdCache.h"
#include "tests/central/CentralDatabaseTest.h"
#include "tests/support/TestCacheProvider.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

namespace ovl {
namespace {

using test::CentralDatabaseTest;

class ProdCacheSearchTest : public CentralDatabaseTest {
protected:
    void SetUp() override {
        CentralDatabaseTest::SetUp();
        if (IsSkipped())
            return;
        // Supplier 3 is not in the supplier table; source 2 is not cited (SOURCE not NULL).
        Database().RunStatements(
            "INSERT INTO OVLNUTRIPROV (ID, PROV, OPENBAR) VALUES (1, 'Laiterie Dupont', 1);\n"
            "INSERT INTO OVLNUTRIPROV (ID, PROV, OPENBAR) VALUES (2, 'Ferm\xE9', 0);\n"
            "INSERT INTO OVLNUTRISRC (ID, CITATION, SOURCE) VALUES (1, 'Ciqual', NULL);\n"
            "INSERT INTO OVLNUTRISRC (ID, CITATION, SOURCE) VALUES (2, 'Interne', 'x');\n"
            "INSERT INTO OVLNUTRIPROD (ID, PROVID, CIQID, GRPID, REFFAB, SRCID, LASTUPDATE) "
            "VALUES (1, 1, 77, 10, 'ab-12', NULL, '2024-03-05 10:11:12');\n"
            "INSERT INTO OVLNUTRIPROD (ID, PROVID, GRPID, REFFAB, SRCID) "
            "VALUES (2, 1, 11, NULL, 1);\n"
            "INSERT INTO OVLNUTRIPROD (ID, PROVID, GRPID, REFFAB) VALUES (3, 2, 10, 'AB-13');\n"
            "INSERT INTO OVLNUTRIPROD (ID, PROVID, GRPID, REFFAB) VALUES (4, 3, 10, 'AB-14');\n"
            "INSERT INTO OVLNUTRIPROD (ID, PROVID, GRPID, REFFAB, SRCID) "
            "VALUES (5, 1, 10, 'X%039Y', 2);\n"
            "INSERT INTO OVLNUTRIPROD (ID, PROVID, GRPID) VALUES (6, 1, NULL);\n"
            "INSERT INTO OVLNUTRIPROD (ID, PROVID, GRPID) VALUES (7, 1, 12);\n"
            "INSERT INTO OVLNUTRIPROD (ID, PROVID, GRPID) VALUES (8, 1, 12);\n"
            "INSERT INTO OVLNUTRIPROD_FR (ID, NAME) VALUES (1, 'Lait demi-\xE9\x63r\xE9m\xE9');\n"
            "INSERT INTO OVLNUTRIPROD_FR (ID, NAME) VALUES (2, 'Caf\xE9 au lait');\n"
            "INSERT INTO OVLNUTRIPROD_FR (ID, NAME) VALUES (3, 'Lait cru');\n"
            "INSERT INTO OVLNUTRIPROD_FR (ID, NAME) VALUES (4, 'Lait de ch\xE8vre');\n"
            "INSERT INTO OVLNUTRIPROD_FR (ID, NAME) VALUES (5, 'La\xEEt d%039\xE2nesse');\n"
            "INSERT INTO OVLNUTRIPROD_FR (ID, NAME) VALUES (7, 'Gala');\n"
            "INSERT INTO OVLNUTRIPROD_FR (ID, NAME) VALUES (8, 'Ithaque');\n");
        m_pProvider = std::make_unique<test::TestCacheProvider>(Connection(), Connection(), 0, 1);
    }

    // The product identifiers of every row found, in identifier order.
    std::vector<int> Search(const char* name, const char* code, int group, int supplier,
                            const char* source, bool prefix) {
        CProdCache& cache = m_pProvider->ProdCache();
        std::vector<int> ids;
        for (int row = cache.StartSearch(name, code, group, supplier, source, prefix); row != -1;
             row = cache.FindNext())
            ids.push_back(cache.GetRecord(row).m_nID);
        std::sort(ids.begin(), ids.end());
        return ids;
    }

    std::unique_ptr<test::TestCacheProvider> m_pProvider;
};

TEST_P(ProdCacheSearchTest, CriteriaSelectEnabledProducts) {
    struct Case {
        const char* what;
        const char* name;
        const char* code;
        int group;
        int supplier;
        const char* source;
        bool prefix;
        std::vector<int> ids;
    } const cases[] = {
        // 3 has a withdrawn supplier, 4 one that is not cached: never found.
        {"name contains", "LAIT", "", -1, -1, "", false, {1, 2, 5}},
        {"lower case", "lait", "", -1, -1, "", false, {1, 2, 5}},
        {"accent", "la\xEEt", "", -1, -1, "", false, {1, 2, 5}},
        {"name prefix", "LAIT", "", -1, -1, "", true, {1, 5}},
        {"prefix in the middle", "AU LAIT", "", -1, -1, "", true, {}},
        {"decoded quote", "D'ANESSE", "", -1, -1, "", false, {5}},
        {"no join of two names", "GALAITHAQUE", "", -1, -1, "", false, {}},
        {"code", "", "ab-1", -1, -1, "", false, {1}},
        {"code as stored", "", "x%039", -1, -1, "", false, {5}},
        {"source is the supplier", "", "", -1, -1, "dupont", false, {1, 6, 7, 8}},
        {"source citation", "", "", -1, -1, "CIQ", false, {2}},
        {"uncited source has no text", "", "", -1, -1, "interne", false, {}},
        {"group", "", "", 10, -1, "", false, {1, 5}},
        {"supplier", "", "", -1, 1, "", false, {1, 2, 5, 6, 7, 8}},
        {"withdrawn supplier", "", "", -1, 2, "", false, {}},
        {"supplier not cached", "", "", -1, 3, "", false, {}},
        {"all together", "lait", "AB", 10, 1, "laiterie", true, {1}},
        {"nothing", "", "", -1, -1, "", false, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Search(c.name, c.code, c.group, c.supplier, c.source, c.prefix), c.ids) << c.what;
}

TEST_P(ProdCacheSearchTest, SearchStepsThroughTheRowsOnce) {
    CProdCache& cache = m_pProvider->ProdCache();
    EXPECT_EQ(cache.StartSearch("", "", -1, -1, "", false), -1);
    EXPECT_EQ(cache.FindNext(), -1);

    int row = cache.StartSearch("", "", 12, -1, "", false);
    ASSERT_NE(row, -1);
    const int next = cache.FindNext();
    ASSERT_NE(next, -1);
    EXPECT_GT(next, row);
    EXPECT_EQ(cache.FindNext(), -1);
    EXPECT_EQ(cache.FindNext(), -1);

    // A search without criteria ends the one before.
    cache.StartSearch("", "", 12, -1, "", false);
    EXPECT_EQ(cache.StartSearch("", "", -1, -1, "", false), -1);
    EXPECT_EQ(cache.FindNext(), -1);
}

TEST_P(ProdCacheSearchTest, RowsHoldTheProductTexts) {
    CProdCache& cache = m_pProvider->ProdCache();
    ASSERT_EQ(cache.GetCount(), 8);
    EXPECT_EQ(cache.FindRow(999), -1);
    EXPECT_EQ(cache.FindRow(-1), -1);

    const int first = cache.FindRow(1);
    ASSERT_NE(first, -1);
    EXPECT_EQ(cache.GetName(first), "Lait demi-\xE9\x63r\xE9m\xE9");
    EXPECT_EQ(cache.GetRefFab(first), "ab-12");
    EXPECT_EQ(cache.GetDateText(first), "05/03/2024");
    const PRODCACHE record = cache.GetRecord(first);
    EXPECT_EQ(record.m_nPROVID, 1);
    EXPECT_EQ(record.m_nGRPID, 10);
    EXPECT_EQ(record.m_nSRCID, -1);
    EXPECT_TRUE(record.m_bHasCIQID);

    const int second = cache.FindRow(2);
    EXPECT_EQ(cache.GetRecord(second).m_nSRCID, 1);
    EXPECT_FALSE(cache.GetRecord(second).m_bHasCIQID);
    EXPECT_EQ(cache.GetRefFab(second), "");
    EXPECT_EQ(cache.GetDateText(second), "");
    EXPECT_EQ(cache.GetName(cache.FindRow(5)), "La\xEEt d'\xE2nesse");
    EXPECT_EQ(cache.GetRefFab(cache.FindRow(5)), "X%039Y"); // as stored

    // No name in the language; no group.
    const int sixth = cache.FindRow(6);
    EXPECT_EQ(cache.GetName(sixth), "");
    EXPECT_EQ(cache.GetRecord(sixth).m_nGRPID, -1);

    EXPECT_THROW(cache.GetRecord(-1), std::invalid_argument);
    EXPECT_THROW(cache.GetName(8), std::invalid_argument);
    EXPECT_THROW(cache.GetDateText(8), std::invalid_argument);
}

TEST_P(ProdCacheSearchTest, UnbuiltCacheFindsNothing) {
    CProdCache cache;
    EXPECT_EQ(cache.StartSearch("LAIT", "", -1, -1, "", false), -1);
    EXPECT_EQ(cache.FindNext(), -1);
    EXPECT_EQ(cache.FindRow(1), -1);
}

OVL_INSTANTIATE_FOR_EVERY_BACKEND(ProdCacheSearchTest);

} // namespace
} // namespace ovl
