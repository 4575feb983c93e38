#include "tools/LocalDemoData.h"

#include <string>

#include "tools/DemoCatalogue.h"

namespace ovl::demo {
namespace {

constexpr int kCostLabel = 41; // local only: unknown to the central nutrient list

DemoDate Day(int nYear, int nMonth, int nDay, int nHour = 0, int nMinute = 0) {
    return DemoDate::FromDayNumber(DemoDate::DayNumberOf(nYear, nMonth, nDay),
                                   nHour * 3600 + nMinute * 60);
}

// Number of decimals shown for a nutrient: none for energy, two for salt and traces.
int DigitsOf(const Nutrient& nutrient) {
    switch (nutrient.m_role) {
    case Nutr::KJ:
    case Nutr::Kcal:
    case Nutr::CalcEnergy:
        return 0;
    case Nutr::Salt:
    case Nutr::Minor:
        return 2;
    case Nutr::Date:
    case Nutr::SheetDate:
        return -1;
    default:
        return 1;
    }
}

struct Value {
    int m_nIngredient;
    int m_nNutrient;
    double m_dValue;
    int m_nFlags;
};

struct Membership {
    int m_nIngredient;
    int m_nClass;
    int m_nParent;
};

} // namespace

void LocalDemoData::Write() {
    m_writer.BeginTransaction();
    WriteSettings();
    WriteNutrientLabels();
    WriteClasses();
    WriteLabels();
    WriteIngredients();
    WriteIngredientValues();
    WriteIngredientClasses();
    WriteIngredientMentions();
    m_writer.Commit();
}

void LocalDemoData::IntOrNull(int nValue) {
    if (nValue == kNull)
        m_writer.Null();
    else
        m_writer.Int(nValue);
}

void LocalDemoData::WriteSettings() {
    m_writer.Table("Utilisateurs", "USER_ID,LANGUE");
    for (const auto& [nUser, nLanguage] : {std::pair{0, 0}, {1, 1}, {2, 2}, {3, 7}}) {
        m_writer.Row();
        m_writer.Int(nUser);
        m_writer.Int(nLanguage);
    }
    m_writer.Table("Langue_System", "Item_Id,Langue_1");
    m_writer.Row();
    m_writer.Int(263);
    m_writer.PlainText("2.6.0.600");
    m_writer.Table("Variables", "NAME,VALNUM");
    m_writer.Row();
    m_writer.PlainText("NUTRIDATARELEASE");
    m_writer.Int(kDataRelease);
    m_writer.Row();
    m_writer.PlainText("NBDECIMALES");
    m_writer.Int(2);
}

// Every local nutrient the central list names, except 18 (created at start-up), plus one
// label of the Ovalane software alone.
void LocalDemoData::WriteNutrientLabels() {
    m_writer.Table("NutriLibelles", "ID,LIBELLE_1,LIBELLE_2,LIBELLE_3,LIBELLE_4,LIBELLE_5,"
                                    "LIB_CIQUAL,UNITE,TYPEMSK,NBDIGIT,NUMORDRE,PARAM1,OWNER");
    int nOrder = 0;
    for (const Nutrient& nutrient : Nutrients()) {
        if (nutrient.m_nIdOvl < 0 || nutrient.m_nIdOvl == 18)
            continue;
        const bool bDate = DigitsOf(nutrient) < 0;
        m_writer.Row();
        m_writer.Int(nutrient.m_nIdOvl);
        for (const char* pszLabel : nutrient.m_labels)
            m_writer.PlainText(pszLabel);
        std::string strCiqual = nutrient.m_labels[0];
        if (*nutrient.m_pszUnit)
            strCiqual += std::string(" (") + nutrient.m_pszUnit + "/100 g)";
        m_writer.PlainText(strCiqual);
        m_writer.PlainText(nutrient.m_pszUnit);
        m_writer.Int(bDate ? 8 : 1);
        m_writer.Int(DigitsOf(nutrient));
        m_writer.Int(++nOrder);
        if (nutrient.m_dParam1 < 0)
            m_writer.Null();
        else
            m_writer.Real(nutrient.m_dParam1);
        m_writer.Int(0);
    }
    m_writer.Row();
    m_writer.Int(kCostLabel);
    for (const char* pszLabel :
         {"Coût matière", "Material cost", "Materialkosten", "Coste de materia", "Costo materia"})
        m_writer.PlainText(pszLabel);
    m_writer.Null();
    m_writer.PlainText("€/kg");
    m_writer.Int(1);
    m_writer.Int(2);
    m_writer.Int(++nOrder);
    m_writer.Null();
    m_writer.Int(1);
}

// The class tree: fixed classes, then one class per allergen (named like the central
// allergen in all five languages). Class 4007 is left to start-up.
void LocalDemoData::WriteClasses() {
    m_writer.Table("Categories", "CLASS_ID,TYPE,MASQUE,PERE_ID,NAME_1,NAME_2,NAME_3,NAME_4,"
                                 "NAME_5,OWNER,DATE_MAJ,ASCHILD,EXPORTABLE");
    auto writeClass = [this](int nId, int nType, int nParent, bool bHasChildren, const Names& names,
                             const DemoDate& date) {
        m_writer.Row();
        m_writer.Int(nId);
        m_writer.Int(nType);
        m_writer.Int(0);
        m_writer.Int(nParent);
        for (const char* pszName : names)
            m_writer.PlainText(pszName);
        m_writer.Int(0);
        m_writer.Date(date);
        m_writer.Int(bHasChildren ? 1 : 0);
        m_writer.Int(1);
    };
    for (const LocalClass& cls : LocalClasses())
        writeClass(cls.m_nId, cls.m_nType, cls.m_nParent, cls.m_bHasChildren, cls.m_names,
                   Day(2021, 3, 15, 10));
    for (const Allergen& allergen : Allergens()) {
        const bool bGroup = allergen.m_nGroup == allergen.m_nId;
        if (allergen.m_nClass != kNull && allergen.m_nClass != kAllergenFreeClass)
            writeClass(allergen.m_nClass, 3, allergen.m_nParentClass, bGroup, allergen.m_names,
                       Day(2021, 3, 15, 10, 5));
        if (allergen.m_nLocalClass != kNull)
            writeClass(allergen.m_nLocalClass, 3, allergen.m_nLocalParent, false, allergen.m_names,
                       Day(2023, 9, 4, 16, 40));
    }
}

void LocalDemoData::WriteLabels() {
    m_writer.Table("LibellesPreEmballe", "ID,NAME_1,NAME_2,NAME_3,NAME_4,NAME_5,TYPE,OWNER");
    for (const Label& label : LocalLabels()) {
        m_writer.Row();
        m_writer.Int(label.m_nId);
        for (const char* pszText : label.m_texts)
            m_writer.PlainText(pszText);
        m_writer.Int(label.m_nType);
        m_writer.Int(0);
    }
}

// Ingredient 1 looks imported before (label fields filled); the others hold names only.
void LocalDemoData::WriteIngredients() {
    m_writer.Table("Ingredients",
                   "INGRED_ID,CODE_AN,NAME_1,NAME_2,NAME_3,NAME_4,NAME_5,PREEM_DENVENT,"
                   "PREEM_COMPOS,PREEM_COMPCT,PREEM_FICHTECH_1,PREEM_FICHTECH_2,PREEM_FICHTECH_3,"
                   "PREEM_FICHTECH_4,PREEM_FICHTECH_5,PREEM_CATADDITIF,PREEM_CODEADDITIF,"
                   "DATE_MAJ,PXQTEUNIT,CATPRINCIPAL,ENTPRINCIPAL,FOUPRINCIPAL,TVACODE");
    const Names butterList = {"crème pasteurisée (lait) 100%", "pasteurised cream (milk) 100%",
                              "pasteurisierter Rahm (Milch) 100%", "nata pasteurizada (leche) 100%",
                              "crema di latte pastorizzata 100%"};
    for (const LocalIngredient& ingredient : LocalIngredients()) {
        m_writer.Row();
        m_writer.Int(ingredient.m_nId);
        if (ingredient.m_pszCode)
            m_writer.PlainText(ingredient.m_pszCode);
        else
            m_writer.Null();
        for (const char* pszName : ingredient.m_names)
            m_writer.PlainText(pszName);
        const bool bImported = ingredient.m_nId == 1;
        const bool bOil = ingredient.m_nId == 7;
        IntOrNull(bImported ? 2 : bOil ? 4 : ingredient.m_nId == 12 ? -1 : kNull);
        IntOrNull(bImported ? 6 : kNull);
        if (bImported)
            m_writer.Real(1.0f);
        else
            m_writer.Null();
        for (const char* pszList : butterList) {
            if (bImported)
                m_writer.PlainText(pszList);
            else
                m_writer.Null();
        }
        IntOrNull(ingredient.m_nId == 12 ? -1 : kNull);
        m_writer.Null();
        m_writer.Date(Day(2024, 1 + (ingredient.m_nId + 1) % 12, 1 + (ingredient.m_nId + 1) % 28, 9,
                          ingredient.m_nId + 1));
        m_writer.Int(ingredient.m_nId % 3 == 0 ? 1 : -1);
        m_writer.Int(-1);
        m_writer.Int(-1);
        m_writer.Int(ingredient.m_nId % 4 == 0 ? 3 : -1);
        m_writer.Int(ingredient.m_nId % 5 == 0 ? 2 : 1);
    }
}

void LocalDemoData::WriteIngredientValues() {
    const double dImport = Day(2024, 11, 18, 10, 42).AutomationDate();
    const double dData = Day(2024, 9, 2).AutomationDate();
    const Value values[] = {
        // Beurre doux, as an earlier import left it, plus the cost kept by Ovalane.
        {1, 21, dImport, 0x08},
        {1, 18, dData, 0x08},
        {1, 6, 3065, 0},
        {1, 7, 745, 0},
        {1, 10, 82, 0},
        {1, 11, 54, 0},
        {1, 4, 0.8, 0},
        {1, 5, 0.8, 0},
        {1, 3, 0.7, 0},
        {1, 8, 0.02, 0},
        {1, 9, 16, 0},
        {1, kCostLabel, 8.9, 0},
        // Lait demi-écrémé: values typed by hand, one of category 6 that clearing keeps.
        {3, 6, 194, 0},
        {3, 7, 46, 0},
        {3, 10, 1.6, 0},
        {3, 0, 40, 0x01},
        {3, 40, 2, 0},
        // Huile d'olive: weighted nutrient and the computed pair.
        {7, 700, 100, 0},
        {7, 15, -100, 0x20000000},
        {7, 17, 100, 0},
        {7, kCostLabel, 9.5, 0},
        // Chocolat noir: a value whose label the central list keeps out of clearing.
        {8, 40, 5, 0},
        {8, 6, 2400, 0},
        {8, 5, 28, 0},
        // Saumon fumé: third block and the data sheet date.
        {22, 500, 8, 0},
        {22, 601, 310, 0},
        {22, 603, 0, 0x02},
        {22, 22, 45200, 0x08},
    };
    m_writer.Table("NutriIngred", "ING_ID,NUTRI_ID,QTE,OPTION_MSK");
    for (const Value& value : values) {
        m_writer.Row();
        m_writer.Int(value.m_nIngredient);
        m_writer.Int(value.m_nNutrient);
        m_writer.Real(value.m_dValue);
        m_writer.Int(value.m_nFlags);
    }
}

void LocalDemoData::WriteIngredientClasses() {
    const Membership classes[] = {
        {1, 100, 0},
        {1, kClassAutoEnergy, kStatusRootClass},
        {3, 100, 0},
        {13, 100, 0},
        {17, 101, 0},
        {18, 101, 0},
        {27, kAllergenFreeClass, kAllergenRootClass},
        {27, 102, 0},
        // Traces of the chocolate: milk and the nut group.
        {8, 2605, kAllergenRootClass},
        {8, 2629, kAllergenRootClass},
    };
    m_writer.Table("CategIngre", "INGR_ID,CLASS_ID,CLASSPARENT,MASQUE");
    for (const Membership& m : classes) {
        m_writer.Row();
        m_writer.Int(m.m_nIngredient);
        m_writer.Int(m.m_nClass);
        m_writer.Int(m.m_nParent);
        m_writer.Int(0);
    }
    const Membership allergens[] = {
        {1, 2605, kAllergenRootClass},
        {8, 2604, kAllergenRootClass},
        {22, 2603, kAllergenRootClass},
        {24, 2618, 2629},
        {25, 2619, 2629},
    };
    m_writer.Table("CategIngAllerg", "INGR_ID,CLASS_ID,CLASSPARENT,MASQUE");
    for (const Membership& m : allergens) {
        m_writer.Row();
        m_writer.Int(m.m_nIngredient);
        m_writer.Int(m.m_nClass);
        m_writer.Int(m.m_nParent);
        m_writer.Int(0);
    }
}

void LocalDemoData::WriteIngredientMentions() {
    m_writer.Table("MSpecifIng", "ID,IDMSPECIF");
    for (const auto& [nIngredient, nLabel] : {std::pair{1, 15}, {8, -1}, {8, -1}, {12, 10}}) {
        m_writer.Row();
        m_writer.Int(nIngredient);
        m_writer.Int(nLabel);
    }
}

} // namespace ovl::demo
