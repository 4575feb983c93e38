#include "central/AlrgCache.h"
#include "central/LibCache.h"
#include "central/LibPreEmbCache.h"
#include "central/MsLibCache.h"
#include "central/ProvCache.h"
#include "central/SrcCache.h"
#include "local/LibellesPreEmballeSet.h"
#include "platform/DbException.h"
#include "tests/central/CentralDatabaseTest.h"
#include "tests/support/TestCacheProvider.h"

#include <ctime>
#include <stdexcept>

namespace ovl {
namespace {

using test::CentralDatabaseTest;

constexpr int kGerman = 2;
constexpr int kSpanish = 3;

std::uint64_t Bits(std::initializer_list<int> bits) {
    std::uint64_t mask = 0;
    for (int bit : bits)
        mask |= std::uint64_t{1} << bit;
    return mask;
}

std::int64_t LocalTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm tm{};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    tm.tm_hour = hour;
    tm.tm_min = minute;
    tm.tm_sec = second;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

class CachesTest : public CentralDatabaseTest {};

TEST_P(CachesTest, SupplierAvailabilityDateAndSelection) {
    Database().RunStatements(
        "INSERT INTO OVLNUTRIPROV (ID, PROV, OPENBAR, DATEMAJ) VALUES (1, 'L%039Or %% Co', NULL, "
        "NULL);\n"
        "INSERT INTO OVLNUTRIPROV (ID, PROV, OPENBAR, DATEMAJ) VALUES (2, 'Ouvert', 1, "
        "'2022-03-04 05:06:07');\n"
        "INSERT INTO OVLNUTRIPROV (ID, PROV, OPENBAR) VALUES (3, 'Presque', 254);\n"
        "INSERT INTO OVLNUTRIPROV (ID, PROV, OPENBAR) VALUES (4, 'Ferm\xE9', 0);\n"
        "INSERT INTO OVLNUTRIPROV (ID, PROV, OPENBAR) VALUES (5, 'Deux', 2);\n"
        "INSERT INTO OVLNUTRIPROV (ID, PROV, OPENBAR) VALUES (6, 'Autre compte', 255);\n"
        "INSERT INTO OVLNUTRIUSRPROV (IDSERNUM, IDPROV) VALUES (42, 1);\n"
        "INSERT INTO OVLNUTRIUSRPROV (IDSERNUM, IDPROV) VALUES (42, 2);\n"
        "INSERT INTO OVLNUTRIUSRPROV (IDSERNUM, IDPROV) VALUES (42, 4);\n"
        "INSERT INTO OVLNUTRIUSRPROV (IDSERNUM, IDPROV) VALUES (42, 99);\n"
        "INSERT INTO OVLNUTRIUSRPROV (IDSERNUM, IDPROV) VALUES (7, 6);\n");
    CProvCache cache;
    cache.Build(Connection(), 42);

    struct Case {
        int id;
        int openBar;
        bool enabled;
        bool selected; // a withdrawn supplier never counts as selected
    } const cases[] = {{1, 255, true, true}, {2, 1, true, true},   {3, 254, true, false},
                       {4, 0, false, false}, {5, 2, false, false}, {6, 255, true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "supplier " << c.id);
        const PROVCACHE* record = cache.FindRecord(c.id);
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(record->m_nOPENBAR, c.openBar);
        EXPECT_EQ(record->m_bEnabled, c.enabled);
        EXPECT_EQ(record->m_bSelected, c.selected);
        EXPECT_FALSE(record->m_bTicked);
    }
    EXPECT_EQ(cache.FindRecord(1)->m_tDATEMAJ, LocalTime(2019, 12, 31, 0, 0, 0));
    EXPECT_EQ(cache.FindRecord(2)->m_tDATEMAJ, LocalTime(2022, 3, 4, 5, 6, 7));

    EXPECT_EQ(cache.GetName(1), "L'Or % Co");
    EXPECT_EQ(cache.GetName(99), "");
    EXPECT_EQ(cache.FindRecord(99), nullptr);
    ASSERT_EQ(cache.GetCount(), 6);
    EXPECT_EQ(cache.GetSearchKeyByRow(3), "FERME");
    EXPECT_EQ(cache.GetNameByRow(3), "Ferm\xE9");
    EXPECT_THROW(cache.GetRecord(6), std::invalid_argument);
    EXPECT_THROW(cache.GetNameByRow(-1), std::invalid_argument);
}

TEST_P(CachesTest, SourceCitationsOnlyOfCitedSources) {
    Database().RunStatements(
        "INSERT INTO OVLNUTRISRC (ID, CITATION, SOURCE) VALUES (1, 'Ciqual 2020', NULL);\n"
        "INSERT INTO OVLNUTRISRC (ID, CITATION, SOURCE) VALUES (2, 'Interne', 'x');\n"
        "INSERT INTO OVLNUTRISRC (ID, CITATION, SOURCE) VALUES (3, NULL, NULL);\n"
        "INSERT INTO OVLNUTRISRC (ID, CITATION, SOURCE) VALUES (4, 'Table d%039or', NULL);\n");
    CSrcCache cache;
    EXPECT_EQ(cache.GetCitation(1), ""); // not built yet
    cache.Build(Connection());
    EXPECT_EQ(cache.GetCount(), 2);
    for (auto [id, citation] : {std::pair{1, "Ciqual 2020"}, std::pair{2, ""}, std::pair{3, ""},
                                std::pair{4, "Table d'or"}, std::pair{-1, ""}})
        EXPECT_EQ(cache.GetCitation(id), citation) << "source " << id;
}

TEST_P(CachesTest, NutrientLabelsByLocalAndCentralId) {
    Database().RunStatements(
        "INSERT INTO OVLNUTRILIB (ID, IDOVL, LIBELLE_FR, LIBELLE_DE, UNITE, CATEG, PARAM1) VALUES "
        "(12, 6, '\xC9nergie', 'Energie', 'kcal', NULL, NULL);\n"
        "INSERT INTO OVLNUTRILIB (ID, IDOVL, LIBELLE_FR, LIBELLE_DE, UNITE, CATEG, PARAM1) VALUES "
        "(13, 40, 'Sucres', 'Zucker', 'g', 4, 0.5);\n"
        "INSERT INTO OVLNUTRILIB (ID, IDOVL, LIBELLE_FR, LIBELLE_DE, UNITE, CATEG, PARAM1) VALUES "
        "(20, -1, 'Ignor\xE9', 'Ignoriert', 'g', 4, 1);\n"
        "INSERT INTO OVLNUTRILIB (ID, IDOVL, LIBELLE_FR, LIBELLE_DE, UNITE, CATEG, PARAM1) VALUES "
        "(14, 41, 'Amidon', 'St\xE4rke', 'mg%%', 4, 1);\n");
    CLibCache cache;
    cache.Build(Connection(), kGerman);

    EXPECT_EQ(cache.GetCount(), 3);
    EXPECT_EQ(cache.GetLabel(40), "Zucker");
    EXPECT_EQ(cache.GetUnit(41), "mg%");
    EXPECT_EQ(cache.GetLabelByCentralId(14), "St\xE4rke");
    EXPECT_EQ(cache.GetUnitByCentralId(12), "kcal");
    ASSERT_NE(cache.FindRecord(40), nullptr);
    EXPECT_EQ(cache.FindRecord(40)->m_nID, 13);
    EXPECT_EQ(cache.FindRecord(40)->m_nCATEG, 4);
    EXPECT_DOUBLE_EQ(cache.FindRecord(40)->m_dPARAM1, 0.5);
    ASSERT_NE(cache.FindRecordByCentralId(12), nullptr);
    EXPECT_EQ(cache.FindRecordByCentralId(12)->m_nIDOVL, 6);
    EXPECT_EQ(cache.FindRecordByCentralId(12)->m_nCATEG, 0);
    EXPECT_DOUBLE_EQ(cache.FindRecordByCentralId(12)->m_dPARAM1, 0.0);
    // IDOVL -1 is never loaded.
    EXPECT_EQ(cache.FindRecordByCentralId(20), nullptr);
    EXPECT_EQ(cache.GetLabel(-1), "");
    EXPECT_EQ(cache.GetUnitByCentralId(99), "");
    EXPECT_EQ(cache.Categ4CentralIds(), "13,14");
    EXPECT_EQ(cache.Categ4LocalIds(), "40,41");
}

class AlrgCacheTest : public CentralDatabaseTest {
protected:
    void SetUp() override {
        CentralDatabaseTest::SetUp();
        if (IsSkipped())
            return;
        // Groups 29, 30 and 27 with their local classes 500, 600 and 700.
        Database().RunStatements(
            "INSERT INTO OVLNUTRIALRG (ID, CODE, LIBELLE_FR, LIBELLE_DE, GROUPE, IDOVL, PARENTOVL)"
            " VALUES (29, 'GLU', 'C\xE9r\xE9"
            "ales', 'Getreide', 29, 500, 26);\n"
            "INSERT INTO OVLNUTRIALRG (ID, CODE, LIBELLE_FR, LIBELLE_DE, GROUPE, IDOVL, PARENTOVL)"
            " VALUES (1, 'BLE', 'Bl\xE9', 'Weizen', 29, NULL, NULL);\n"
            "INSERT INTO OVLNUTRIALRG (ID, CODE, LIBELLE_FR, LIBELLE_DE, GROUPE, IDOVL, PARENTOVL)"
            " VALUES (2, 'ORG', 'Orge', 'Gerste', 29, 502, 500);\n"
            "INSERT INTO OVLNUTRIALRG (ID, CODE, LIBELLE_FR, LIBELLE_DE, GROUPE, IDOVL, PARENTOVL)"
            " VALUES (30, 'NUT', 'Fruits \xE0 coque', 'N%%sse', 30, 600, 26);\n"
            "INSERT INTO OVLNUTRIALRG (ID, CODE, LIBELLE_FR, LIBELLE_DE, GROUPE, IDOVL, PARENTOVL)"
            " VALUES (3, 'AMA', 'Amande', 'Mandel', 30, 601, 600);\n"
            "INSERT INTO OVLNUTRIALRG (ID, CODE, LIBELLE_FR, LIBELLE_DE, GROUPE, IDOVL, PARENTOVL)"
            " VALUES (27, 'MIL', 'Lait', 'Milch', 27, 700, 26);\n"
            "INSERT INTO OVLNUTRIALRG (ID, CODE, LIBELLE_FR, LIBELLE_DE, GROUPE, IDOVL, PARENTOVL)"
            " VALUES (4, 'QPC', 'Noix d%039%%', '%039%%%039 der N%%sse%039', 27, NULL, NULL);\n"
            "INSERT INTO OVLNUTRIALRG (ID, CODE, LIBELLE_FR, LIBELLE_DE, GROUPE, IDOVL, PARENTOVL)"
            " VALUES (70, 'X70', 'Soixante-dix', 'Siebzig', 29, NULL, NULL);\n"
            "INSERT INTO OVLNUTRIALRG (ID, CODE) VALUES (5, NULL);\n"
            // 499 has the German name but a parent that is no allergen class.
            "INSERT INTO Categories (CLASS_ID, PERE_ID, NAME_1, NAME_3) VALUES (499, 999, "
            "'Weizen', 'Weizen');\n"
            "INSERT INTO Categories (CLASS_ID, PERE_ID, NAME_1, NAME_3) VALUES (501, 500, "
            "'Bl\xE9', 'Weizen');\n"
            "INSERT INTO Categories (CLASS_ID, PERE_ID, NAME_1, NAME_3) VALUES (701, 700, "
            "'Noix', '%039%%%039 der N%%sse%039');\n"
            // The German name of allergen 70 held in the French column only.
            "INSERT INTO Categories (CLASS_ID, PERE_ID, NAME_1, NAME_3) VALUES (800, 500, "
            "'Siebzig', 'Nichts');\n");
    }
};

TEST_P(AlrgCacheTest, ResolvesMissingClassesByNameInTheUserLanguage) {
    struct Case {
        int language;
        int allergen;
        int classId;
        int parent;
    } const cases[] = {
        {kGerman, 1, 501, 500}, // 499 is passed over: its parent is no allergen class
        {kGerman, 4, 701, 700}, // quotes and percent signs compared in stored form
        {kGerman, 70, -1, -1},  // the French column is not the German one
        {kGerman, 5, -1, -1},   {0, 1, 501, 500}, {0, 4, -1, -1}, {0, 70, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "language " << c.language << ", allergen " << c.allergen);
        CAlrgCache cache;
        cache.Build(Connection(), Connection(), c.language);
        const ALRGCACHE* record = cache.FindRecord(c.allergen);
        ASSERT_NE(record, nullptr);
        EXPECT_EQ(record->m_nIDOVL, c.classId);
        EXPECT_EQ(record->m_nPARENTOVL, c.parent);
        if (c.classId != -1) {
            ASSERT_NE(cache.FindRecordByLocalClass(c.classId), nullptr);
            EXPECT_EQ(cache.FindRecordByLocalClass(c.classId)->m_nID, c.allergen);
        }
    }
}

TEST_P(AlrgCacheTest, NamesRecordsAndGroups) {
    CAlrgCache cache;
    cache.Build(Connection(), Connection(), kGerman);

    EXPECT_EQ(cache.GetCount(), 9);
    EXPECT_EQ(cache.GetHighestId(), 70);
    EXPECT_EQ(cache.GetName(4), "'%' der N%sse'");
    EXPECT_EQ(cache.GetName(30), "N%sse");
    EXPECT_EQ(cache.GetName(70), "Siebzig"); // cached and named ...
    EXPECT_EQ(cache.GetName(6), "");
    for (int row = 0; row < cache.GetCount(); ++row) {
        if (cache.GetRecord(row).m_nID == 29) {
            EXPECT_EQ(cache.GetCodeByRow(row), "GLU");
        }
    }
    EXPECT_EQ(cache.FindRecord(5)->m_nGROUPE, -1);
    EXPECT_EQ(cache.FindRecordByLocalClass(601)->m_nID, 3);
    EXPECT_EQ(cache.FindRecord(71), nullptr);
    EXPECT_THROW(cache.GetRecord(9), std::invalid_argument);
    EXPECT_THROW(cache.GetNameByRow(-1), std::invalid_argument);

    // ... but in no group set: it has no bit in a mask.
    EXPECT_EQ(cache.GetGroupMembers(29), Bits({1, 2}));
    EXPECT_EQ(cache.GetGroupMembers(30), Bits({3}));
    EXPECT_EQ(cache.GetGroupMembers(27), Bits({4}));

    struct Case {
        const char* name;
        std::uint64_t mask;
        std::uint64_t marked;
        std::uint64_t collapsed; // CollapseGroups of the marked mask
        std::uint64_t folded;
    } const cases[] = {
        {"group 29 complete", Bits({1, 2}), Bits({1, 2, 29}), Bits({29}), Bits({29})},
        {"group 29 partial", Bits({1, 5}), Bits({1, 5}), Bits({1, 5}), Bits({1, 5})},
        {"all complete", Bits({1, 2, 3, 4}), Bits({1, 2, 3, 4, 27, 29, 30}), Bits({27, 29, 30}),
         Bits({4, 29, 30})},
        {"own bit without members", Bits({27, 8}), Bits({27, 8}), Bits({27, 8}), Bits({27, 8})},
        {"empty", 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(cache.MarkCompleteGroups(c.mask), c.marked);
        EXPECT_EQ(cache.CollapseGroups(cache.MarkCompleteGroups(c.mask)), c.collapsed);
        EXPECT_EQ(cache.FoldGroupsForDisplay(c.mask), c.folded);
    }
    EXPECT_EQ(cache.CollapseGroups(Bits({1, 2, 3, 29})), Bits({3, 29}));
}

// A group without members is never complete, so its bit is never added.
TEST_P(CachesTest, GroupsWithoutMembersAreNeverComplete) {
    CAlrgCache cache;
    cache.Build(Connection(), Connection(), 0);
    EXPECT_EQ(cache.GetHighestId(), -1);
    for (std::uint64_t mask : {std::uint64_t{0}, Bits({5})}) {
        EXPECT_EQ(cache.MarkCompleteGroups(mask), mask);
        EXPECT_EQ(cache.FoldGroupsForDisplay(mask), mask);
    }
}

TEST_P(CachesTest, MentionLabelsDenominationsAndLocalMatches) {
    Database().RunStatements(
        "INSERT INTO OVLNUTRIMSLIB (ID, TYPE, LIBELLE_FR, LIBELLE_EN) VALUES (11, 0, 'PAIN DE "
        "MI\xC8', 'Bread 2');\n"
        "INSERT INTO OVLNUTRIMSLIB (ID, TYPE, LIBELLE_FR, LIBELLE_EN) VALUES (10, 0, 'Pain de "
        "mie', 'Sandwich bread');\n"
        "INSERT INTO OVLNUTRIMSLIB (ID, TYPE, LIBELLE_FR, LIBELLE_EN) VALUES (12, 1, 'Farine', "
        "'Flour');\n"
        "INSERT INTO OVLNUTRIMSLIB (ID, TYPE, LIBELLE_FR, LIBELLE_EN) VALUES (20, 7, 'Contient "
        "de l%039alcool %%', 'Contains alcohol');\n"
        "INSERT INTO OVLNUTRIMSLIB (ID, TYPE, LIBELLE_FR, LIBELLE_EN) VALUES (21, 8, 'Sans "
        "correspondance', 'None');\n"
        "INSERT INTO OVLNUTRIMSLIB (ID, TYPE, LIBELLE_FR, LIBELLE_EN) VALUES (22, 6, "
        "'Conservateur', 'Preservative');\n"
        "INSERT INTO OVLNUTRIMSLIB (ID, TYPE, LIBELLE_FR, LIBELLE_EN) VALUES (30, 2, 'Autre', "
        "'Other');\n"
        "INSERT INTO LibellesPreEmballe (ID, NAME_1, TYPE, OWNER) VALUES (4, 'Sans "
        "correspondance', 1, 0);\n"
        "INSERT INTO LibellesPreEmballe (ID, NAME_1, TYPE, OWNER) VALUES (5, 'Contient de "
        "l%039alcool %%', 8, 0);\n"
        "INSERT INTO LibellesPreEmballe (ID, NAME_1, TYPE, OWNER) VALUES (6, 'Conservateur', 7, "
        "0);\n");
    CMsLibCache cache;
    cache.Build(Connection(), Connection(), 0);

    // Read by type then identifier: 10, 11, 12, 22, 20, 21.
    ASSERT_EQ(cache.GetCount(), 6);
    EXPECT_EQ(cache.GetLabelByRow(0, 1), "Sandwich bread");
    EXPECT_EQ(cache.GetLabelByRow(-1, 0), "");
    EXPECT_EQ(cache.GetLabelByRow(6, 0), "");
    EXPECT_EQ(cache.GetLabelByRow(3, 9), "Conservateur"); // unknown language: French
    EXPECT_EQ(cache.GetLabel(20, 0), "Contient de l'alcool %");
    EXPECT_EQ(cache.GetLabel(20, 1), "Contains alcohol");
    EXPECT_EQ(cache.GetLabel(30, 0), "");

    // Both type-0 labels fold to one key: the later one (11) wins.
    EXPECT_EQ(cache.FindDenomination("pain de mi\xE8"), 1);
    EXPECT_EQ(cache.FindDenomination("Farine"), -1); // type 1 is not searched by text
    EXPECT_EQ(cache.FindDenomination("pain"), -1);

    struct Case {
        int mention;
        int localId;
    } const cases[] = {{20, 5}, {21, -1}, {22, -1}, {10, -1}};
    for (const Case& c : cases) {
        ASSERT_NE(cache.FindRecord(c.mention), nullptr) << "mention " << c.mention;
        EXPECT_EQ(cache.FindRecord(c.mention)->m_nLocalId, c.localId) << "mention " << c.mention;
    }
    EXPECT_EQ(cache.FindRowByLocalId(5), 4);
    EXPECT_EQ(cache.FindRowByLocalId(6), -1);
    EXPECT_EQ(cache.FindRecord(30), nullptr);
}

class LibPreEmbCacheTest : public CentralDatabaseTest {
protected:
    std::string StoredName(int id, db::TextField CLibellesPreEmballeSet::*member) {
        CLibellesPreEmballeSet rs(&Connection(), false, 0);
        rs.m_strFilter = "[ID]=" + std::to_string(id);
        rs.Open();
        return rs.IsEOF() ? "<none>" : (rs.*member).Value();
    }
};

TEST_P(LibPreEmbCacheTest, LabelsOfTheUserLanguageByIdAndText) {
    Database().RunStatements(
        "INSERT INTO LibellesPreEmballe (ID, NAME_1, NAME_4, TYPE) VALUES (3, 'Pain', 'Pan', "
        "0);\n"
        "INSERT INTO LibellesPreEmballe (ID, NAME_1, NAME_4, TYPE) VALUES (7, 'Sel', 'Sal', 1);\n"
        "INSERT INTO LibellesPreEmballe (ID, NAME_1, NAME_4, TYPE) VALUES (8, 'Autre', 'Otro', "
        "2);\n"
        "INSERT INTO LibellesPreEmballe (ID, NAME_1, NAME_4, TYPE) VALUES (9, 'Sucre', "
        "'Az%250car', 6);\n");
    CLibPreEmbCache cache;
    cache.Build(Connection(), kSpanish);

    ASSERT_EQ(cache.GetCount(), 3);
    EXPECT_EQ(cache.FindLabel("PAN", 0), 0);
    EXPECT_EQ(cache.FindLabel("pan", 1), -1);
    EXPECT_EQ(cache.FindLabel("azucar", 6), 2);
    EXPECT_EQ(cache.GetLabel(9), "Az\xFA"
                                 "car");
    EXPECT_EQ(cache.GetLabel(7), "Sal");
    EXPECT_EQ(cache.GetLabel(8), "");
    EXPECT_EQ(cache.GetRecord(1).m_nID, 7);
    EXPECT_EQ(cache.GetRecord(1).m_nTYPE, 1);
    EXPECT_THROW(cache.GetLabelByRow(3), std::invalid_argument);

    const std::int32_t id =
        cache.AddLabel(Connection(), {"Pain d'%", "Bread", "Brot", "Pan d'%", "Pane"}, 0);
    EXPECT_EQ(id, 10);
    EXPECT_EQ(cache.GetLabel(10), "Pan d'%");
    EXPECT_EQ(cache.FindLabel("PAN D'%", 0), 3);
    EXPECT_EQ(cache.FindRow(10), 3);
    EXPECT_EQ(StoredName(10, &CLibellesPreEmballeSet::m_NAME_1), "Pain d%039%%");
    EXPECT_EQ(StoredName(10, &CLibellesPreEmballeSet::m_NAME_4), "Pan d%039%%");
    EXPECT_EQ(StoredName(10, &CLibellesPreEmballeSet::m_NAME_3), "Brot");
}

TEST_P(LibPreEmbCacheTest, FirstLabelOfAnEmptyTableIsOne) {
    CLibPreEmbCache cache;
    cache.Build(Connection(), 0);
    EXPECT_EQ(cache.GetCount(), 0);
    EXPECT_EQ(cache.AddLabel(Connection(), {"Farine", "", "", "", ""}, 1), 1);
    EXPECT_EQ(cache.AddLabel(Connection(), {"Sel", "", "", "", ""}, 1), 2);
    EXPECT_EQ(cache.FindLabel("farine", 1), 0);
    EXPECT_EQ(cache.GetLabel(2), "Sel");
    CLibellesPreEmballeSet rs(&Connection(), false, 0);
    rs.m_strFilter = "[ID]=1";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.m_TYPE, 1);
    EXPECT_EQ(rs.m_OWNER, 0);
}

// A build that fails leaves the slot empty; once the cause is gone, the next call builds.
TEST_P(CachesTest, FailedBuildLeavesTheSlotEmpty) {
    test::TestCacheProvider provider(Connection(), Connection(), kGerman, 42);
    Database().RunStatements("DROP TABLE OVLNUTRISRC;\n");
    EXPECT_THROW(provider.ProdCache(), db::DbException);
    EXPECT_FALSE(provider.HasSrcCache());
    EXPECT_FALSE(provider.HasProdCache());

    Database().RunStatements("CREATE TABLE OVLNUTRISRC (ID INTEGER NOT NULL, CITATION "
                             "VARCHAR(255) NULL, SOURCE VARCHAR(255) NULL, PRIMARY KEY (ID));\n"
                             "DROP TABLE OVLNUTRIPROD_DE;\n");
    EXPECT_THROW(provider.ProdCache(), db::DbException);
    EXPECT_TRUE(provider.HasSrcCache());
    EXPECT_TRUE(provider.HasProvCache());
    EXPECT_FALSE(provider.HasProdCache());

    Database().RunStatements("CREATE TABLE OVLNUTRIPROD_DE (ID INTEGER NOT NULL, NAME "
                             "VARCHAR(255) NULL, INGLIST TEXT NULL, PRIMARY KEY (ID));\n");
    CProdCache& cache = provider.ProdCache();
    EXPECT_TRUE(cache.IsLoaded());
    EXPECT_EQ(&provider.ProdCache(), &cache);
    EXPECT_EQ(&provider.SrcCache(), &provider.SrcCache());
}

OVL_INSTANTIATE_FOR_EVERY_BACKEND(CachesTest);
OVL_INSTANTIATE_FOR_EVERY_BACKEND(AlrgCacheTest);
OVL_INSTANTIATE_FOR_EVERY_BACKEND(LibPreEmbCacheTest);

} // namespace
} // namespace ovl
