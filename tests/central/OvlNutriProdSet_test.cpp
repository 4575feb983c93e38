#include "app/TextCodec.h"
#include "central/OvlNutriProdSet.h"
#include "tests/central/CentralDatabaseTest.h"

#include <optional>

namespace ovl {
namespace {

using db::Bytes;
using db::FieldType;
using db::OpenType;
using db::Value;
using test::CentralDatabaseTest;

class OvlNutriProdSetTest : public CentralDatabaseTest {
protected:
    void InsertProduct(int id, const Value& alrg = std::monostate{},
                       const Value& alrgPoss = std::monostate{}) {
        Execute("INSERT INTO [OVLNUTRIPROD] ([ID],[PROVID],[CIQID],[GRPID],[DATEMAJ],[REFFAB],"
                "[ALRG],[ALRGPOSS],[SRCID],[OPTIONS],[COMPOSPCT],[ADDITCODEE],[REFFICHEPROD],"
                "[LASTUPDATE],[DENOMLEGID],[COMPOSID],[ADDITCATEGID])"
                " VALUES (?,7,NULL,3,?,'R-12',?,?,NULL,18,12.5,'E330',NULL,?,40,41,NULL)",
                {id, kDateMaj, alrg, alrgPoss, kLastUpdate},
                {FieldType::Long, FieldType::Date, FieldType::Binary, FieldType::Binary,
                 FieldType::Date});
    }

    void InsertName(const std::string& suffix, int id, const std::string& name,
                    const std::string& inglist) {
        Execute("INSERT INTO [OVLNUTRIPROD_" + suffix + "] ([ID],[NAME],[INGLIST]) VALUES (?,?,?)",
                {id, name, inglist}, {FieldType::Long, FieldType::Text, FieldType::Text});
    }

    static constexpr db::DateTime kDateMaj{2023, 4, 5, 10, 20, 30};
    static constexpr db::DateTime kLastUpdate{2024, 1, 2, 3, 4, 5};
};

TEST_P(OvlNutriProdSetTest, FullModeReadsEveryColumnOfTheLanguage) {
    InsertProduct(1, Bytes{0x02}, Bytes{0x01});
    InsertName("FR", 1, "Beurre", "Cr\xE8me");
    InsertName("EN", 1, "Butter", "Cream");
    InsertName("SP", 1, "Mantequilla", "Nata");

    struct Case {
        int language;
        const char* name;
        const char* inglist;
    } const cases[] = {
        {0, "Beurre", "Cr\xE8me"}, {1, "Butter", "Cream"},     {3, "Mantequilla", "Nata"},
        {7, "Beurre", "Cr\xE8me"}, {-1, "Beurre", "Cr\xE8me"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "language index " << c.language);
        COvlNutriProdSet rs(&Connection(), c.language, false);
        EXPECT_EQ(rs.GetFieldCount(), 19);
        rs.m_strFilter = "[OVLNUTRIPROD].[ID]=1";
        rs.Open();
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_EQ(rs.m_ID, 1);
        EXPECT_EQ(rs.m_PROVID, 7);
        EXPECT_TRUE(rs.IsFieldNull(rs.m_CIQID));
        EXPECT_EQ(rs.m_GRPID, 3);
        EXPECT_EQ(rs.m_NAME.Value(), c.name);
        EXPECT_EQ(rs.m_DATEMAJ.Value(), kDateMaj);
        EXPECT_EQ(rs.m_REFFAB.Value(), "R-12");
        EXPECT_TRUE(rs.IsFieldNull(rs.m_SRCID));
        EXPECT_EQ(rs.m_OPTIONS, 18);
        EXPECT_FLOAT_EQ(rs.m_COMPOSPCT, 12.5f);
        EXPECT_EQ(rs.m_INGLIST.Value(), c.inglist);
        EXPECT_EQ(rs.m_ADDITCODEE.Value(), "E330");
        EXPECT_EQ(rs.m_LASTUPDATE.Value(), kLastUpdate);
        EXPECT_EQ(rs.m_DENOMLEGID, 40);
        EXPECT_EQ(rs.m_COMPOSID, 41);
        EXPECT_TRUE(rs.IsFieldNull(rs.m_ADDITCATEGID));
        rs.MoveNext();
        EXPECT_TRUE(rs.IsEOF());
    }
}

TEST_P(OvlNutriProdSetTest, LightModeReadsTheCacheColumns) {
    InsertProduct(1);
    InsertName("DE", 1, "Butter DE", "Sahne");
    COvlNutriProdSet rs(&Connection(), 2, true);
    EXPECT_EQ(rs.GetFieldCount(), 8);
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.m_ID, 1);
    EXPECT_EQ(rs.m_PROVID, 7);
    EXPECT_EQ(rs.m_GRPID, 3);
    EXPECT_EQ(rs.m_NAME.Value(), "Butter DE");
    EXPECT_EQ(rs.m_REFFAB.Value(), "R-12");
    EXPECT_EQ(rs.m_LASTUPDATE.Value(), kLastUpdate);
}

TEST_P(OvlNutriProdSetTest, ProductWithoutCompanionRowReadsWithNullName) {
    InsertProduct(1);
    InsertProduct(2);
    InsertName("FR", 2, "Lait", "Lait entier");
    for (bool light : {true, false}) {
        SCOPED_TRACE(light ? "light" : "full");
        COvlNutriProdSet rs(&Connection(), 0, light);
        rs.m_strSort = "[OVLNUTRIPROD].[ID]";
        rs.Open();
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_EQ(rs.m_ID, 1);
        EXPECT_TRUE(rs.IsFieldNull(rs.m_NAME));
        if (!light) {
            EXPECT_TRUE(rs.IsFieldNull(rs.m_INGLIST));
        }
        rs.MoveNext();
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_EQ(rs.m_NAME.Value(), "Lait");
    }
}

TEST_P(OvlNutriProdSetTest, LegalIdsHoldMinusOneUntilRead) {
    COvlNutriProdSet rs(&Connection(), 0, false);
    EXPECT_EQ(rs.m_DENOMLEGID, -1);
    EXPECT_EQ(rs.m_COMPOSID, -1);
    EXPECT_EQ(rs.m_ADDITCATEGID, -1);
    EXPECT_EQ(rs.m_ID, 0);
    // Past the last row the members go back to their initial values.
    rs.Open();
    EXPECT_TRUE(rs.IsEOF());
    EXPECT_EQ(rs.m_DENOMLEGID, -1);
}

TEST_P(OvlNutriProdSetTest, AllergenMasksFollowTheStoredBytes) {
    const Value null = std::monostate{};
    struct Case {
        const char* what;
        Value alrg;
        Value alrgPoss;
        std::uint64_t contains;
        std::uint64_t traces;
    } const cases[] = {
        {"three bytes are padded", Bytes{0x06, 0x00, 0x01}, Bytes{0x01}, 0x10006, 1},
        {"bytes after the eighth are ignored",
         Bytes{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C}, Bytes{0x00},
         0x0807060504030201, 0},
        {"last byte holds bit 63", Bytes{0, 0, 0, 0, 0, 0, 0, 0x80}, Bytes{0x08}, 1ULL << 63, 8},
        {"contains NULL empties both", null, Bytes{0xFF}, 0, 0},
        {"traces NULL empties both", Bytes{0x02}, null, 0, 0},
    };
    int id = 0;
    for (const Case& c : cases)
        InsertProduct(++id, c.alrg, c.alrgPoss);

    COvlNutriProdSet rs(&Connection(), 0, false);
    rs.m_strSort = "[OVLNUTRIPROD].[ID]";
    rs.Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_FALSE(rs.IsEOF());
        const AllergenMasks masks = rs.GetAllergenMasks();
        EXPECT_EQ(masks.m_nContains, c.contains);
        EXPECT_EQ(masks.m_nTraces, c.traces);
        rs.MoveNext();
    }
}

TEST_P(OvlNutriProdSetTest, EscapedNameRoundTrips) {
    const std::string name = "L'\xE9t\xE9 \xE0 100% C:\\dossier";
    InsertProduct(1);
    Connection().ExecuteDirect(
        Connection().TranslateBrackets("INSERT INTO [OVLNUTRIPROD_IT] ([ID],[NAME]) VALUES (1," +
                                       Connection().QuoteText(EncodedDbText(name)) + ")"));
    COvlNutriProdSet rs(&Connection(), 4, false);
    rs.m_strFilter = "[OVLNUTRIPROD].[ID]=1";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.m_NAME.Value(), "L%039\xE9t\xE9 \xE0 100%% C:\\dossier");
    EXPECT_EQ(DecodedDbText(rs.m_NAME), name);
}

OVL_INSTANTIATE_FOR_EVERY_BACKEND(OvlNutriProdSetTest);

} // namespace
} // namespace ovl
