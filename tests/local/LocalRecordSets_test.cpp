#include "local/CategIngAllergSet.h"
#include "local/CategIngreSet.h"
#include "local/CategoriesSet.h"
#include "local/IngredientsSet.h"
#include "local/LangueSystemSet.h"
#include "local/LibellesPreEmballeSet.h"
#include "local/MSpecifIngSet.h"
#include "local/NutriIngredSet.h"
#include "local/NutriLibellesSet.h"
#include "local/OvlUtilisateursSet.h"
#include "tests/local/LocalDatabaseTest.h"

#include <functional>
#include <memory>
#include <utility>

namespace ovl {
namespace {

using db::DateTime;
using db::OpenType;

class LocalRecordSetsTest : public test::LocalDatabaseTest {
protected:
    void AddIngredient(int id) {
        CIngredientsSet rs(&Connection(), false);
        rs.Open();
        rs.AddNew();
        rs.m_INGRED_ID = id;
        rs.m_CODE_AN = "CODE-" + std::to_string(id);
        rs.m_NAME_1 = "P\xE2te bris\xE9"
                      "e";
        rs.m_NAME_2 = "Shortcrust";
        rs.m_NAME_3 = "M\xFCrbeteig";
        rs.m_NAME_4 = "Masa quebrada";
        rs.m_NAME_5 = "Pasta brisa";
        rs.m_PREEM_DENVENT = 12;
        rs.m_PREEM_COMPOS = -1;
        rs.m_PREEM_COMPCT = 0.25f;
        rs.m_PREEM_FICHTECH_1 = m_strLongList;
        rs.m_PREEM_FICHTECH_2 = "Wheat flour, butter";
        rs.m_PREEM_FICHTECH_3 = "Weizenmehl";
        rs.m_PREEM_FICHTECH_4 = "Harina";
        rs.m_PREEM_FICHTECH_5 = "Farina";
        rs.m_PREEM_CATADDITIF = 7;
        rs.m_PREEM_CODEADDITIF = "E300, E330";
        EXPECT_TRUE(rs.Update());
    }

    // Longer than a name column, so that a 255-character limit on the list would show.
    const std::string m_strLongList = [] {
        std::string text;
        while (text.size() < 3000)
            text += "Farine de bl\xE9 T55, beurre (lait), sel; ";
        return text;
    }();
};

TEST_P(LocalRecordSetsTest, IngredientReadsBackEveryColumn) {
    AddIngredient(101);
    CIngredientsSet rs(&Connection(), false);
    rs.m_strFilter = "[INGRED_ID]=101";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.GetFieldCount(), 17);
    EXPECT_EQ(rs.m_CODE_AN.Value(), "CODE-101");
    EXPECT_EQ(rs.m_NAME_1.Value(), "P\xE2te bris\xE9"
                                   "e");
    EXPECT_EQ(rs.m_NAME_2.Value(), "Shortcrust");
    EXPECT_EQ(rs.m_NAME_3.Value(), "M\xFCrbeteig");
    EXPECT_EQ(rs.m_NAME_4.Value(), "Masa quebrada");
    EXPECT_EQ(rs.m_NAME_5.Value(), "Pasta brisa");
    EXPECT_EQ(rs.m_PREEM_DENVENT, 12);
    EXPECT_EQ(rs.m_PREEM_COMPOS, -1);
    EXPECT_EQ(rs.m_PREEM_COMPCT, 0.25f);
    EXPECT_EQ(rs.m_PREEM_FICHTECH_1.Value(), m_strLongList);
    EXPECT_EQ(rs.m_PREEM_FICHTECH_2.Value(), "Wheat flour, butter");
    EXPECT_EQ(rs.m_PREEM_FICHTECH_3.Value(), "Weizenmehl");
    EXPECT_EQ(rs.m_PREEM_FICHTECH_4.Value(), "Harina");
    EXPECT_EQ(rs.m_PREEM_FICHTECH_5.Value(), "Farina");
    EXPECT_EQ(rs.m_PREEM_CATADDITIF, 7);
    EXPECT_EQ(rs.m_PREEM_CODEADDITIF.Value(), "E300, E330");
}

TEST_P(LocalRecordSetsTest, IngredientNamesOnlyLeavesTheLabelMembersUntouched) {
    AddIngredient(101);
    {
        CIngredientsSet rs(&Connection(), true);
        rs.Open();
        rs.AddNew();
        rs.m_INGRED_ID = 102;
        rs.m_NAME_1 = "Sel";
        rs.Update();
    }
    CIngredientsSet rs(&Connection(), true);
    rs.m_strSort = "[INGRED_ID]";
    rs.Open();
    EXPECT_EQ(rs.GetFieldCount(), 7);
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.m_CODE_AN.Value(), "CODE-101");
    EXPECT_EQ(rs.m_NAME_5.Value(), "Pasta brisa");
    EXPECT_EQ(rs.m_PREEM_DENVENT, 0);
    EXPECT_EQ(rs.m_PREEM_COMPOS, 0);
    EXPECT_EQ(rs.m_PREEM_COMPCT, 0.0f);
    EXPECT_EQ(rs.m_PREEM_FICHTECH_1.Value(), "");
    EXPECT_EQ(rs.m_PREEM_CATADDITIF, 0);
    EXPECT_EQ(rs.m_PREEM_CODEADDITIF.Value(), "");

    // The row written through the narrow set has no label values at all.
    CIngredientsSet full(&Connection(), false);
    full.m_strFilter = "[INGRED_ID]=102";
    full.Open();
    ASSERT_FALSE(full.IsEOF());
    EXPECT_EQ(full.m_NAME_1.Value(), "Sel");
    EXPECT_TRUE(full.IsFieldNull(full.m_CODE_AN));
    EXPECT_TRUE(full.IsFieldNull(full.m_PREEM_DENVENT));
    EXPECT_TRUE(full.IsFieldNull(full.m_PREEM_FICHTECH_1));
}

TEST_P(LocalRecordSetsTest, NutrientValuesAreWrittenByIngredientAndNutrient) {
    {
        CNutriIngredSet rs(&Connection());
        rs.Open();
        for (auto [ingredient, nutrient, qte] :
             {std::tuple{1, 10, 1.5}, {1, 11, 2.5}, {2, 10, 3.5}}) {
            rs.AddNew();
            rs.m_ING_ID = ingredient;
            rs.m_NUTRI_ID = nutrient;
            rs.m_QTE = qte;
            rs.m_OPTION_MSK = 0x08;
            rs.Update();
        }
    }
    {
        // Only the row of both key values may change or go.
        CNutriIngredSet rs(&Connection());
        rs.m_strFilter = "[ING_ID]=1 AND [NUTRI_ID]=11";
        rs.Open();
        rs.Edit();
        rs.m_QTE = 44197.25;
        rs.m_OPTION_MSK = 0x03;
        EXPECT_TRUE(rs.Update());
        rs.m_strFilter = "[ING_ID]=2 AND [NUTRI_ID]=10";
        rs.Requery();
        rs.Delete();
    }
    CNutriIngredSet rs(&Connection());
    rs.m_strSort = "[ING_ID],[NUTRI_ID]";
    rs.Open();
    std::vector<std::tuple<int, int, double, int>> rows;
    for (; !rs.IsEOF(); rs.MoveNext())
        rows.emplace_back(rs.m_ING_ID, rs.m_NUTRI_ID, rs.m_QTE, rs.m_OPTION_MSK);
    EXPECT_EQ(rows, (std::vector<std::tuple<int, int, double, int>>{{1, 10, 1.5, 0x08},
                                                                    {1, 11, 44197.25, 0x03}}));
}

TEST_P(LocalRecordSetsTest, NutrientLabelReadsBackEveryColumn) {
    {
        CNutriLibellesSet rs(&Connection());
        rs.Open();
        rs.AddNew();
        rs.m_ID = 26;
        rs.m_LIBELLE_1 = "Valeur \xE9nerg\xE9tique";
        rs.m_LIBELLE_2 = "Energy";
        rs.m_LIBELLE_3 = "Energie";
        rs.m_LIBELLE_4 = "Valor energ\xE9tico";
        rs.m_LIBELLE_5 = "Energia";
        rs.m_LIB_CIQUAL = "Energie, R\xE8glement UE N\xB0 1169/2011 (kJ/100g)";
        rs.m_UNITE = "kJ";
        rs.m_TYPEMSK = 0x11;
        rs.m_NBDIGIT = 1;
        rs.m_NUMORDRE = 2;
        rs.m_PARAM1 = 4.184;
        rs.m_OWNER = -1;
        rs.Update();
    }
    CNutriLibellesSet rs(&Connection());
    rs.m_strFilter = "[ID]=26";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.GetFieldCount(), 13);
    EXPECT_EQ(rs.m_LIBELLE_1.Value(), "Valeur \xE9nerg\xE9tique");
    EXPECT_EQ(rs.m_LIBELLE_2.Value(), "Energy");
    EXPECT_EQ(rs.m_LIBELLE_3.Value(), "Energie");
    EXPECT_EQ(rs.m_LIBELLE_4.Value(), "Valor energ\xE9tico");
    EXPECT_EQ(rs.m_LIBELLE_5.Value(), "Energia");
    EXPECT_EQ(rs.m_LIB_CIQUAL.Value(), "Energie, R\xE8glement UE N\xB0 1169/2011 (kJ/100g)");
    EXPECT_EQ(rs.m_UNITE.Value(), "kJ");
    EXPECT_EQ(rs.m_TYPEMSK, 0x11);
    EXPECT_EQ(rs.m_NBDIGIT, 1);
    EXPECT_EQ(rs.m_NUMORDRE, 2);
    EXPECT_EQ(rs.m_PARAM1, 4.184);
    EXPECT_EQ(rs.m_OWNER, -1);
}

// The two membership tables share their columns; each class must reach its own table.
TEST_P(LocalRecordSetsTest, ClassMembershipsStayInTheirOwnTable) {
    using Factory = std::function<std::unique_ptr<CCategIngSetBase>(db::Connection*)>;
    const struct {
        const char* table;
        const char* otherTable;
        Factory make;
    } cases[] = {
        {"CategIngre", "CategIngAllerg",
         [](db::Connection* c) { return std::make_unique<CCategIngreSet>(c); }},
        {"CategIngAllerg", "CategIngre",
         [](db::Connection* c) { return std::make_unique<CCategIngAllergSet>(c); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.table);
        {
            auto rs = c.make(&Connection());
            rs->Open();
            for (int classId : {4007, 4010}) {
                rs->AddNew();
                rs->m_INGR_ID = 5;
                rs->m_CLASS_ID = classId;
                rs->m_CLASSPARENT = 4001;
                rs->m_MASQUE = 0;
                rs->Update();
            }
            rs->m_strFilter = "[INGR_ID]=5 AND [CLASS_ID]=4007";
            rs->Requery();
            rs->Delete();
        }
        EXPECT_EQ(CountRows(c.otherTable), 0);
        auto rs = c.make(&Connection());
        rs->Open();
        ASSERT_FALSE(rs->IsEOF());
        EXPECT_EQ(rs->GetFieldCount(), 4);
        EXPECT_EQ(rs->m_INGR_ID, 5);
        EXPECT_EQ(rs->m_CLASS_ID, 4010);
        EXPECT_EQ(rs->m_CLASSPARENT, 4001);
        EXPECT_EQ(rs->m_MASQUE, 0);
        EXPECT_FALSE(rs->IsFieldNull(rs->m_MASQUE));
        rs->MoveNext();
        EXPECT_TRUE(rs->IsEOF());
        Connection().ExecuteDirect("DELETE FROM [" + std::string(c.table) + "]");
    }
}

TEST_P(LocalRecordSetsTest, CategoryReadsBackEveryColumn) {
    {
        CCategoriesSet rs(&Connection());
        rs.Open();
        rs.AddNew();
        rs.m_CLASS_ID = 36;
        rs.m_TYPE = 200;
        rs.m_MASQUE = 0x40;
        rs.m_PERE_ID = 26;
        rs.m_NAME_1 = "Sans allerg\xE8nes";
        rs.m_NAME_2 = "Allergen-free";
        rs.m_NAME_3 = "Allergenfrei";
        rs.m_NAME_4 = "Sin al\xE9rgenos";
        rs.m_NAME_5 = "Senza allergeni";
        rs.m_OWNER = -1;
        rs.m_DATE_MAJ = DateTime{2023, 12, 31, 23, 59, 58};
        rs.m_ASCHILD = true;
        rs.m_EXPORTABLE = false;
        rs.Update();
    }
    CCategoriesSet rs(&Connection());
    rs.m_strFilter = "[CLASS_ID]=36";
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.GetFieldCount(), 13);
    EXPECT_EQ(rs.m_TYPE, 200);
    EXPECT_EQ(rs.m_MASQUE, 0x40);
    EXPECT_EQ(rs.m_PERE_ID, 26);
    EXPECT_EQ(rs.m_NAME_1.Value(), "Sans allerg\xE8nes");
    EXPECT_EQ(rs.m_NAME_2.Value(), "Allergen-free");
    EXPECT_EQ(rs.m_NAME_3.Value(), "Allergenfrei");
    EXPECT_EQ(rs.m_NAME_4.Value(), "Sin al\xE9rgenos");
    EXPECT_EQ(rs.m_NAME_5.Value(), "Senza allergeni");
    EXPECT_EQ(rs.m_OWNER, -1);
    EXPECT_EQ(rs.m_DATE_MAJ.Value(), (DateTime{2023, 12, 31, 23, 59, 58}));
    EXPECT_EQ(rs.m_ASCHILD, true);
    EXPECT_EQ(rs.m_EXPORTABLE, false);
}

TEST_P(LocalRecordSetsTest, SpecificMentionsAreWrittenByIngredientAndLabel) {
    {
        CMSpecifIngSet rs(&Connection());
        rs.Open();
        for (auto [ingredient, label] : {std::pair{7, 301}, {7, -1}, {8, 301}}) {
            rs.AddNew();
            rs.m_ID = ingredient;
            rs.m_IDMSPECIF = label;
            rs.Update();
        }
        rs.m_strFilter = "[ID]=7 AND [IDMSPECIF]=301";
        rs.Requery();
        rs.Delete();
    }
    CMSpecifIngSet rs(&Connection());
    rs.m_strSort = "[ID]";
    rs.Open();
    EXPECT_EQ(rs.GetFieldCount(), 2);
    std::vector<std::pair<int, int>> rows;
    for (; !rs.IsEOF(); rs.MoveNext())
        rows.emplace_back(rs.m_ID, rs.m_IDMSPECIF);
    EXPECT_EQ(rows, (std::vector<std::pair<int, int>>{{7, -1}, {8, 301}}));
}

class PreEmballeLabelsTest : public LocalRecordSetsTest {
protected:
    void SetUp() override {
        LocalRecordSetsTest::SetUp();
        if (IsSkipped())
            return;
        CLibellesPreEmballeSet rs(&Connection(), false, 0);
        rs.Open();
        rs.AddNew();
        rs.m_ID = 55;
        rs.m_NAME_1 = m_names[0];
        rs.m_NAME_2 = m_names[1];
        rs.m_NAME_3 = m_names[2];
        rs.m_NAME_4 = m_names[3];
        rs.m_NAME_5 = m_names[4];
        rs.m_TYPE = 7;
        rs.m_OWNER = -1;
        rs.Update();
    }

    const std::string m_names[5] = {"Contient de l%039alcool", "Contains alcohol",
                                    "Enth\xE4lt Alkohol", "Contiene alcohol", "Contiene alcol"};
};

TEST_P(PreEmballeLabelsTest, EveryColumnReadsBack) {
    CLibellesPreEmballeSet rs(&Connection(), false, 3);
    rs.Open();
    ASSERT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs.GetFieldCount(), 8);
    EXPECT_EQ(rs.m_ID, 55);
    EXPECT_EQ(rs.m_NAME_1.Value(), m_names[0]);
    EXPECT_EQ(rs.m_NAME_2.Value(), m_names[1]);
    EXPECT_EQ(rs.m_NAME_3.Value(), m_names[2]);
    EXPECT_EQ(rs.m_NAME_4.Value(), m_names[3]);
    EXPECT_EQ(rs.m_NAME_5.Value(), m_names[4]);
    EXPECT_EQ(rs.m_TYPE, 7);
    EXPECT_EQ(rs.m_OWNER, -1);
}

TEST_P(PreEmballeLabelsTest, CurrentLanguageOnlyReadsThatLanguageIntoTheFirstName) {
    for (int language = 0; language < 5; ++language) {
        CLibellesPreEmballeSet rs(&Connection(), true, language);
        rs.Open();
        ASSERT_FALSE(rs.IsEOF()) << "language " << language;
        EXPECT_EQ(rs.GetFieldCount(), 3);
        EXPECT_EQ(rs.m_ID, 55);
        EXPECT_EQ(rs.m_NAME_1.Value(), m_names[language]) << "language " << language;
        EXPECT_EQ(rs.m_NAME_4.Value(), "") << "language " << language;
        EXPECT_EQ(rs.m_TYPE, 7);
        EXPECT_EQ(rs.m_OWNER, 0);
    }
}

TEST_P(PreEmballeLabelsTest, CurrentLanguageOnlyWritesOnlyThatLanguage) {
    {
        CLibellesPreEmballeSet rs(&Connection(), true, 3);
        rs.Open();
        rs.Edit();
        rs.m_NAME_1 = "Contiene alcohol et\xEDlico";
        EXPECT_TRUE(rs.Update());
    }
    CLibellesPreEmballeSet rs(&Connection(), false, 0);
    rs.Open();
    EXPECT_EQ(rs.m_NAME_1.Value(), m_names[0]);
    EXPECT_EQ(rs.m_NAME_4.Value(), "Contiene alcohol et\xEDlico");
    EXPECT_EQ(rs.m_NAME_5.Value(), m_names[4]);
}

// Both tables are chosen by an unbound column and only read.
TEST_P(LocalRecordSetsTest, UserLanguageAndDatabaseVersionAreRead) {
    Database().RunStatements("INSERT INTO Utilisateurs (USER_ID, LANGUE) VALUES (0, 3);\n"
                             "INSERT INTO Utilisateurs (USER_ID, LANGUE) VALUES (1, 2);\n"
                             "INSERT INTO Langue_System (Item_Id, Langue_1) VALUES (262, 'x');\n"
                             "INSERT INTO Langue_System (Item_Id, Langue_1)"
                             " VALUES (263, '9.1.0.4');\n");
    COvlUtilisateursSet users(&Connection());
    users.m_strFilter = "[USER_ID]=0";
    users.Open();
    ASSERT_FALSE(users.IsEOF());
    EXPECT_EQ(users.GetFieldCount(), 1);
    EXPECT_EQ(users.m_LANGUE, 3);
    users.MoveNext();
    EXPECT_TRUE(users.IsEOF());

    CLangueSystemSet labels(&Connection());
    labels.m_strFilter = "[Item_Id]=263";
    labels.Open();
    ASSERT_FALSE(labels.IsEOF());
    EXPECT_EQ(labels.GetFieldCount(), 1);
    EXPECT_EQ(labels.m_Langue_1.Value(), "9.1.0.4");
}

OVL_INSTANTIATE_FOR_EVERY_BACKEND(LocalRecordSetsTest);
OVL_INSTANTIATE_FOR_EVERY_BACKEND(PreEmballeLabelsTest);

} // namespace
} // namespace ovl
