#include "import/ImportClearing.h"

#include "tests/support/DatabaseTest.h"
#include "tests/support/ImportFixture.h"

#include <string>

namespace ovl {
namespace {

using test::ImportTest;

// Nutrient labels by category: 6 (0), 15 (NULL, counts as 0), 21 (5), 501 (4) are cleared;
// 18 (6) and 600 (7) are not. Allergen groups 30, 29 and 27 stand for classes 300, 290, 270.
const char* const kCentralData =
    "INSERT INTO OVLNUTRILIB (ID, IDOVL, CATEG) VALUES (100, 6, 0);\n"
    "INSERT INTO OVLNUTRILIB (ID, IDOVL, CATEG) VALUES (101, 21, 5);\n"
    "INSERT INTO OVLNUTRILIB (ID, IDOVL, CATEG) VALUES (102, 18, 6);\n"
    "INSERT INTO OVLNUTRILIB (ID, IDOVL, CATEG) VALUES (103, 501, 4);\n"
    "INSERT INTO OVLNUTRILIB (ID, IDOVL, CATEG) VALUES (104, 600, 7);\n"
    "INSERT INTO OVLNUTRILIB (ID, IDOVL, CATEG) VALUES (105, 15, NULL);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, GROUPE, IDOVL, PARENTOVL) "
    "VALUES (30, 'Crustac\xE9s', 30, 300, 26);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, GROUPE, IDOVL, PARENTOVL) "
    "VALUES (29, 'C\xE9r\xE9\x61les', 29, 290, 26);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, GROUPE, IDOVL, PARENTOVL) "
    "VALUES (27, 'Fruits \xE0 coque', 27, 270, 26);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, GROUPE, IDOVL, PARENTOVL) "
    "VALUES (1, 'Bl\xE9', 29, 101, 290);\n";

// Everything an import writes, and rows beside it that are not the import's.
std::string IngredientData(int id) {
    const std::string i = std::to_string(id);
    std::string sql =
        "INSERT INTO Ingredients (INGRED_ID, CODE_AN, NAME_1, PREEM_DENVENT, PREEM_COMPOS, "
        "PREEM_COMPCT, PREEM_FICHTECH_1, PREEM_FICHTECH_2, PREEM_FICHTECH_3, PREEM_FICHTECH_4, "
        "PREEM_FICHTECH_5, PREEM_CATADDITIF, PREEM_CODEADDITIF) VALUES (" +
        i + ", 'C" + i + "', 'Nom " + i + "', 5, 6, 0.25, 'a', 'b', 'c', 'd', 'e', 7, 'E330');\n";
    for (int nutrient : {6, 7, 15, 17, 18, 21, 501, 600, 700})
        sql += "INSERT INTO NutriIngred (ING_ID, NUTRI_ID, QTE, OPTION_MSK) VALUES (" + i + ", " +
               std::to_string(nutrient) + ", 1.5, 0);\n";
    const char* const classes[][3] = {
        {"CategIngre", "4007", "4001"},   {"CategIngre", "4010", "4001"},
        {"CategIngre", "4011", "4001"},   {"CategIngre", "4020", "4001"},
        {"CategIngre", "36", "26"},       {"CategIngre", "131", "300"},
        {"CategIngre", "290", "26"},      {"CategIngre", "101", "290"},
        {"CategIngre", "110", "270"},     {"CategIngre", "500", "100"},
        {"CategIngre", "40", "-1"},       {"CategIngAllerg", "101", "290"},
        {"CategIngAllerg", "300", "26"},  {"CategIngAllerg", "110", "270"},
        {"CategIngAllerg", "131", "300"}, {"CategIngAllerg", "150", "999"},
        {"CategIngAllerg", "41", "-1"}};
    for (const auto& row : classes)
        sql += std::string("INSERT INTO ") + row[0] +
               " (INGR_ID, CLASS_ID, CLASSPARENT, MASQUE) VALUES (" + i + ", " + row[1] + ", " +
               row[2] + ", 0);\n";
    sql += "INSERT INTO MSpecifIng (ID, IDMSPECIF) VALUES (" + i + ", 9);\n";
    sql += "INSERT INTO MSpecifIng (ID, IDMSPECIF) VALUES (" + i + ", -1);\n";
    return sql;
}

class ImportClearingTest : public ImportTest {
protected:
    void SetUp() override {
        ImportTest::SetUp();
        if (IsSkipped())
            return;
        RunCentral(kCentralData);
        RunLocal(IngredientData(1) + IngredientData(2) + IngredientData(-1));
    }

    // The rows of one ingredient in every table the clearing touches.
    std::string IngredientRows(int id) {
        const std::string i = std::to_string(id);
        return Rows(Local(), "SELECT INGRED_ID, CODE_AN, NAME_1, PREEM_DENVENT, PREEM_COMPOS, "
                             "PREEM_COMPCT IS NULL, PREEM_FICHTECH_1, PREEM_FICHTECH_2, "
                             "PREEM_FICHTECH_3, PREEM_FICHTECH_4, PREEM_FICHTECH_5, "
                             "PREEM_CATADDITIF, PREEM_CODEADDITIF FROM Ingredients "
                             "WHERE INGRED_ID=" +
                                 i) +
               "values:\n" + Values(id) + "classes:\n" + Classes("CategIngre", id) +
               "allergens:\n" + Classes("CategIngAllerg", id) + "mentions:\n" +
               Rows(Local(),
                    "SELECT IDMSPECIF FROM MSpecifIng WHERE ID=" + i + " ORDER BY IDMSPECIF");
    }

    std::string Values(int id) {
        return Rows(Local(), "SELECT NUTRI_ID FROM NutriIngred WHERE ING_ID=" + std::to_string(id) +
                                 " ORDER BY NUTRI_ID");
    }

    std::string Classes(const std::string& table, int id) {
        return Rows(Local(), "SELECT CLASS_ID, CLASSPARENT, MASQUE FROM " + table +
                                 " WHERE INGR_ID=" + std::to_string(id) + " ORDER BY CLASS_ID");
    }
};

TEST_P(ImportClearingTest, RemovesWhatAnImportWritesAndLeavesTheRest) {
    const std::string cleared = "values:\n7|\n18|\n600|\n700|\n"
                                "classes:\n40|-1|0|\n500|100|0|\n4020|4001|0|\n"
                                "allergens:\n41|-1|0|\n150|999|0|\n"
                                "mentions:\n";
    struct Case {
        int ingredient;
        std::string ingredientRow; // -1 keeps its pre-packaged columns
    } const cases[] = {
        {1, "1|C1|Nom 1|NULL|NULL|1|NULL|NULL|NULL|NULL|NULL|NULL|NULL|\n"},
        {-1, "-1|C-1|Nom -1|5|6|0|a|b|c|d|e|7|E330|\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "ingredient " << c.ingredient);
        const std::string other = IngredientRows(2);

        ClearImportedValues(Context(), c.ingredient);

        EXPECT_EQ(IngredientRows(c.ingredient), c.ingredientRow + cleared);
        EXPECT_EQ(IngredientRows(2), other);
    }
}

TEST_P(ImportClearingTest, SecondRunChangesNothing) {
    ClearImportedValues(Context(), 1);
    const std::string once = LocalSnapshot();

    EXPECT_NO_THROW(ClearImportedValues(Context(), 1));

    EXPECT_EQ(LocalSnapshot(), once);
}

TEST_P(ImportClearingTest, ClearableNutrientsAreThoseOfCategoriesZeroToFive) {
    struct Case {
        int nutrient;
        bool clearable;
    } const cases[] = {{6, true},   {15, true},   {21, true}, {501, true},
                       {18, false}, {600, false}, {7, false}, {-1, false}};
    for (const Case& c : cases)
        EXPECT_EQ(IsClearableNutrient(Context(), c.nutrient), c.clearable)
            << "nutrient " << c.nutrient;
}

// A group missing from the allergen list and one without a local class delete nothing; the
// groups that are known, and class 26, are still cleared.
TEST_P(ImportClearingTest, GroupsWithoutLocalClassAreSkipped) {
    RunCentral("DELETE FROM OVLNUTRIALRG WHERE ID=29;\n"
               "UPDATE OVLNUTRIALRG SET IDOVL=NULL, PARENTOVL=NULL WHERE ID=27;\n");
    ResetCaches();

    RemoveAllergenClasses(Context(), 1);

    EXPECT_EQ(Classes("CategIngre", 1), "40|-1|0|\n101|290|0|\n110|270|0|\n500|100|0|\n"
                                        "4007|4001|0|\n4010|4001|0|\n4011|4001|0|\n"
                                        "4020|4001|0|\n");
    EXPECT_EQ(Classes("CategIngAllerg", 1), "41|-1|0|\n101|290|0|\n110|270|0|\n150|999|0|\n");
}

OVL_INSTANTIATE_FOR_EVERY_BACKEND(ImportClearingTest);

} // namespace
} // namespace ovl
