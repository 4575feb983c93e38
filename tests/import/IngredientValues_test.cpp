#include "import/IngredientValues.h"
#include "local/NutriIngredSet.h"
#include "tests/support/DatabaseTest.h"
#include "tests/support/ImportFixture.h"

#include <initializer_list>
#include <string>

namespace ovl {
namespace {

constexpr int kFrench = 0;
constexpr int kEnglish = 1;

// Nutrients of the label cache (central identifier = local + 1000) and of the local label
// table. 14 and 17 are not in the cache: their lines take the local label. The local labels
// of cached nutrients differ from the cache's, and so does the cached unit of 10: the cache
// gives the label, the local row the unit.
struct Nutrient {
    int local;
    const char* fr;
    const char* en;
    const char* unit;
    bool cached;
    int categ;
};

const Nutrient kNutrients[] = {
    {18, "Mise \xE0 jour", "Updated", "", true, 0},
    {6, "\xC9nergie", "Energy", "kcal", true, 0},
    {7, "\xC9nergie kJ", "Energy kJ", "kJ", true, 0},
    {10, "Sucres", "Sugars", "g", true, 0},
    {11, "Lipides", "Fat", "g", true, 0},
    {4, "Prot\xE9ines", "Protein", "g", true, 0},
    {5, "Sel", "Salt", "g", true, 0},
    {3, "Glucides", "Carbohydrate", "g", true, 0},
    {8, "AG satur\xE9s", "Saturates", "g", true, 0},
    {14, "Fibres solubles", "Soluble fibre", "g", false, 0},
    {9, "Fibres", "Fibre", "g", true, 0},
    {25, "Eau", "Water", "g", true, 0},
    {13, "Amidon", "Starch", "g", true, 0},
    {0, "Alcool", "Alcohol", "g", true, 0},
    {1, "Polyols", "Polyols", "g", true, 0},
    {24, "Cendres", "Ash", "g", true, 0},
    {2, "Lactose", "Lactose", "g", true, 0},
    {23, "Date limite", "Best before", "", true, 0},
    {26, "Nutri-Score", "Nutri-Score", "", true, 0},
    {500, "Vitamine A", "Vitamin A", "\xB5g", true, 0},
    {501, "Vitamine C", "Vitamin C", "mg", true, 0},
    {502, "Vitamine D", "Vitamin D", "\xB5g", true, 0},
    {503, "Calcium", "Calcium", "mg", true, 0},
    {504, "Fer", "Iron", "mg", true, 0},
    {505, "Zinc", "Zinc", "mg", true, 0},
    {600, "Om\xE9ga 3", "Omega 3", "g", true, 0},
    {601, "Om\xE9ga 6", "Omega 6", "g", true, 0},
    {602, "Cholest\xE9rol", "Cholesterol", "mg", true, 0},
    {603, "Potassium", "Potassium", "mg", true, 0},
    {604, "Magn\xE9sium", "Magnesium", "mg", true, 0},
    {15, "Indice pond\xE9r\xE9", "Weighted index", "pts", true, 0},
    {17, "Indice %039Sant\xE9%039", "%039Health%039 index", "pts", false, 0},
    {21, "Import", "Import", "", true, 0},
    {22, "Sodium", "Sodium", "mg", true, 0},
    {700, "Fruits", "Fruit", "%%", true, 4},
    {701, "L\xE9gumes", "Vegetables", "%%", true, 4},
};

// Allergens 1 and 2 make up group 29; 0 declares an ingredient free of allergens. Local
// classes are the identifier plus 100, and 36 for allergen 0.
const char kAllergens[] =
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, LIBELLE_EN, IDOVL) VALUES (0, 'Aucun', 'None', "
    "36);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, LIBELLE_EN, GROUPE, IDOVL) VALUES (1, 'Bl\xE9', "
    "'Wheat', 29, 101);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, LIBELLE_EN, GROUPE, IDOVL) VALUES (2, 'Seigle', "
    "'Rye', 29, 102);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, LIBELLE_EN, IDOVL) VALUES (5, 'Arachide', "
    "'Peanut', 105);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, LIBELLE_EN, IDOVL) VALUES (7, 'Lait', 'Milk', "
    "107);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, LIBELLE_EN, GROUPE, IDOVL) VALUES (29, 'Gluten', "
    "'Gluten', 29, 129);\n";

// Pre-packaged labels: denomination 10, characterising ingredient 11, additive category 12
// (a percent sign in its label), specific mentions 20 and 21.
const char kLabels[] =
    "INSERT INTO LibellesPreEmballe (ID, NAME_1, NAME_2, TYPE) VALUES (10, "
    "'P\xE2te \xE0 tartiner', 'Spread', 0);\n"
    "INSERT INTO LibellesPreEmballe (ID, NAME_1, NAME_2, TYPE) VALUES (11, 'Noisettes', "
    "'Hazelnuts', 1);\n"
    "INSERT INTO LibellesPreEmballe (ID, NAME_1, NAME_2, TYPE) VALUES (12, "
    "'\xC9mulsifiant 100%%', 'Emulsifier 100%%', 6);\n"
    "INSERT INTO LibellesPreEmballe (ID, NAME_1, NAME_2, TYPE) VALUES (20, "
    "'Contient une source de ph\xE9nylalanine', 'Contains a source of phenylalanine', 7);\n"
    "INSERT INTO LibellesPreEmballe (ID, NAME_1, NAME_2, TYPE) VALUES (21, "
    "'\xC0 consommer avec mod\xE9ration', 'Consume in moderation', 8);\n";

// Ingredient 1: every section filled, class 4010 with a value 26. Ingredient 2: values not
// required (4007, 4010), the class of group 29 itself, -1 labels and no additive codes.
// Ingredient 3: nothing at all but additive codes. Ingredient 4: 4010 without value 26, free
// of allergens.
const char kIngredients[] =
    "INSERT INTO Ingredients (INGRED_ID, NAME_1, PREEM_DENVENT, PREEM_COMPOS, PREEM_COMPCT, "
    "PREEM_FICHTECH_1, PREEM_FICHTECH_2, PREEM_CATADDITIF, PREEM_CODEADDITIF) VALUES (1, "
    "'P\xE2te', 10, 11, 0.13, 'Sucre, noisettes 13%%, lait %039entier%039', "
    "'Sugar, hazelnuts 13%%', 12, 'E322 (soja), E476');\n"
    "INSERT INTO NutriIngred (ING_ID, NUTRI_ID, QTE, OPTION_MSK) VALUES (1, 18, 45658, 8);\n"
    "INSERT INTO NutriIngred (ING_ID, NUTRI_ID, QTE, OPTION_MSK) VALUES (1, 6, 539, 0);\n"
    "INSERT INTO NutriIngred (ING_ID, NUTRI_ID, QTE, OPTION_MSK) VALUES (1, 7, 2252, NULL);\n"
    "INSERT INTO NutriIngred (ING_ID, NUTRI_ID, QTE, OPTION_MSK) VALUES (1, 10, 12.5, 1);\n"
    "INSERT INTO NutriIngred (ING_ID, NUTRI_ID, QTE, OPTION_MSK) VALUES (1, 11, 0, 2);\n"
    "INSERT INTO NutriIngred (ING_ID, NUTRI_ID, QTE, OPTION_MSK) VALUES (1, 4, 3, -2147483648);\n"
    "INSERT INTO NutriIngred (ING_ID, NUTRI_ID, QTE, OPTION_MSK) VALUES (1, 5, 0.00001, 0);\n"
    "INSERT INTO NutriIngred (ING_ID, NUTRI_ID, QTE, OPTION_MSK) VALUES (1, 14, 9, 0);\n"
    "INSERT INTO NutriIngred (ING_ID, NUTRI_ID, QTE, OPTION_MSK) VALUES (1, 25, 1.5, 0);\n"
    "INSERT INTO NutriIngred (ING_ID, NUTRI_ID, QTE, OPTION_MSK) VALUES (1, 26, 3, 0);\n"
    "INSERT INTO NutriIngred (ING_ID, NUTRI_ID, QTE, OPTION_MSK) VALUES (1, 500, 120, 0);\n"
    "INSERT INTO NutriIngred (ING_ID, NUTRI_ID, QTE, OPTION_MSK) VALUES (1, 604, 0.333333333, "
    "0);\n"
    "INSERT INTO NutriIngred (ING_ID, NUTRI_ID, QTE, OPTION_MSK) VALUES (1, 15, 7, 0);\n"
    "INSERT INTO NutriIngred (ING_ID, NUTRI_ID, QTE, OPTION_MSK) VALUES (1, 17, 42, 0);\n"
    "INSERT INTO NutriIngred (ING_ID, NUTRI_ID, QTE, OPTION_MSK) VALUES (1, 21, 45000, 8);\n"
    "INSERT INTO NutriIngred (ING_ID, NUTRI_ID, QTE, OPTION_MSK) VALUES (1, 22, 0.4, 0);\n"
    "INSERT INTO NutriIngred (ING_ID, NUTRI_ID, QTE, OPTION_MSK) VALUES (1, 700, 10, 0);\n"
    "INSERT INTO NutriIngred (ING_ID, NUTRI_ID, QTE, OPTION_MSK) VALUES (1, 701, 5, 1);\n"
    "INSERT INTO CategIngAllerg (INGR_ID, CLASS_ID) VALUES (1, 101);\n"
    "INSERT INTO CategIngAllerg (INGR_ID, CLASS_ID) VALUES (1, 102);\n"
    "INSERT INTO CategIngAllerg (INGR_ID, CLASS_ID) VALUES (1, 107);\n"
    "INSERT INTO CategIngre (INGR_ID, CLASS_ID) VALUES (1, 105);\n"
    "INSERT INTO CategIngre (INGR_ID, CLASS_ID) VALUES (1, 4010);\n"
    "INSERT INTO CategIngre (INGR_ID, CLASS_ID) VALUES (1, 4001);\n"
    "INSERT INTO MSpecifIng (ID, IDMSPECIF) VALUES (1, 20);\n"
    "INSERT INTO MSpecifIng (ID, IDMSPECIF) VALUES (1, 21);\n"
    "INSERT INTO MSpecifIng (ID, IDMSPECIF) VALUES (1, -1);\n"
    "INSERT INTO Ingredients (INGRED_ID, NAME_1, PREEM_DENVENT, PREEM_COMPOS, PREEM_COMPCT, "
    "PREEM_CATADDITIF) VALUES (2, 'Huile', -1, 11, NULL, -1);\n"
    "INSERT INTO NutriIngred (ING_ID, NUTRI_ID, QTE, OPTION_MSK) VALUES (2, 6, 900, 0);\n"
    "INSERT INTO NutriIngred (ING_ID, NUTRI_ID, QTE, OPTION_MSK) VALUES (2, 9, 1, 0);\n"
    "INSERT INTO NutriIngred (ING_ID, NUTRI_ID, QTE, OPTION_MSK) VALUES (2, 500, 5, 0);\n"
    "INSERT INTO CategIngre (INGR_ID, CLASS_ID) VALUES (2, 4007);\n"
    "INSERT INTO CategIngre (INGR_ID, CLASS_ID) VALUES (2, 4010);\n"
    "INSERT INTO CategIngAllerg (INGR_ID, CLASS_ID) VALUES (2, 129);\n"
    "INSERT INTO Ingredients (INGRED_ID, NAME_1, PREEM_CODEADDITIF) VALUES (3, 'Sel', "
    "'E330');\n"
    "INSERT INTO Ingredients (INGRED_ID, NAME_1) VALUES (4, 'Eau');\n"
    "INSERT INTO CategIngre (INGR_ID, CLASS_ID) VALUES (4, 4010);\n"
    "INSERT INTO CategIngAllerg (INGR_ID, CLASS_ID) VALUES (4, 36);\n";

std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

const std::string kNotRequired = " : VNS non exig\xE9"
                                 "es";
const std::string kDeclaredFr = "Les allerg\xE8nes ont \xE9t\xE9 d\xE9"
                                "clar\xE9s";

const std::string kEmptySecondBlockFr =
    Lines({"Eau : 0--", "Amidon : 0--", "Alcool : 0--", "Polyols : 0--", "Cendres : 0--",
           "Lactose : 0--", "Date limite : 0--"});
const std::string kEmptyThirdBlockFr =
    Lines({"Vitamine C : ---", "Vitamine D : ---", "Calcium : ---", "Fer : ---", "Zinc : ---",
           "Om\xE9ga 3 : ---", "Om\xE9ga 6 : ---", "Cholest\xE9rol : ---", "Potassium : ---"});
const std::string kUnknownLabellingFr =
    Lines({"D\xE9nomination l\xE9gale de vente : Information non communiqu\xE9"
           "e",
           "Ingr\xE9"
           "dients : Information non communiqu\xE9"
           "e",
           "Composition : Information non communiqu\xE9"
           "e"});

class IngredientValuesTest : public test::ImportTest {
protected:
    void SetUp() override {
        test::ImportTest::SetUp();
        if (IsSkipped())
            return;
        std::string central;
        std::string local;
        for (const Nutrient& n : kNutrients) {
            const std::string id = std::to_string(n.local);
            if (n.cached)
                central += "INSERT INTO OVLNUTRILIB (ID, IDOVL, LIBELLE_FR, LIBELLE_EN, UNITE, "
                           "CATEG) VALUES (" +
                           std::to_string(n.local + 1000) + ", " + id + ", '" + n.fr + "', '" +
                           n.en + "', '" + (n.local == 10 ? "G" : n.unit) + "', " +
                           std::to_string(n.categ) + ");\n";
            const std::string fr = n.cached ? "Local " + id : n.fr;
            const std::string en = n.cached ? "Local " + id : n.en;
            local += "INSERT INTO NutriLibelles (ID, LIBELLE_1, LIBELLE_2, UNITE) VALUES (" + id +
                     ", '" + fr + "', '" + en + "', '" + n.unit + "');\n";
        }
        RunCentral(central + kAllergens);
        RunLocal(local + kLabels + kIngredients);
    }

    IngredientValues Build(std::int32_t ingredientId) {
        return BuildIngredientValuesText(Context(), ingredientId);
    }
};

TEST_P(IngredientValuesTest, EverySectionInFrench) {
    const IngredientValues values = Build(1);
    const std::string expected =
        Lines({"Mise \xE0 jour : 01/01/2025", "\xC9nergie : 539 kcal", "\xC9nergie kJ : 2252 kJ",
               "Sucres : < 12.5 g", "Lipides : (traces)",
               "Prot\xE9ines : (non d\xE9"
               "fini)",
               "Sel : 1E-05 g", "Glucides : 0--", "AG satur\xE9s : 0--", "Fibres solubles : 9 g",
               "Fibres : ---", "Eau : 1.5 g", "Amidon : 0--", "Alcool : 0--", "Polyols : 0--",
               "Cendres : 0--", "Lactose : 0--", "Date limite : 0--", "Nutri-Score : 3 "}) +
        "Contient : " + kDeclaredFr + "\r\nPeut contenir des traces de : " + kDeclaredFr + "\r\n" +
        Lines({"D\xE9nomination l\xE9gale de vente : P\xE2te \xE0 tartiner",
               "Ingr\xE9"
               "dients : Sucre, noisettes 13%, lait 'entier'",
               "Composition : Noisettes : 13 %",
               "Additifs : \xC9mulsifiant 100% : E322 (soja), E476",
               "Mentions sp\xE9"
               "cifiques : ",
               "\tContient une source de ph\xE9nylalanine", "\t\xC0 consommer avec mod\xE9ration",
               "\tERREUR !", "Vitamine A : 120 \xB5g"}) +
        kEmptyThirdBlockFr +
        Lines({"Magn\xE9sium : 0.333333 mg", "Fruits : 10 %", "L\xE9gumes : < 5 %",
               "Indice 'Sant\xE9' : 42 pts", "Sodium : 0.4 mg"});
    EXPECT_EQ(values.m_strText, expected);
    // Group 29 is complete and shows as its own name; the names are only in the lists.
    EXPECT_EQ(values.m_strIngAllergens, "Lait, Gluten");
    EXPECT_EQ(values.m_strIngTraces, "Arachide");
}

TEST_P(IngredientValuesTest, EverySectionInEnglish) {
    ResetCaches(kEnglish);
    const IngredientValues values = Build(1);
    const std::string declared = "Allergens have been declared";
    const std::string expected =
        Lines({"Updated: 01/01/2025", "Energy: 539 kcal", "Energy kJ: 2252 kJ", "Sugars: < 12.5 g",
               "Fat: (traces)",
               "Protein: (non d\xE9"
               "fini)",
               "Salt: 1E-05 g", "Carbohydrate : 0--", "Saturates : 0--", "Soluble fibre: 9 g",
               "Fibre : ---", "Water: 1.5 g", "Starch : 0--", "Alcohol : 0--", "Polyols : 0--",
               "Ash : 0--", "Lactose : 0--", "Best before : 0--", "Nutri-Score: 3 "}) +
        "Contain: " + declared + "\r\nMay contain traces of: " + declared + "\r\n" +
        Lines({"Legal sales name: Spread",
               "Ingredients: Sugar, hazelnuts 13%",
               "Composition: Hazelnuts : 13 %",
               "Additives: Emulsifier 100% : E322 (soja), E476",
               "Specific mentions: ",
               "\tContains a source of phenylalanine",
               "\tConsume in moderation",
               "\tERREUR !",
               "Vitamin A: 120 \xB5g",
               "Vitamin C : ---",
               "Vitamin D : ---",
               "Calcium : ---",
               "Iron : ---",
               "Zinc : ---",
               "Omega 3 : ---",
               "Omega 6 : ---",
               "Cholesterol : ---",
               "Potassium : ---",
               "Magnesium: 0.333333 mg",
               "Fruit: 10 %",
               "Vegetables: < 5 %",
               "'Health' index: 42 pts",
               "Sodium: 0.4 mg"});
    EXPECT_EQ(values.m_strText, expected);
    EXPECT_EQ(values.m_strIngAllergens, "Milk, Gluten");
    EXPECT_EQ(values.m_strIngTraces, "Peanut");
}

TEST_P(IngredientValuesTest, ValuesNotRequiredAndNoLabelling) {
    const IngredientValues values = Build(2);
    std::string expected = "Mise \xE0 jour : ---\r\n";
    for (const char* label :
         {"\xC9nergie", "\xC9nergie kJ", "Sucres", "Lipides", "Prot\xE9ines", "Sel", "Glucides",
          "AG satur\xE9s", "Fibres solubles", "Fibres", "Eau", "Amidon", "Alcool", "Polyols",
          "Cendres", "Lactose", "Date limite", "Nutri-Score"})
        expected += label + kNotRequired + "\r\n";
    // The class of the group itself stands for all its members.
    expected += "Contient : " + kDeclaredFr + "\r\n" +
                "Peut contenir des traces de : Pas d'allerg\xE8nes\r\n" + kUnknownLabellingFr +
                "Mentions sp\xE9"
                "cifiques : Aucune\r\n" +
                "Vitamine A : 5 \xB5g\r\n" + kEmptyThirdBlockFr +
                Lines({"Magn\xE9sium : ---", "Indice 'Sant\xE9' : ---", "Sodium : ---"});
    EXPECT_EQ(values.m_strText, expected);
    EXPECT_EQ(values.m_strIngAllergens, "Gluten");
    EXPECT_EQ(values.m_strIngTraces, "Pas d'allerg\xE8nes");
}

TEST_P(IngredientValuesTest, NothingStored) {
    const IngredientValues values = Build(3);
    const std::string expected =
        Lines({"Mise \xE0 jour : ---", "\xC9nergie : 0--", "\xC9nergie kJ : 0--", "Sucres : 0--",
               "Lipides : 0--", "Prot\xE9ines : 0--", "Sel : 0--", "Glucides : 0--",
               "AG satur\xE9s : 0--", "Fibres solubles : 0--", "Fibres : ---"}) +
        kEmptySecondBlockFr +
        Lines({"Contient : Information non communiqu\xE9"
               "e",
               "Peut contenir des traces de : Information non communiqu\xE9"
               "e"}) +
        kUnknownLabellingFr +
        Lines({"Additifs : E330",
               "Mentions sp\xE9"
               "cifiques : Aucune",
               "Vitamine A : ---"}) +
        kEmptyThirdBlockFr +
        Lines({"Magn\xE9sium : ---", "Indice 'Sant\xE9' : ---", "Sodium : ---"});
    EXPECT_EQ(values.m_strText, expected);
    EXPECT_EQ(values.m_strIngAllergens, "");
    EXPECT_EQ(values.m_strIngTraces, "");
}

TEST_P(IngredientValuesTest, AutomaticValueWithoutStoredValueAndAllergenFree) {
    const IngredientValues values = Build(4);
    EXPECT_NE(values.m_strText.find("Date limite : 0--\r\nNutri-Score : Automatique\r\n"
                                    "Contient : Pas d'allerg\xE8nes\r\n"
                                    "Peut contenir des traces de : Pas d'allerg\xE8nes\r\n"),
              std::string::npos)
        << values.m_strText;
    EXPECT_EQ(values.m_strIngAllergens, "Pas d'allerg\xE8nes");
}

TEST_P(IngredientValuesTest, UnknownIngredientGivesAnEmptyRecord) {
    const IngredientValues values = Build(99);
    EXPECT_EQ(values.m_strText.find("Nutri-Score"), std::string::npos);
    EXPECT_NE(values.m_strText.find(kUnknownLabellingFr), std::string::npos);
    EXPECT_EQ(values.m_strText.find("Additifs"), std::string::npos);
}

TEST_P(IngredientValuesTest, WithoutCategory4NutrientsNoCategory4Line) {
    RunCentral("UPDATE OVLNUTRILIB SET CATEG = 0;\n");
    ResetCaches(kFrench);
    const std::string text = Build(1).m_strText;
    EXPECT_EQ(text.find("Fruits"), std::string::npos);
    EXPECT_NE(text.find("Magn\xE9sium : 0.333333 mg\r\nIndice 'Sant\xE9' : 42 pts\r\n"),
              std::string::npos)
        << text;
}

TEST_P(IngredientValuesTest, ReusesAnOpenRecordSet) {
    CNutriIngredSet values(&Local());
    values.m_strFilter = "[ING_ID]=2";
    values.Open(db::OpenType::Dynaset);
    const IngredientValues reused = BuildIngredientValuesText(Context(), 1, &values);
    EXPECT_TRUE(values.IsOpen());
    EXPECT_EQ(reused.m_strText, Build(1).m_strText);
}

OVL_INSTANTIATE_FOR_EVERY_BACKEND(IngredientValuesTest);

} // namespace
} // namespace ovl
