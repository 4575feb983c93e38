#include "import/IngredientCreation.h"

#include "app/TextCodec.h"
#include "platform/DateTime.h"
#include "platform/FailureHook.h"
#include "platform/Statement.h"
#include "tests/support/DatabaseTest.h"
#include "tests/support/ImportFixture.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace ovl::test {
namespace {

using Names = std::array<std::string, 5>;

// Every column of Ingredients but DATE_MAJ, which is checked against the clock.
constexpr const char* kRowWithoutDate =
    "SELECT INGRED_ID, CODE_AN, NAME_1, NAME_2, NAME_3, NAME_4, NAME_5, PREEM_DENVENT, "
    "PREEM_COMPOS, PREEM_COMPCT, PREEM_FICHTECH_1, PREEM_FICHTECH_2, PREEM_FICHTECH_3, "
    "PREEM_FICHTECH_4, PREEM_FICHTECH_5, PREEM_CATADDITIF, PREEM_CODEADDITIF, PXQTEUNIT, "
    "CATPRINCIPAL, ENTPRINCIPAL, FOUPRINCIPAL, TVACODE FROM Ingredients WHERE INGRED_ID=";

// An existing ingredient whose names hold every character that needs care in SQL or in the
// stored form (plain texts; stored escaped).
const Names kOliveOil = {"L'huile d'olive", "Olive oil 100%", "Oliven\\\xF6l [kalt]",
                         "Aceite 'virgen' 5%%", "Olio\\"};

class IngredientCreationTest : public ImportTest {
protected:
    void SetUp() override {
        ImportTest::SetUp();
        if (IsSkipped())
            return;
        RunCentral("INSERT INTO OVLNUTRIPROV (ID, PROV) VALUES (1, 'Moulins d%039Or');\n"
                   "INSERT INTO OVLNUTRIPROD (ID, PROVID, REFFAB) VALUES (100, 1, 'R-100%%');\n"
                   "INSERT INTO OVLNUTRIPROD (ID, PROVID) VALUES (101, 1);\n"
                   "INSERT INTO OVLNUTRIPROD_FR (ID, NAME) VALUES (100, 'Jus d%039orange');\n"
                   "INSERT INTO OVLNUTRIPROD_EN (ID, NAME) VALUES (100, 'Orange juice');\n"
                   "INSERT INTO OVLNUTRIPROD_DE (ID, NAME) VALUES (100, 'Orangensaft');\n"
                   "INSERT INTO OVLNUTRIPROD_SP (ID, NAME) VALUES (100, 'Zumo de naranja');\n"
                   "INSERT INTO OVLNUTRIPROD_IT (ID, NAME) VALUES (100, 'Succo d%039arancia');\n"
                   "INSERT INTO OVLNUTRIPROD_FR (ID, NAME) VALUES (101, 'Pomme');\n"
                   "INSERT INTO OVLNUTRIPROD_EN (ID, NAME) VALUES (101, 'Apple');\n"
                   "INSERT INTO OVLNUTRIPROD_DE (ID, NAME) VALUES (101, 'Apfel');\n"
                   "INSERT INTO OVLNUTRIPROD_SP (ID, NAME) VALUES (101, 'Manzana');\n"
                   "INSERT INTO OVLNUTRIPROD_IT (ID, NAME) VALUES (101, '');\n");
    }

    // Adds an ingredient with plain names, stored escaped like the program stores them.
    void AddIngredient(int id, const Names& names) {
        std::string sql = "INSERT INTO Ingredients (INGRED_ID, NAME_1, NAME_2, NAME_3, NAME_4, "
                          "NAME_5) VALUES (" +
                          std::to_string(id);
        for (const std::string& name : names)
            sql += ", " + Local().QuoteText(EncodedDbText(name));
        Local().ExecuteDirect(sql + ")");
    }

    static void Type(CIngredientCreation& creation, const Names& names) {
        for (int i = 0; i < 5; ++i)
            ASSERT_TRUE(creation.SetName(i, names[static_cast<size_t>(i)]));
    }

    static std::string Escaped(const std::string& text) { return EncodedDbText(text); }

    db::DateTime StoredDate(int id) {
        db::Statement statement(Local());
        statement.ExecDirect("SELECT DATE_MAJ FROM Ingredients WHERE INGRED_ID=" +
                             std::to_string(id));
        db::DateTime date;
        EXPECT_TRUE(statement.Fetch());
        EXPECT_TRUE(statement.GetDate(1, date));
        return date;
    }
};

TEST_P(IngredientCreationTest, LoadProductProposesTheUnescapedNames) {
    CIngredientCreation creation(Context(), 100);
    creation.LoadProduct();
    EXPECT_TRUE(creation.IsProductFound());
    EXPECT_EQ(creation.GetProductName(), "Jus d'orange");
    EXPECT_EQ(creation.GetSupplierName(), "Moulins d'Or");
    EXPECT_TRUE(creation.HasReference());
    EXPECT_EQ(creation.GetReference(), "R-100%");
    const Names expected = {"Jus d'orange", "Orange juice", "Orangensaft", "Zumo de naranja",
                            "Succo d'arancia"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(creation.GetName(i), expected[static_cast<size_t>(i)]) << "language " << i;
    EXPECT_TRUE(creation.IsOkEnabled());
}

TEST_P(IngredientCreationTest, OkNeedsAllFiveNames) {
    CIngredientCreation missing(Context(), 999);
    missing.LoadProduct();
    EXPECT_FALSE(missing.IsProductFound());
    EXPECT_FALSE(missing.HasReference());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(missing.GetName(i), "") << "language " << i;
    EXPECT_FALSE(missing.IsOkEnabled());
    EXPECT_FALSE(missing.OnOK());

    CIngredientCreation noItalian(Context(), 101);
    noItalian.LoadProduct();
    EXPECT_FALSE(noItalian.HasReference());
    EXPECT_FALSE(noItalian.IsOkEnabled());
    ASSERT_TRUE(noItalian.SetName(4, "Mela"));
    EXPECT_TRUE(noItalian.IsOkEnabled());
    ASSERT_TRUE(noItalian.SetName(1, ""));
    EXPECT_FALSE(noItalian.IsOkEnabled());
    EXPECT_TRUE(Messages().m_messages.empty());
    EXPECT_EQ(Rows(Local(), "SELECT INGRED_ID FROM Ingredients"), "");
}

TEST_P(IngredientCreationTest, NamesLongerThan128CharactersAreRefused) {
    CIngredientCreation creation(Context(), 101);
    creation.LoadProduct();
    EXPECT_TRUE(creation.SetName(2, std::string(128, 'a')));
    EXPECT_FALSE(creation.SetName(2, std::string(129, 'b')));
    EXPECT_EQ(creation.GetName(2), std::string(128, 'a'));
    const RecordedMessage expected{"Erreur : le nom DE d\xE9passe 128 caract\xE8res !",
                                   MessageIcon::Exclamation};
    EXPECT_EQ(Messages().m_messages, std::vector<RecordedMessage>{expected});
}

TEST_P(IngredientCreationTest, ANameThatExistsInItsLanguageIsRefusedAndNothingIsWritten) {
    AddIngredient(7, kOliveOil);
    const Names fresh = {"Neuf", "New", "Neu", "Nuevo", "Nuovo"};
    const char* const suffixes[] = {"FR", "EN", "DE", "SP", "IT"};
    const std::string before = LocalSnapshot();
    for (size_t language = 0; language < 5; ++language) {
        Messages().m_messages.clear();
        Names typed = fresh;
        typed[language] = kOliveOil[language];
        CIngredientCreation creation(Context(), 101);
        Type(creation, typed);
        EXPECT_FALSE(creation.OnOK()) << suffixes[language];
        const RecordedMessage expected{"Erreur : '" + kOliveOil[language] +
                                           "' existe d\xE9j\xE0 dans la langue " +
                                           suffixes[language] + " !",
                                       MessageIcon::Exclamation};
        EXPECT_EQ(Messages().m_messages, std::vector<RecordedMessage>{expected})
            << suffixes[language];
        EXPECT_EQ(creation.GetNewIngredientId(), -1) << suffixes[language];
    }
    EXPECT_EQ(LocalSnapshot(), before);
}

// Each name is looked up in its own language only.
TEST_P(IngredientCreationTest, ANameUsedInAnotherLanguageIsFree) {
    AddIngredient(7, kOliveOil);
    CIngredientCreation creation(Context(), 101);
    Type(creation, {kOliveOil[1], kOliveOil[0], "Neu", "Nuevo", "Nuovo"});
    EXPECT_TRUE(creation.OnOK());
    EXPECT_TRUE(Messages().m_messages.empty());
    EXPECT_EQ(creation.GetNewIngredientId(), 8);
}

// The server compares without case: it finds the row, but no stored name equals a typed one
// byte for byte. SQLite compares bytes and finds nothing.
TEST_P(IngredientCreationTest, AMatchOnlyTheServerCollationSeesIsAnUnknownError) {
    AddIngredient(7, kOliveOil);
    CIngredientCreation creation(Context(), 101);
    Type(creation, {"L'HUILE D'OLIVE", "New", "Neu", "Nuevo", "Nuovo"});
    if (IsMariaDb()) {
        EXPECT_FALSE(creation.OnOK());
        const RecordedMessage expected{"Erreur inconnue", MessageIcon::Exclamation};
        EXPECT_EQ(Messages().m_messages, std::vector<RecordedMessage>{expected});
        EXPECT_EQ(Rows(Local(), "SELECT INGRED_ID FROM Ingredients"), "7|\n");
    } else {
        EXPECT_TRUE(creation.OnOK());
        EXPECT_EQ(creation.GetNewIngredientId(), 8);
    }
}

TEST_P(IngredientCreationTest, InsertsUnderTheHighestIdPlusOneWithEscapedNames) {
    AddIngredient(5, {"A", "B", "C", "D", "E"});
    AddIngredient(40, {"F", "G", "H", "I", "J"});
    AddIngredient(7, {"K", "L", "M", "N", "O"});
    CIngredientCreation creation(Context(), 101);
    creation.LoadProduct();
    Type(creation, kOliveOil);

    const db::DateTime start = db::DateTime::Now();
    EXPECT_TRUE(creation.OnOK());
    const db::DateTime end = db::DateTime::Now();

    EXPECT_TRUE(Messages().m_messages.empty());
    EXPECT_EQ(creation.GetNewIngredientId(), 41);
    EXPECT_EQ(creation.GetFrenchName(), kOliveOil[0]);
    std::string expected = "41|NULL|";
    for (const std::string& name : kOliveOil)
        expected += Escaped(name) + "|";
    expected += "-1|-1|NULL|NULL|NULL|NULL|NULL|NULL|-1|NULL|-1|-1|-1|-1|1|\n";
    EXPECT_EQ(Rows(Local(), kRowWithoutDate + std::string("41")), expected);
    EXPECT_EQ(Escaped(kOliveOil[0]), "L%039huile d%039olive");
    const db::DateTime stored = StoredDate(41);
    EXPECT_LE(start, stored);
    EXPECT_LE(stored, end);

    // The stored form compares equal to the same names typed again.
    CIngredientCreation again(Context(), 101);
    Type(again, kOliveOil);
    EXPECT_FALSE(again.OnOK());
    ASSERT_EQ(Messages().m_messages.size(), 1u);
    EXPECT_EQ(Messages().m_messages[0].text,
              "Erreur : '" + kOliveOil[0] + "' existe d\xE9j\xE0 dans la langue FR !");
}

TEST_P(IngredientCreationTest, TheFirstIngredientOfAnEmptyTableGetsId1) {
    CIngredientCreation creation(Context(), 100);
    creation.LoadProduct();
    EXPECT_TRUE(creation.OnOK());
    EXPECT_EQ(creation.GetNewIngredientId(), 1);
    EXPECT_EQ(creation.GetFrenchName(), "Jus d'orange");
    EXPECT_EQ(Rows(Local(), "SELECT INGRED_ID, NAME_1, NAME_5 FROM Ingredients"),
              "1|Jus d%039orange|Succo d%039arancia|\n");
}

TEST_P(IngredientCreationTest, AFailedInsertionIsShownAndGivesNoId) {
    AddIngredient(3, {"A", "B", "C", "D", "E"});
    const std::string before = LocalSnapshot();
    CIngredientCreation creation(Context(), 100);
    creation.LoadProduct();
    // The check, then the id query, then the insertion.
    db::FailureHook::FailAtStatement(3);
    const bool closed = creation.OnOK();
    db::FailureHook::Disarm();
    EXPECT_TRUE(closed);
    EXPECT_EQ(creation.GetNewIngredientId(), -1);
    const RecordedMessage expected{"Injected failure at statement 3", MessageIcon::Exclamation};
    EXPECT_EQ(Messages().m_messages, std::vector<RecordedMessage>{expected});
    EXPECT_EQ(LocalSnapshot(), before);
}

OVL_INSTANTIATE_FOR_EVERY_BACKEND(IngredientCreationTest);

} // namespace
} // namespace ovl::test
