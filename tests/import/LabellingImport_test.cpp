#include "import/LabellingImport.h"

#include "app/Language.h"
#include "local/IngredientsSet.h"
#include "tests/support/DatabaseTest.h"
#include "tests/support/ImportFixture.h"

#include <gmock/gmock.h>

#include <cstdio>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>

namespace ovl {
namespace {

using test::ImportTest;
using test::RecordedMessage;

// Allergens 8 and 9 belong to group 27 and have no local class; 70 lies beyond the masks.
const char* const kAllergens =
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, GROUPE, IDOVL, PARENTOVL) "
    "VALUES (1, 'Bl\xE9', 29, 101, 290);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, GROUPE, IDOVL, PARENTOVL) "
    "VALUES (2, 'Seigle', 29, 102, 290);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, GROUPE, IDOVL, PARENTOVL) "
    "VALUES (5, 'Arachide', NULL, 105, 26);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, GROUPE, IDOVL, PARENTOVL) "
    "VALUES (7, 'Lait', NULL, 107, 26);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, GROUPE, IDOVL, PARENTOVL) "
    "VALUES (8, 'Amande', 27, NULL, NULL);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, GROUPE, IDOVL, PARENTOVL) "
    "VALUES (9, 'Noisette', 27, NULL, NULL);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, GROUPE, IDOVL, PARENTOVL) "
    "VALUES (10, 'Noix', 27, 110, 270);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, GROUPE, IDOVL, PARENTOVL) "
    "VALUES (27, 'Fruits \xE0 coque', 27, 270, 26);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, GROUPE, IDOVL, PARENTOVL) "
    "VALUES (29, 'C\xE9r\xE9\x61les', 29, 290, 26);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, GROUPE, IDOVL, PARENTOVL) "
    "VALUES (30, 'Crustac\xE9s', 30, 300, 26);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, GROUPE, IDOVL, PARENTOVL) "
    "VALUES (31, 'Crabe', 30, 131, 300);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, GROUPE, IDOVL, PARENTOVL) "
    "VALUES (70, 'Autre', NULL, 170, 26);\n";

// Central labels: 40 matches local 5 only by its search key, 42 local 6 exactly, 43 local 7
// (type 1) by key, 44 local 8 (type 6) exactly; 45 has no local label. Mentions: 50 matches
// local label 10, 51 has none.
const char* const kCentralLabels =
    "INSERT INTO OVLNUTRIMSLIB VALUES (40, 0, 'P\xE2te \xE0 tartiner', 'Spread', 'Aufstrich', "
    "'Crema para untar', 'Crema spalmabile');\n"
    "INSERT INTO OVLNUTRIMSLIB VALUES (42, 0, 'Confiture', 'Jam', 'Konfit\xFCre', 'Mermelada', "
    "'Marmellata');\n"
    "INSERT INTO OVLNUTRIMSLIB VALUES (43, 1, 'CACAO', 'COCOA', 'KAKAO', 'CACAO', 'CACAO');\n"
    "INSERT INTO OVLNUTRIMSLIB VALUES (44, 6, '\xC9mulsifiant', 'Emulsifier', 'Emulgator', "
    "'Emulsionante', 'Emulsionante');\n"
    "INSERT INTO OVLNUTRIMSLIB VALUES (45, 0, 'Miel de fleurs', 'Flower honey', "
    "'Bl\xFCtenhonig', 'Miel de flores', 'Miele di fiori');\n"
    "INSERT INTO OVLNUTRIMSLIB VALUES (50, 7, 'Sans gluten', 'Gluten free', 'Glutenfrei', "
    "'Sin gluten', 'Senza glutine');\n"
    "INSERT INTO OVLNUTRIMSLIB VALUES (51, 8, 'Bio', 'Organic', 'Bio', 'Bio', 'Bio');\n";

const char* const kLocalLabels =
    "INSERT INTO LibellesPreEmballe VALUES (5, 'Pate a tartiner', 'Spread', 'Aufstrich', "
    "'Crema para untar', 'Crema spalmabile', 0, 0);\n"
    "INSERT INTO LibellesPreEmballe VALUES (6, 'Confiture', 'Jam', 'Konfit\xFCre', "
    "'Mermelada', 'Marmellata', 0, 0);\n"
    "INSERT INTO LibellesPreEmballe VALUES (7, 'Cacao', 'Cocoa', 'Kakao', 'Cacao', 'Cacao', 1, "
    "0);\n"
    "INSERT INTO LibellesPreEmballe VALUES (8, '\xC9mulsifiant', 'Emulsifier', 'Emulgator', "
    "'Emulsionante', 'Emulsionante', 6, 0);\n"
    "INSERT INTO LibellesPreEmballe VALUES (10, 'Sans gluten', 'Gluten free', 'Glutenfrei', "
    "'Sin gluten', 'Senza glutine', 7, 0);\n";

const char* const kIngredients =
    "INSERT INTO Ingredients (INGRED_ID, CODE_AN, NAME_1, NAME_2, DATE_MAJ) "
    "VALUES (1, 'A1', 'Tartine', 'Toast', '2021-02-03 04:05:06');\n"
    "INSERT INTO Ingredients (INGRED_ID, CODE_AN, NAME_1) VALUES (2, 'A2', 'Autre');\n"
    "INSERT INTO Ingredients (INGRED_ID, CODE_AN, NAME_1) VALUES (-1, 'X', 'Aucun');\n";

// Pre-packaged values that every import must replace or null.
const char* const kStaleColumns =
    "UPDATE Ingredients SET PREEM_DENVENT=99, PREEM_COMPOS=99, PREEM_COMPCT=9, "
    "PREEM_FICHTECH_1='old', PREEM_FICHTECH_2='old', PREEM_FICHTECH_3='old', "
    "PREEM_FICHTECH_4='old', PREEM_FICHTECH_5='old', PREEM_CATADDITIF=99, "
    "PREEM_CODEADDITIF='old';\n";

// An allergen mask as its eight stored bytes, least significant first.
std::string MaskLiteral(std::initializer_list<int> bits) {
    unsigned char bytes[8] = {};
    for (int bit : bits)
        bytes[bit / 8] = static_cast<unsigned char>(bytes[bit / 8] | (1u << (bit % 8)));
    std::string literal = "X'";
    for (unsigned char byte : bytes) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02X", byte);
        literal += hex;
    }
    return literal + "'";
}

class LabellingImportTest : public ImportTest {
protected:
    void SetUp() override {
        ImportTest::SetUp();
        if (IsSkipped())
            return;
        RunCentral(std::string(kAllergens) + kCentralLabels);
        RunLocal(std::string(kLocalLabels) + kIngredients + kStaleColumns);
    }

    std::unique_ptr<COvlNutriProdSet> OpenProduct(int id) {
        auto product = std::make_unique<COvlNutriProdSet>(&Central(), 0, false);
        product->m_strFilter = "[OVLNUTRIPROD].[ID]=" + std::to_string(id);
        product->Open();
        return product;
    }

    void ImportAllergensOf(int ingredient, int product) {
        ImportAllergens(Context(), ingredient, *OpenProduct(product));
    }

    void ImportFieldsOf(int ingredient, int product) {
        ImportPrepackagedFields(Context(), ingredient, product, *OpenProduct(product));
    }

    std::string Classes(const std::string& table) {
        return Rows(Local(), "SELECT INGR_ID, CLASS_ID, CLASSPARENT, MASQUE FROM " + table +
                                 " ORDER BY INGR_ID, CLASS_ID");
    }

    // The pre-packaged columns of an ingredient, PREEM_COMPCT aside.
    std::string PrepackagedRow(int ingredient) {
        return Rows(Local(), "SELECT PREEM_DENVENT, PREEM_COMPOS, PREEM_FICHTECH_1, "
                             "PREEM_FICHTECH_2, PREEM_FICHTECH_3, PREEM_FICHTECH_4, "
                             "PREEM_FICHTECH_5, PREEM_CATADDITIF, PREEM_CODEADDITIF "
                             "FROM Ingredients WHERE INGRED_ID=" +
                                 std::to_string(ingredient));
    }

    std::optional<float> CompositionFraction(int ingredient) {
        CIngredientsSet rs(&Local(), false);
        rs.m_strFilter = "[INGRED_ID]=" + std::to_string(ingredient);
        rs.Open();
        if (rs.IsEOF() || rs.IsFieldNull(rs.m_PREEM_COMPCT))
            return std::nullopt;
        return rs.m_PREEM_COMPCT.Value();
    }

    std::string UntouchedColumns() {
        return Rows(Local(), "SELECT INGRED_ID, CODE_AN, NAME_1, NAME_2, NAME_3, NAME_4, NAME_5, "
                             "DATE_MAJ FROM Ingredients ORDER BY INGRED_ID");
    }

    std::string LocalLabels() {
        return Rows(Local(), "SELECT * FROM LibellesPreEmballe ORDER BY ID");
    }
};

TEST_P(LabellingImportTest, AllergenAndTraceClassesFromTheMasks) {
    const std::string kNull = "NULL";
    struct Case {
        const char* name;
        std::string contains;
        std::string traces;
        std::string allergenRows;
        std::string traceRows;
    } const cases[] = {
        {"bit 0 declares the product free of allergens, whatever else is set",
         MaskLiteral({0, 5, 7}), MaskLiteral({1, 8}), "", "1|36|26|0|\n"},
        {"contains mask NULL", kNull, MaskLiteral({5}), "", ""},
        {"traces mask NULL", MaskLiteral({5}), kNull, "", ""},
        {"empty masks", "X''", "X''", "", ""},
        {"single allergens", MaskLiteral({1, 7}), MaskLiteral({31}), "1|101|290|0|\n1|107|26|0|\n",
         "1|131|300|0|\n"},
        {"a declared group is written alone", MaskLiteral({29, 1, 2, 5}), MaskLiteral({30, 31}),
         "1|105|26|0|\n1|290|26|0|\n", "1|300|26|0|\n"},
        {"two group-27 members without class: one substitute per mask", MaskLiteral({8, 9}),
         MaskLiteral({8, 9}), "1|270|26|0|\n", "1|270|26|0|\n"},
        {"group-27 member with class beside one without", MaskLiteral({8, 10}), MaskLiteral({9}),
         "1|110|270|0|\n1|270|26|0|\n", "1|270|26|0|\n"},
    };
    int product = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ++product;
        RunCentral("INSERT INTO OVLNUTRIPROD (ID, ALRG, ALRGPOSS) VALUES (" +
                   std::to_string(product) + ", " + c.contains + ", " + c.traces + ");\n");
        RunLocal("DELETE FROM CategIngAllerg;\nDELETE FROM CategIngre;\n");

        ImportAllergensOf(1, product);

        EXPECT_EQ(Classes("CategIngAllerg"), c.allergenRows);
        EXPECT_EQ(Classes("CategIngre"), c.traceRows);
    }
}

// The substitute is the row of allergen 27, found by its id; without that row there is none.
TEST_P(LabellingImportTest, NoGroup27SubstituteWithoutTheGroupRow) {
    RunCentral("DELETE FROM OVLNUTRIALRG WHERE ID=27;\n"
               "INSERT INTO OVLNUTRIPROD (ID, ALRG, ALRGPOSS) VALUES (1, " +
               MaskLiteral({8, 10}) + ", " + MaskLiteral({9}) + ");\n");
    ResetCaches();

    ImportAllergensOf(1, 1);

    EXPECT_EQ(Classes("CategIngAllerg"), "1|110|270|0|\n");
    EXPECT_EQ(Classes("CategIngre"), "");
}

TEST_P(LabellingImportTest, PrepackagedColumnsOfTheProduct) {
    // Ingredient lists in their stored form; Spanish NULL, Italian without a row.
    const std::string frenchList = "Sucre, huile%039olive %% 5 \\ 6";
    Central().ExecuteDirect("INSERT INTO OVLNUTRIPROD_FR (ID, INGLIST) VALUES (3, " +
                            Central().QuoteText(frenchList) + ")");
    RunCentral("INSERT INTO OVLNUTRIPROD_EN (ID, INGLIST) VALUES (3, 'Sugar');\n"
               "INSERT INTO OVLNUTRIPROD_DE (ID, INGLIST) VALUES (3, 'Zucker');\n"
               "INSERT INTO OVLNUTRIPROD_SP (ID, INGLIST) VALUES (3, NULL);\n");
    const std::string nulls = "NULL|NULL|NULL|NULL|NULL|";

    struct Case {
        const char* name;
        // DENOMLEGID, COMPOSID, COMPOSPCT, ADDITCATEGID, ADDITCODEE
        std::string values;
        std::string row;
        std::optional<float> fraction;
        bool legalNameDiffers; // the import then asks, once committed
    } const cases[] = {
        {"legal name differing only by accents", "40, NULL, NULL, NULL, NULL",
         "5|NULL|" + nulls + "NULL|NULL|\n", std::nullopt, true},
        {"equal legal name", "42, NULL, NULL, NULL, NULL", "6|NULL|" + nulls + "NULL|NULL|\n",
         std::nullopt, false},
        {"every column", "42, 43, 12.5, 44, 'E322, E471'",
         "6|7|" + frenchList + "|Sugar|Zucker|NULL|NULL|8|E322, E471|\n", 0.125f, false},
        {"composition without percentage", "NULL, 43, NULL, NULL, 'E330'",
         "NULL|NULL|" + nulls + "NULL|E330|\n", std::nullopt, false},
        {"percentage without composition", "NULL, NULL, 25, NULL, NULL",
         "NULL|NULL|" + nulls + "NULL|NULL|\n", std::nullopt, false},
        {"empty additive codes", "NULL, 43, 25, NULL, ''", "NULL|7|" + nulls + "NULL|NULL|\n",
         0.25f, false},
        {"central labels that do not exist", "99, 99, 10, 99, NULL",
         "NULL|NULL|" + nulls + "NULL|NULL|\n", std::nullopt, false},
    };
    int product = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ++product;
        RunCentral("INSERT INTO OVLNUTRIPROD (ID, DENOMLEGID, COMPOSID, COMPOSPCT, "
                   "ADDITCATEGID, ADDITCODEE) VALUES (" +
                   std::to_string(product) + ", " + c.values + ");\n");
        RunLocal(kStaleColumns);
        Messages().m_messages.clear();
        Context().m_bLegalNameDiffers = false;
        const std::string labels = LocalLabels();
        const std::string untouched = UntouchedColumns();

        ImportFieldsOf(1, product);

        EXPECT_EQ(PrepackagedRow(1), c.row);
        EXPECT_EQ(CompositionFraction(1), c.fraction);
        // The question waits until the import has committed.
        EXPECT_TRUE(Messages().m_messages.empty());
        EXPECT_EQ(Context().m_bLegalNameDiffers, c.legalNameDiffers);
        EXPECT_FALSE(Context().m_bUpdateLegalNames);
        EXPECT_EQ(LocalLabels(), labels);
        EXPECT_EQ(UntouchedColumns(), untouched);
    }
}

// A legal name without a local label gets one with the five central texts and no question;
// quotes, percent signs and backslashes come back as they were stored, and the next import
// finds the new label.
TEST_P(LabellingImportTest, NewLabelKeepsTheCentralTexts) {
    const std::string texts[] = {"L%039huile %% 100 \\ vierge", "Oil %039%%\\", "%%%039\\",
                                 "\\%039", "%%"};
    std::string values;
    for (const std::string& text : texts)
        values += ", " + Central().QuoteText(text);
    Central().ExecuteDirect("INSERT INTO OVLNUTRIMSLIB VALUES (46, 0" + values + ")");
    Central().ExecuteDirect("INSERT INTO OVLNUTRIMSLIB VALUES (47, 1" + values + ")");
    RunCentral("INSERT INTO OVLNUTRIPROD (ID, DENOMLEGID, COMPOSID, COMPOSPCT) "
               "VALUES (1, 46, 47, 100);\n");
    const std::string labels = LocalLabels();
    std::string stored;
    for (const std::string& text : texts)
        stored += text + "|";

    ImportFieldsOf(1, 1);

    EXPECT_EQ(LocalLabels(), labels + "11|" + stored + "0|0|\n12|" + stored + "1|0|\n");
    EXPECT_EQ(PrepackagedRow(1), "11|12|NULL|NULL|NULL|NULL|NULL|NULL|NULL|\n");
    EXPECT_EQ(CompositionFraction(1), 1.0f);

    const std::string afterFirst = LocalLabels();
    ImportFieldsOf(2, 1);

    EXPECT_EQ(LocalLabels(), afterFirst);
    EXPECT_EQ(PrepackagedRow(2), "11|12|NULL|NULL|NULL|NULL|NULL|NULL|NULL|\n");
    EXPECT_TRUE(Messages().m_messages.empty());
    EXPECT_FALSE(Context().m_bUpdateLegalNames);
}

// Ingredient -1 gets neither allergen classes nor pre-packaged columns; an ingredient
// without a row is never inserted.
TEST_P(LabellingImportTest, NothingForIngredientMinusOneOrAMissingRow) {
    RunCentral("INSERT INTO OVLNUTRIPROD (ID, ALRG, ALRGPOSS, DENOMLEGID, COMPOSID, COMPOSPCT, "
               "ADDITCODEE) VALUES (1, " +
               MaskLiteral({5}) + ", " + MaskLiteral({7}) + ", 45, 43, 50, 'E330');\n");
    const std::string before = LocalSnapshot();

    ImportAllergensOf(-1, 1);
    ImportFieldsOf(-1, 1);
    ImportFieldsOf(77, 1);

    EXPECT_EQ(LocalSnapshot(), before);
    EXPECT_TRUE(Messages().m_messages.empty());
}

TEST_P(LabellingImportTest, SpecificMentions) {
    RunCentral("INSERT INTO OVLNUTRIMSPROD (IDPROD, IDMS) VALUES (1, 50);\n"
               "INSERT INTO OVLNUTRIMSPROD (IDPROD, IDMS) VALUES (1, 51);\n"
               "INSERT INTO OVLNUTRIMSPROD (IDPROD, IDMS) VALUES (1, 99);\n"
               "INSERT INTO OVLNUTRIMSPROD (IDPROD, IDMS) VALUES (2, 50);\n");
    RunLocal("INSERT INTO MSpecifIng (ID, IDMSPECIF) VALUES (2, 10);\n");

    ImportSpecificMentions(Context(), 1, 1);

    // 51 has no local label; 99 is no central label at all and is left out.
    EXPECT_EQ(Rows(Local(), "SELECT ID, IDMSPECIF FROM MSpecifIng ORDER BY ID, IDMSPECIF"),
              "1|-1|\n1|10|\n2|10|\n");
}

OVL_INSTANTIATE_FOR_EVERY_BACKEND(LabellingImportTest);

} // namespace
} // namespace ovl
