#include "local/CategoriesSet.h"
#include "local/NutriLibellesSet.h"
#include "local/ReservedRows.h"
#include "tests/local/LocalDatabaseTest.h"

namespace ovl {
namespace {

using db::DateTime;

class ReservedRowsTest : public test::LocalDatabaseTest {
protected:
    void AddStatusParent() {
        Database().RunStatements("INSERT INTO Categories (CLASS_ID, TYPE, PERE_ID, NAME_1, ASCHILD)"
                                 " VALUES (4001, 8, 0, 'Statut', 0);\n");
    }

    // The three rows start-up may touch, every column of each.
    std::vector<Row> ReservedRows() {
        auto rows = ReadRows("SELECT * FROM [NutriLibelles] WHERE [ID]=18");
        for (auto& row : ReadRows("SELECT * FROM [Categories] WHERE [CLASS_ID] IN (4001, 4007)"
                                  " ORDER BY [CLASS_ID]"))
            rows.push_back(std::move(row));
        return rows;
    }

    bool HasChildren(int classId) {
        CCategoriesSet rs(&Connection());
        rs.m_strFilter = "[CLASS_ID]=" + std::to_string(classId);
        rs.Open();
        return !rs.IsEOF() && rs.m_ASCHILD;
    }
};

TEST_P(ReservedRowsTest, EmptyDatabaseGetsTheLastUpdateLabel) {
    EnsureReservedRows(Connection());
    CNutriLibellesSet rs(&Connection());
    rs.m_strFilter = "[ID]=18";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.m_LIBELLE_1.Value(), "Derni\xE8re mise \xE0 jour");
    EXPECT_EQ(rs.m_LIBELLE_2.Value(), "Last update");
    EXPECT_EQ(rs.m_LIBELLE_3.Value(), "Letzte Aktualisierung");
    EXPECT_EQ(rs.m_LIBELLE_4.Value(), "\xDAltima actualizaci\xF3n");
    EXPECT_EQ(rs.m_LIBELLE_5.Value(), "Ultimo aggiornamento");
    EXPECT_EQ(rs.m_LIB_CIQUAL.Value(), "OVL Mise \xE0 jour");
    EXPECT_EQ(rs.m_TYPEMSK, 8);
    EXPECT_EQ(rs.m_NBDIGIT, -1);
    EXPECT_EQ(rs.m_NUMORDRE, 18);
    EXPECT_TRUE(rs.IsFieldNull(rs.m_UNITE));
    EXPECT_TRUE(rs.IsFieldNull(rs.m_PARAM1));
    EXPECT_TRUE(rs.IsFieldNull(rs.m_OWNER));
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
}

TEST_P(ReservedRowsTest, EmptyDatabaseGetsTheNoDeclarationClassUnderAMarkedParent) {
    AddStatusParent();
    EnsureReservedRows(Connection());
    CCategoriesSet rs(&Connection());
    rs.m_strFilter = "[CLASS_ID]=4007";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    const std::string name = "D\xE9"
                             "cl\xE9"
                             "ration des VNS non exig\xE9"
                             "e";
    EXPECT_EQ(rs.m_TYPE, 8);
    EXPECT_EQ(rs.m_MASQUE, 0);
    EXPECT_EQ(rs.m_PERE_ID, 4001);
    EXPECT_EQ(rs.m_NAME_1.Value(), name);
    for (const db::TextField* other : {&rs.m_NAME_2, &rs.m_NAME_3, &rs.m_NAME_4, &rs.m_NAME_5})
        EXPECT_EQ(other->Value(), "FR:" + name);
    EXPECT_EQ(rs.m_OWNER, -1);
    EXPECT_EQ(rs.m_DATE_MAJ.Value(), (DateTime{2021, 6, 6, 0, 0, 0}));
    EXPECT_FALSE(rs.IsFieldNull(rs.m_ASCHILD));
    EXPECT_EQ(rs.m_ASCHILD, false);
    EXPECT_EQ(rs.m_EXPORTABLE, true);
    EXPECT_TRUE(HasChildren(4001));
}

TEST_P(ReservedRowsTest, SecondRunChangesNothing) {
    AddStatusParent();
    EnsureReservedRows(Connection());
    const auto first = ReservedRows();
    ASSERT_EQ(first.size(), 3u);
    EnsureReservedRows(Connection());
    EXPECT_EQ(ReservedRows(), first);
    EXPECT_EQ(CountRows("NutriLibelles"), 1);
    EXPECT_EQ(CountRows("Categories"), 2);
}

// Rows the Ovalane software already holds are kept as they are, the parent's flag included.
TEST_P(ReservedRowsTest, ExistingRowsAreLeftAlone) {
    AddStatusParent();
    Database().RunStatements(
        "INSERT INTO NutriLibelles (ID, LIBELLE_1, UNITE, TYPEMSK, NBDIGIT, NUMORDRE, OWNER)"
        " VALUES (18, 'Mise %% jour', 'j', 9, 0, 40, 3);\n"
        "INSERT INTO Categories (CLASS_ID, TYPE, MASQUE, PERE_ID, NAME_1, OWNER, ASCHILD,"
        " EXPORTABLE) VALUES (4007, 8, 2, 4001, 'VNS non exig%039e', 5, 1, 0);\n");
    const auto before = ReservedRows();
    ASSERT_EQ(before.size(), 3u);
    EnsureReservedRows(Connection());
    EXPECT_EQ(ReservedRows(), before);
    EXPECT_FALSE(HasChildren(4001));
}

// Without class 4001 there is nothing to mark; the class is still created, once.
TEST_P(ReservedRowsTest, MissingParentIsNotCreated) {
    EXPECT_NO_THROW(EnsureReservedRows(Connection()));
    EXPECT_EQ(ReadRows("SELECT [CLASS_ID] FROM [Categories]"),
              (std::vector<Row>{{std::string("4007")}}));
    EXPECT_NO_THROW(EnsureReservedRows(Connection()));
    EXPECT_EQ(CountRows("Categories"), 1);
}

OVL_INSTANTIATE_FOR_EVERY_BACKEND(ReservedRowsTest);

} // namespace
} // namespace ovl
