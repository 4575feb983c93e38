#include "local/ReservedRows.h"

#include "local/CategoriesSet.h"
#include "local/NutriLibellesSet.h"
#include "local/NutrientIds.h"

#include <string>

namespace ovl {

namespace {

// Type bit of a nutrient label whose value is a date.
constexpr int kDateValueTypeMask = 8;
constexpr int kNoDeclarationClassType = 8;
constexpr int kOwnerOfOurClasses = -1;
// Texts in code page 1252; "Déclération" is spelt as the Ovalane software spells it.
constexpr const char* kNoDeclarationName = "D\xE9"
                                           "cl\xE9"
                                           "ration des VNS non exig\xE9"
                                           "e";

void AddLastUpdateLabel(CNutriLibellesSet& rs) {
    rs.AddNew();
    rs.m_ID = nutrient::kDataDate;
    rs.m_LIBELLE_1 = "Derni\xE8re mise \xE0 jour";
    rs.m_LIBELLE_2 = "Last update";
    rs.m_LIBELLE_3 = "Letzte Aktualisierung";
    rs.m_LIBELLE_4 = "\xDAltima actualizaci\xF3n";
    rs.m_LIBELLE_5 = "Ultimo aggiornamento";
    rs.m_LIB_CIQUAL = "OVL Mise \xE0 jour";
    rs.m_TYPEMSK = kDateValueTypeMask;
    rs.m_NBDIGIT = -1;
    rs.m_NUMORDRE = nutrient::kDataDate;
    rs.Update();
}

void EnsureLastUpdateLabel(db::Connection& local) {
    CNutriLibellesSet rs(&local);
    rs.m_strFilter = "[ID]=" + std::to_string(nutrient::kDataDate);
    rs.Open();
    if (rs.IsEOF())
        AddLastUpdateLabel(rs);
    rs.Close();
}

void AddNoDeclarationClass(CCategoriesSet& rs) {
    const std::string otherLanguages = std::string("FR:") + kNoDeclarationName;
    rs.AddNew();
    rs.m_CLASS_ID = kClassValuesNotRequired;
    rs.m_TYPE = kNoDeclarationClassType;
    rs.m_MASQUE = 0;
    rs.m_PERE_ID = kStatusParentClass;
    rs.m_NAME_1 = kNoDeclarationName;
    rs.m_NAME_2 = otherLanguages;
    rs.m_NAME_3 = otherLanguages;
    rs.m_NAME_4 = otherLanguages;
    rs.m_NAME_5 = otherLanguages;
    rs.m_OWNER = kOwnerOfOurClasses;
    rs.m_DATE_MAJ = db::DateTime{2021, 6, 6, 0, 0, 0};
    rs.m_ASCHILD = false;
    rs.m_EXPORTABLE = true;
    rs.Update();
}

// A database without the parent class has nothing to mark; failing here would only leave
// class 4007 behind and make the next start behave differently from this one.
void MarkParentHasChildren(CCategoriesSet& rs) {
    rs.m_strFilter = "[CLASS_ID]=" + std::to_string(kStatusParentClass);
    rs.Requery();
    if (rs.IsEOF())
        return;
    rs.Edit();
    rs.m_ASCHILD = true;
    rs.Update();
}

void EnsureNoDeclarationClass(db::Connection& local) {
    CCategoriesSet rs(&local);
    rs.m_strFilter = "[CLASS_ID]=" + std::to_string(kClassValuesNotRequired);
    rs.Open();
    if (rs.IsEOF()) {
        AddNoDeclarationClass(rs);
        MarkParentHasChildren(rs);
    }
    rs.Close();
}

} // namespace

void EnsureReservedRows(db::Connection& local) {
    EnsureLastUpdateLabel(local);
    EnsureNoDeclarationClass(local);
}

} // namespace ovl
