#include "central/AllergenTexts.h"
#include "central/AlrgCache.h"
#include "central/ProductDetail.h"
#include "central/ValueLine.h"
#include "tests/central/CentralDatabaseTest.h"
#include "tests/support/TestCacheProvider.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace ovl {
namespace {

using test::CentralDatabaseTest;

constexpr int kFrench = 0;
constexpr int kEnglish = 1;
constexpr int kGerman = 2;
constexpr std::int32_t kSignBit = std::numeric_limits<std::int32_t>::min();

// ---------------------------------------------------------------------------------------------
// Value lines

TEST(FormatValueLineTest, FlagsInOrderNumbersAndSeparator) {
    struct Case {
        const char* name;
        const char* label;
        double value;
        std::int32_t flags;
        const char* unit;
        int language;
        const char* expected;
    } const cases[] = {
        {"automation date", "Date", 45658, 0x08, "", kFrench, "Date : 01/01/2025"},
        {"date with time of day", "Date", 45658.75, 0x08, "", kEnglish, "Date: 01/01/2025"},
        {"date before the sign bit", "Date", 45658, kSignBit | 0x08, "", kFrench,
         "Date : 01/01/2025"},
        {"date out of any calendar", "Date", 1e12, 0x08, "", kFrench,
         "Date : (non d\xE9"
         "fini)"},
        {"date not a number", "Date", std::nan(""), 0x08, "", kFrench,
         "Date : (non d\xE9"
         "fini)"},
        {"not defined before traces", "Fer", 3, kSignBit | 0x02, "mg", kFrench,
         "Fer : (non d\xE9"
         "fini)"},
        {"not defined in English", "Iron", 3, kSignBit, "mg", kEnglish,
         "Iron: (non d\xE9"
         "fini)"},
        {"traces before less than", "Lait", 5, 0x03, "g", kFrench, "Lait : (traces)"},
        {"less than", "Sucres", 12.5, 0x01, "g", kFrench, "Sucres : < 12.5 g"},
        {"less than in English", "Sugars", 12.5, 0x01, "g", kEnglish, "Sugars: < 12.5 g"},
        {"small value in exponent form", "Sel", 0.00001, 0, "g", kFrench, "Sel : 1E-05 g"},
        {"six significant digits", "Vit", 1234567, 0, "mg", kGerman, "Vit: 1.23457E+06 mg"},
        {"no trailing zeros", "Eau", 100000, 0, "g", kFrench, "Eau : 100000 g"},
        {"negative value", "Bilan", -2.5, 0, "kJ", kFrench, "Bilan : -2.5 kJ"},
        {"empty unit keeps its space", "Score", 3, 0, "", kFrench, "Score : 3 "},
        {"unknown language index counts as French", "Sel", 1, 0, "g", 9, "Sel : 1 g"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatValueLine(c.label, c.value, c.flags, c.unit, c.language), c.expected)
            << c.name;
}

TEST(MarkMissingValuesTest, EveryRedMarkerBecomesDashes) {
    EXPECT_EQ(MarkMissingValues(""), "");
    EXPECT_EQ(MarkMissingValues("A : 0--\r\nB : ---\r\nC : 0--\r\n"),
              "A : ---\r\nB : ---\r\nC : ---\r\n");
    EXPECT_EQ(MarkMissingValues("0--0--"), "------");
    EXPECT_EQ(MarkMissingValues("Eau : 10 g\r\n"), "Eau : 10 g\r\n");
}

// ---------------------------------------------------------------------------------------------
// Detail texts

// Nutrients of the label cache; the central identifier is the local one plus 1000. Nutrient
// 14 has no row, so its lines have no label and nothing to ask for.
struct Nutrient {
    int local;
    const char* fr;
    const char* en;
    const char* unit;
    int categ;
    double param1;
};

const Nutrient kNutrients[] = {
    {18, "Mise \xE0 jour", "Updated", "", 0, 0},
    {6, "\xC9nergie", "Energy", "kcal", 0, 0},
    {7, "\xC9nergie kJ", "Energy kJ", "kJ", 0, 0},
    {10, "Sucres", "Sugars", "g", 0, 0},
    {11, "Lipides", "Fat", "g", 0, 0},
    {4, "Prot\xE9ines", "Protein", "g", 0, 0},
    {5, "Sel", "Salt", "g", 0, 0},
    {3, "Glucides", "Carbohydrate", "g", 0, 0},
    {8, "AG satur\xE9s", "Saturates", "g", 0, 0},
    {9, "Fibres", "Fibre", "g", 0, 0},
    {25, "Eau", "Water", "g", 0, 0},
    {13, "Amidon", "Starch", "g", 0, 0},
    {0, "Alcool", "Alcohol", "g", 0, 0},
    {1, "Polyols", "Polyols", "g", 0, 0},
    {24, "Cendres", "Ash", "g", 0, 0},
    {2, "Lactose", "Lactose", "g", 0, 0},
    {23, "Date limite", "Best before", "", 0, 0},
    {26, "Nutri-Score", "Nutri-Score", "", 0, 0},
    {500, "Vitamine A", "Vitamin A", "\xB5g", 0, 0},
    {501, "Vitamine C", "Vitamin C", "mg", 0, 0},
    {502, "Vitamine D", "Vitamin D", "\xB5g", 0, 0},
    {503, "Calcium", "Calcium", "mg", 0, 0},
    {504, "Fer", "Iron", "mg", 0, 0},
    {505, "Zinc", "Zinc", "mg", 0, 0},
    {600, "Om\xE9ga 3", "Omega 3", "g", 0, 0},
    {601, "Om\xE9ga 6", "Omega 6", "g", 0, 0},
    {602, "Cholest\xE9rol", "Cholesterol", "mg", 0, 0},
    {603, "Potassium", "Potassium", "mg", 0, 0},
    {604, "Magn\xE9sium", "Magnesium", "mg", 0, 0},
    {15, "Indice pond\xE9r\xE9", "Weighted index", "pts", 0, 0},
    {22, "Sodium", "Sodium", "mg", 0, 0},
    {700, "Fruits", "Fruit", "%%", 4, 4},
    {701, "L\xE9gumes", "Vegetables", "%%", 4, 9},
};

// Allergens 1 and 2 make up group 29; allergen 70 can never be in a mask.
const char kAllergens[] =
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, LIBELLE_EN, GROUPE) VALUES (1, 'Bl\xE9', 'Wheat', "
    "29);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, LIBELLE_EN, GROUPE) VALUES (2, 'Seigle', 'Rye', "
    "29);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, LIBELLE_EN) VALUES (5, 'Arachide', 'Peanut');\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, LIBELLE_EN) VALUES (7, 'Lait', 'Milk');\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, LIBELLE_EN) VALUES (8, "
    "'Fruits %% coque d%039arbre', '%039Tree%039 nuts');\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, LIBELLE_EN) VALUES (9, 'Moutarde', 'Mustard');\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, LIBELLE_EN) VALUES (16, 'Sulfites', "
    "'Sulphites');\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, LIBELLE_EN, GROUPE) VALUES (29, 'Gluten', "
    "'Gluten', 29);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, LIBELLE_EN, GROUPE) VALUES (70, 'Autre', 'Other', "
    "29);\n";

// Denomination 40, characterising ingredient 41, additive category 42 (a percent sign in its
// label), specific mentions 801 and 802.
const char kMentionLabels[] =
    "INSERT INTO OVLNUTRIMSLIB (ID, TYPE, LIBELLE_FR, LIBELLE_EN) VALUES (40, 0, "
    "'P\xE2te \xE0 tartiner', 'Spread');\n"
    "INSERT INTO OVLNUTRIMSLIB (ID, TYPE, LIBELLE_FR, LIBELLE_EN) VALUES (41, 1, 'Noisettes', "
    "'Hazelnuts');\n"
    "INSERT INTO OVLNUTRIMSLIB (ID, TYPE, LIBELLE_FR, LIBELLE_EN) VALUES (42, 6, "
    "'\xC9mulsifiant 100%%', 'Emulsifier 100%%');\n"
    "INSERT INTO OVLNUTRIMSLIB (ID, TYPE, LIBELLE_FR, LIBELLE_EN) VALUES (801, 7, "
    "'Contient une source de ph\xE9nylalanine', 'Contains a source of phenylalanine');\n"
    "INSERT INTO OVLNUTRIMSLIB (ID, TYPE, LIBELLE_FR, LIBELLE_EN) VALUES (802, 8, "
    "'\xC0 consommer avec mod\xE9ration', 'Consume in moderation');\n";

// Product 1: every section filled. Product 2: no content rows, the nutrient 26 line, allergen
// free but may contain peanuts. Product 3: values not required, ALRG NULL. Product 4: NULL in
// every nullable column and no name row.
const char kProducts[] =
    "INSERT INTO OVLNUTRIPROD (ID, PROVID, DATEMAJ, ALRG, ALRGPOSS, OPTIONS, COMPOSPCT, "
    "ADDITCODEE, DENOMLEGID, COMPOSID, ADDITCATEGID) VALUES (1, 1, '2024-03-15 10:20:30', "
    "X'86', X'0012', 48, 13, 'E322 (soja), E476', 40, 41, 42);\n"
    "INSERT INTO OVLNUTRIPROD_FR (ID, NAME, INGLIST) VALUES (1, 'P\xE2te', "
    "'Sucre, noisettes 13%%, lait %039entier%039');\n"
    "INSERT INTO OVLNUTRIPROD_EN (ID, NAME, INGLIST) VALUES (1, 'Spread', "
    "'Sugar, hazelnuts 13%%');\n"
    "INSERT INTO OVLNUTRICOMP (ID, NUTID, TENEUR, OPTION_MSK) VALUES (1, 1000, 0, 0);\n"
    "INSERT INTO OVLNUTRICOMP (ID, NUTID, TENEUR, OPTION_MSK) VALUES (1, 1003, 57.5, 0);\n"
    "INSERT INTO OVLNUTRICOMP (ID, NUTID, TENEUR, OPTION_MSK) VALUES (1, 1004, 3, -2147483648);\n"
    "INSERT INTO OVLNUTRICOMP (ID, NUTID, TENEUR, OPTION_MSK) VALUES (1, 1005, 0.00001, 0);\n"
    "INSERT INTO OVLNUTRICOMP (ID, NUTID, TENEUR, OPTION_MSK) VALUES (1, 1006, 539, 0);\n"
    "INSERT INTO OVLNUTRICOMP (ID, NUTID, TENEUR, OPTION_MSK) VALUES (1, 1007, 2252, NULL);\n"
    "INSERT INTO OVLNUTRICOMP (ID, NUTID, TENEUR, OPTION_MSK) VALUES (1, 1010, 12.5, 1);\n"
    "INSERT INTO OVLNUTRICOMP (ID, NUTID, TENEUR, OPTION_MSK) VALUES (1, 1011, 0, 2);\n"
    "INSERT INTO OVLNUTRICOMP (ID, NUTID, TENEUR, OPTION_MSK) VALUES (1, 1014, 9, 0);\n"
    "INSERT INTO OVLNUTRICOMP (ID, NUTID, TENEUR, OPTION_MSK) VALUES (1, 1022, 0.4, 0);\n"
    "INSERT INTO OVLNUTRICOMP (ID, NUTID, TENEUR, OPTION_MSK) VALUES (1, 1023, 45658, 8);\n"
    "INSERT INTO OVLNUTRICOMP (ID, NUTID, TENEUR, OPTION_MSK) VALUES (1, 1025, 1.5, 0);\n"
    "INSERT INTO OVLNUTRICOMP (ID, NUTID, TENEUR, OPTION_MSK) VALUES (1, 1026, 3, 0);\n"
    "INSERT INTO OVLNUTRICOMP (ID, NUTID, TENEUR, OPTION_MSK) VALUES (1, 1500, 120, 0);\n"
    "INSERT INTO OVLNUTRICOMP (ID, NUTID, TENEUR, OPTION_MSK) VALUES (1, 1501, 1234567, 0);\n"
    "INSERT INTO OVLNUTRICOMP (ID, NUTID, TENEUR, OPTION_MSK) VALUES (1, 1604, 0.333333333, 0);\n"
    "INSERT INTO OVLNUTRICOMP (ID, NUTID, TENEUR, OPTION_MSK) VALUES (1, 1700, 10, 0);\n"
    "INSERT INTO OVLNUTRICOMP (ID, NUTID, TENEUR, OPTION_MSK) VALUES (1, 1701, 5, 1);\n"
    "INSERT INTO OVLNUTRIMSPROD (IDPROD, IDMS) VALUES (1, 801);\n"
    "INSERT INTO OVLNUTRIMSPROD (IDPROD, IDMS) VALUES (1, 802);\n"
    "INSERT INTO OVLNUTRIMSPROD (IDPROD, IDMS) VALUES (1, 899);\n"
    "INSERT INTO OVLNUTRIPROD (ID, DATEMAJ, ALRG, ALRGPOSS, OPTIONS, COMPOSPCT, ADDITCODEE, "
    "COMPOSID) VALUES (2, '2023-12-01 00:00:00', X'01', X'20', 16, NULL, 'E330', 41);\n"
    "INSERT INTO OVLNUTRIPROD_FR (ID, NAME, INGLIST) VALUES (2, 'Vide', '');\n"
    "INSERT INTO OVLNUTRIPROD (ID, ALRG, ALRGPOSS, OPTIONS, DENOMLEGID, ADDITCATEGID) VALUES "
    "(3, NULL, X'80', 2, 40, 42);\n"
    "INSERT INTO OVLNUTRICOMP (ID, NUTID, TENEUR, OPTION_MSK) VALUES (3, 1006, 100, 0);\n"
    "INSERT INTO OVLNUTRICOMP (ID, NUTID, TENEUR, OPTION_MSK) VALUES (3, 1500, 5, 0);\n"
    "INSERT INTO OVLNUTRICOMP (ID, NUTID, TENEUR, OPTION_MSK) VALUES (3, 1700, 20, 2);\n"
    "INSERT INTO OVLNUTRIPROD (ID) VALUES (4);\n";

// Lines shared by the products without values.
const std::string kNoFirstBlockFr = "\xC9nergie : 0--\r\n"
                                    "\xC9nergie kJ : 0--\r\n"
                                    "Sucres : 0--\r\n"
                                    "Lipides : 0--\r\n"
                                    "Prot\xE9ines : 0--\r\n"
                                    "Sel : 0--\r\n"
                                    "Glucides : 0--\r\n"
                                    "AG satur\xE9s : 0--\r\n"
                                    " : 0--\r\n"
                                    "Fibres : ---\r\n";
const std::string kNoSecondBlockFr = "Eau : 0--\r\n"
                                     "Amidon : 0--\r\n"
                                     "Alcool : 0--\r\n"
                                     "Polyols : 0--\r\n"
                                     "Cendres : 0--\r\n"
                                     "Lactose : 0--\r\n"
                                     "Date limite : 0--\r\n";
const std::string kNoThirdBlockFr = "Vitamine A : ---\r\n"
                                    "Vitamine C : ---\r\n"
                                    "Vitamine D : ---\r\n"
                                    "Calcium : ---\r\n"
                                    "Fer : ---\r\n"
                                    "Zinc : ---\r\n"
                                    "Om\xE9ga 3 : ---\r\n"
                                    "Om\xE9ga 6 : ---\r\n"
                                    "Cholest\xE9rol : ---\r\n"
                                    "Potassium : ---\r\n"
                                    "Magn\xE9sium : ---\r\n";
const std::string kUnknownAllergensFr =
    "Contient : Information non communiqu\xE9"
    "e\r\n"
    "Peut contenir des traces de : Information non communiqu\xE9"
    "e\r\n";
const std::string kDeclaredFr = "Les allerg\xE8nes ont \xE9t\xE9 d\xE9"
                                "clar\xE9s";
const std::string kNoAllergensFr = "Pas d'allerg\xE8nes";

class ProductDetailTest : public CentralDatabaseTest {
protected:
    void SetUp() override {
        CentralDatabaseTest::SetUp();
        if (IsSkipped())
            return;
        std::string statements;
        for (const Nutrient& n : kNutrients)
            statements += "INSERT INTO OVLNUTRILIB (ID, IDOVL, LIBELLE_FR, LIBELLE_EN, UNITE, "
                          "CATEG, PARAM1) VALUES (" +
                          std::to_string(n.local + 1000) + ", " + std::to_string(n.local) + ", '" +
                          n.fr + "', '" + n.en + "', '" + n.unit + "', " + std::to_string(n.categ) +
                          ", " + std::to_string(n.param1) + ");\n";
        Database().RunStatements(statements + kAllergens + kMentionLabels + kProducts);
    }

    std::optional<ProductDetail> Build(int productId, int language) {
        test::TestCacheProvider caches(Connection(), Connection(), language, 1);
        return BuildProductDetail(Connection(), productId, language, caches);
    }

    ProductDetail BuildFound(int productId, int language) {
        std::optional<ProductDetail> detail = Build(productId, language);
        if (!detail) {
            ADD_FAILURE() << "product " << productId << " not found";
            return {};
        }
        return *detail;
    }
};

TEST_P(ProductDetailTest, EverySectionFilledInFrench) {
    const ProductDetail detail = BuildFound(1, kFrench);
    EXPECT_EQ(detail.m_strText, "Mise \xE0 jour : 15/03/2024\r\n"
                                "\xC9nergie : 539 kcal\r\n"
                                "\xC9nergie kJ : 2252 kJ\r\n"
                                "Sucres : < 12.5 g\r\n"
                                "Lipides : (traces)\r\n"
                                "Prot\xE9ines : (non d\xE9"
                                "fini)\r\n"
                                "Sel : 1E-05 g\r\n"
                                "Glucides : 57.5 g\r\n"
                                "AG satur\xE9s : 0--\r\n"
                                " : 0--\r\n"
                                "Fibres : ---\r\n"
                                "Eau : 1.5 g\r\n"
                                "Amidon : 0--\r\n"
                                "Alcool : 0 g\r\n"
                                "Polyols : 0--\r\n"
                                "Cendres : 0--\r\n"
                                "Lactose : 0--\r\n"
                                "Date limite : 01/01/2025\r\n"
                                "Nutri-Score : 3 \r\n"
                                "Contient : " +
                                    kDeclaredFr +
                                    "\r\n"
                                    "Peut contenir des traces de : " +
                                    kDeclaredFr +
                                    "\r\n"
                                    "D\xE9nomination l\xE9gale de vente : P\xE2te \xE0 tartiner\r\n"
                                    "Ingr\xE9"
                                    "dients : Sucre, noisettes 13%, lait 'entier'\r\n"
                                    "Composition : Noisettes : 13 %\r\n"
                                    "Additifs : \xC9mulsifiant 100% : E322 (soja), E476\r\n"
                                    "Mentions sp\xE9"
                                    "cifiques : \r\n"
                                    "\tContient une source de ph\xE9nylalanine\r\n"
                                    "\t\xC0 consommer avec mod\xE9ration\r\n"
                                    "\tERREUR !\r\n"
                                    "Vitamine A : 120 \xB5g\r\n"
                                    "Vitamine C : 1.23457E+06 mg\r\n"
                                    "Vitamine D : ---\r\n"
                                    "Calcium : ---\r\n"
                                    "Fer : ---\r\n"
                                    "Zinc : ---\r\n"
                                    "Om\xE9ga 3 : ---\r\n"
                                    "Om\xE9ga 6 : ---\r\n"
                                    "Cholest\xE9rol : ---\r\n"
                                    "Potassium : ---\r\n"
                                    "Magn\xE9sium : 0.333333 mg\r\n"
                                    "Fruits : 10 %\r\n"
                                    "L\xE9gumes : < 5 %\r\n"
                                    "Indice pond\xE9r\xE9 : 0.85 pts\r\n"
                                    "Sodium : 0.4 mg\r\n");
    // Group 29 complete: its name stands for its members; 12 has no allergen row.
    EXPECT_EQ(detail.m_strRefAllergens, "Lait, Gluten");
    EXPECT_EQ(detail.m_strRefTraces, "Moutarde, ");
    EXPECT_TRUE(detail.m_bWeightedSumSet);
    EXPECT_DOUBLE_EQ(detail.m_dWeightedSum, 0.85);
}

TEST_P(ProductDetailTest, EverySectionFilledInEnglish) {
    const ProductDetail detail = BuildFound(1, kEnglish);
    EXPECT_EQ(detail.m_strText, "Updated: 15/03/2024\r\n"
                                "Energy: 539 kcal\r\n"
                                "Energy kJ: 2252 kJ\r\n"
                                "Sugars: < 12.5 g\r\n"
                                "Fat: (traces)\r\n"
                                "Protein: (non d\xE9"
                                "fini)\r\n"
                                "Salt: 1E-05 g\r\n"
                                "Carbohydrate: 57.5 g\r\n"
                                "Saturates : 0--\r\n"
                                " : 0--\r\n"
                                "Fibre : ---\r\n"
                                "Water: 1.5 g\r\n"
                                "Starch : 0--\r\n"
                                "Alcohol: 0 g\r\n"
                                "Polyols : 0--\r\n"
                                "Ash : 0--\r\n"
                                "Lactose : 0--\r\n"
                                "Best before: 01/01/2025\r\n"
                                "Nutri-Score: 3 \r\n"
                                "Contain: Allergens have been declared\r\n"
                                "May contain traces of: Allergens have been declared\r\n"
                                "Legal sales name: Spread\r\n"
                                "Ingredients: Sugar, hazelnuts 13%\r\n"
                                "Composition: Hazelnuts : 13 %\r\n"
                                "Additives: Emulsifier 100% : E322 (soja), E476\r\n"
                                "Specific mentions: \r\n"
                                "\tContains a source of phenylalanine\r\n"
                                "\tConsume in moderation\r\n"
                                "\tERREUR !\r\n"
                                "Vitamin A: 120 \xB5g\r\n"
                                "Vitamin C: 1.23457E+06 mg\r\n"
                                "Vitamin D : ---\r\n"
                                "Calcium : ---\r\n"
                                "Iron : ---\r\n"
                                "Zinc : ---\r\n"
                                "Omega 3 : ---\r\n"
                                "Omega 6 : ---\r\n"
                                "Cholesterol : ---\r\n"
                                "Potassium : ---\r\n"
                                "Magnesium: 0.333333 mg\r\n"
                                "Fruit: 10 %\r\n"
                                "Vegetables: < 5 %\r\n"
                                "Weighted index: 0.85 pts\r\n"
                                "Sodium: 0.4 mg\r\n");
    EXPECT_EQ(detail.m_strRefAllergens, "Milk, Gluten");
    EXPECT_EQ(detail.m_strRefTraces, "Mustard, ");
}

TEST_P(ProductDetailTest, NoContentRowsWithAutomaticLine) {
    const ProductDetail detail = BuildFound(2, kFrench);
    EXPECT_EQ(detail.m_strText, "Mise \xE0 jour : 01/12/2023\r\n" + kNoFirstBlockFr +
                                    kNoSecondBlockFr +
                                    "Nutri-Score : Automatique\r\n"
                                    "Contient : " +
                                    kNoAllergensFr +
                                    "\r\n"
                                    "Peut contenir des traces de : " +
                                    kDeclaredFr +
                                    "\r\n"
                                    "D\xE9nomination l\xE9gale de vente : Information non "
                                    "communiqu\xE9"
                                    "e\r\n"
                                    "Ingr\xE9"
                                    "dients : Information non communiqu\xE9"
                                    "e\r\n"
                                    "Composition : Information non communiqu\xE9"
                                    "e\r\n"
                                    "Additifs : E330\r\n"
                                    "Mentions sp\xE9"
                                    "cifiques : Aucune\r\n" +
                                    kNoThirdBlockFr +
                                    "Indice pond\xE9r\xE9 : ---\r\n"
                                    "Sodium : ---\r\n");
    EXPECT_EQ(detail.m_strRefAllergens, kNoAllergensFr);
    EXPECT_EQ(detail.m_strRefTraces, "Arachide");
    EXPECT_FALSE(detail.m_bWeightedSumSet);
    EXPECT_EQ(detail.m_dWeightedSum, 0);
}

TEST_P(ProductDetailTest, ValuesNotRequiredAndAllergensNull) {
    const ProductDetail detail = BuildFound(3, kFrench);
    std::string notRequired;
    for (const char* label : {"\xC9nergie", "\xC9nergie kJ", "Sucres", "Lipides", "Prot\xE9ines",
                              "Sel", "Glucides", "AG satur\xE9s", "", "Fibres", "Eau", "Amidon",
                              "Alcool", "Polyols", "Cendres", "Lactose", "Date limite"})
        notRequired += std::string(label) + " : VNS non exig\xE9" + "es\r\n";
    EXPECT_EQ(detail.m_strText, "Mise \xE0 jour : ---\r\n" + notRequired + kUnknownAllergensFr +
                                    "D\xE9nomination l\xE9gale de vente : P\xE2te \xE0 tartiner\r\n"
                                    "Ingr\xE9"
                                    "dients : Information non communiqu\xE9"
                                    "e\r\n"
                                    "Composition : Information non communiqu\xE9"
                                    "e\r\n"
                                    "Additifs : \xC9mulsifiant 100%\r\n"
                                    "Mentions sp\xE9"
                                    "cifiques : Aucune\r\n"
                                    "Vitamine A : 5 \xB5g\r\n" +
                                    kNoThirdBlockFr.substr(kNoThirdBlockFr.find("Vitamine C")) +
                                    "Fruits : (traces)\r\n"
                                    "Indice pond\xE9r\xE9 : 0.8 pts\r\n"
                                    "Sodium : ---\r\n");
    EXPECT_EQ(detail.m_strRefAllergens, "");
    EXPECT_EQ(detail.m_strRefTraces, "");
}

TEST_P(ProductDetailTest, NullInEveryNullableColumn) {
    const ProductDetail detail = BuildFound(4, kFrench);
    EXPECT_EQ(detail.m_strText, "Mise \xE0 jour : ---\r\n" + kNoFirstBlockFr + kNoSecondBlockFr +
                                    kUnknownAllergensFr +
                                    "D\xE9nomination l\xE9gale de vente : Information non "
                                    "communiqu\xE9"
                                    "e\r\n"
                                    "Ingr\xE9"
                                    "dients : Information non communiqu\xE9"
                                    "e\r\n"
                                    "Composition : Information non communiqu\xE9"
                                    "e\r\n"
                                    "Mentions sp\xE9"
                                    "cifiques : Aucune\r\n" +
                                    kNoThirdBlockFr +
                                    "Indice pond\xE9r\xE9 : ---\r\n"
                                    "Sodium : ---\r\n");
    EXPECT_EQ(MarkMissingValues(detail.m_strText).find("0--"), std::string::npos);
}

TEST_P(ProductDetailTest, AbsentProductIsNotFound) {
    EXPECT_FALSE(Build(999, kFrench).has_value());
    EXPECT_FALSE(Build(-1, kFrench).has_value());
}

TEST_P(ProductDetailTest, NoCategory4NutrientAsksForNoSum) {
    Database().RunStatements("UPDATE OVLNUTRILIB SET CATEG = 0;\n");
    const ProductDetail detail = BuildFound(1, kFrench);
    EXPECT_EQ(detail.m_strText.find("Fruits"), std::string::npos);
    EXPECT_NE(detail.m_strText.find("Magn\xE9sium : 0.333333 mg\r\n"
                                    "Indice pond\xE9r\xE9 : ---\r\n"
                                    "Sodium : 0.4 mg\r\n"),
              std::string::npos);
    EXPECT_FALSE(detail.m_bWeightedSumSet);
}

// Masks as stored: the first eight bytes count, least significant first; groups 29 fold; an
// allergen above 63 is named by no mask.
TEST_P(ProductDetailTest, AllergenMasksAndLists) {
    Database().RunStatements(
        "INSERT INTO OVLNUTRIPROD (ID, ALRG, ALRGPOSS) VALUES (10, X'', X'');\n"
        "INSERT INTO OVLNUTRIPROD (ID, ALRG, ALRGPOSS) VALUES (11, X'060001', X'');\n"
        "INSERT INTO OVLNUTRIPROD (ID, ALRG, ALRGPOSS) VALUES (12, X'800000000000000000FFFFFF', "
        "X'0001');\n"
        "INSERT INTO OVLNUTRIPROD (ID, ALRG, ALRGPOSS) VALUES (13, X'22', X'01');\n"
        "INSERT INTO OVLNUTRIPROD (ID, ALRG, ALRGPOSS) VALUES (14, X'40', NULL);\n");
    struct Case {
        int product;
        const char* name;
        std::string lines;
        std::string contains;
        std::string traces;
    } const cases[] = {
        {10, "masks of 0 bytes", kUnknownAllergensFr, "", ""},
        {11, "3 bytes with group 29 complete",
         "Contient : " + kDeclaredFr + "\r\nPeut contenir des traces de : " + kNoAllergensFr +
             "\r\n",
         "Sulfites, Gluten", kNoAllergensFr},
        {12, "12 bytes, only the first 8 count; decoded name",
         "Contient : " + kDeclaredFr + "\r\nPeut contenir des traces de : " + kDeclaredFr + "\r\n",
         "Lait", "Fruits % coque d'arbre"},
        {13, "group incomplete, free of allergens",
         "Contient : " + kDeclaredFr + "\r\nPeut contenir des traces de : " + kNoAllergensFr +
             "\r\n",
         "Bl\xE9, Arachide", kNoAllergensFr},
        {14, "ALRGPOSS NULL empties both", kUnknownAllergensFr, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ProductDetail detail = BuildFound(c.product, kFrench);
        EXPECT_NE(detail.m_strText.find(c.lines), std::string::npos) << detail.m_strText;
        EXPECT_EQ(detail.m_strRefAllergens, c.contains);
        EXPECT_EQ(detail.m_strRefTraces, c.traces);
    }
}

TEST_P(ProductDetailTest, AllergenTextsOfMasks) {
    test::TestCacheProvider caches(Connection(), Connection(), kEnglish, 1);
    const CAlrgCache& cache = caches.AlrgCache();
    ASSERT_EQ(cache.GetHighestId(), 70);
    struct Case {
        const char* name;
        std::uint64_t mask;
        const char* summary;
        const char* list;
    } const cases[] = {
        {"empty", 0, "No allergens", "No allergens"},
        {"bit 0 with others", 0x1 | 0x80, "No allergens", "No allergens"},
        {"bit 5", 0x20, "Allergens have been declared", "Peanut"},
        {"quotes and percent signs decoded", 0x100, "Allergens have been declared", "'Tree' nuts"},
        {"ids without a row give empty names", (1u << 3) | (1u << 5) | (1u << 4),
         "Allergens have been declared", ", , Peanut"},
        {"allergen 70 is never named", 0x22, "Allergens have been declared", "Wheat, Peanut"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const AllergenTexts texts = MakeAllergenTexts(c.mask, cache, kEnglish);
        EXPECT_EQ(texts.m_strSummary, c.summary);
        EXPECT_EQ(texts.m_strList, c.list);
    }
    // Every bit but 0: one name per identifier 1 to 63, and no more.
    const std::string all = MakeAllergenTexts(~std::uint64_t{1}, cache, kEnglish).m_strList;
    size_t separators = 0;
    for (size_t pos = all.find(", "); pos != std::string::npos; pos = all.find(", ", pos + 2))
        ++separators;
    EXPECT_EQ(separators, 62u) << all;
}

OVL_INSTANTIATE_FOR_EVERY_BACKEND(ProductDetailTest);

} // namespace
} // namespace ovl
