#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>

// The fixed reference data of the demo databases, shared by the central and the local side
// so that both agree (local nutrient ids, allergen classes and names, label texts).
// Texts are UTF-8 here; the writer converts them to code page 1252.
namespace ovl::demo {

// One text per language: French, English, German, Spanish, Italian.
using Names = std::array<const char*, 5>;

constexpr int kNull = -1000000; // an integer column left NULL
constexpr int kDataRelease = 12;
constexpr int kAccountId = 1;
constexpr int kOtherAccountId = 2;

// Local classes.
constexpr int kAllergenRootClass = 26;
constexpr int kAllergenFreeClass = 36;
constexpr int kStatusRootClass = 4001;
constexpr int kClassAutoEnergy = 4010;
constexpr int kClassCertified = 4011;
constexpr int kDietRootClass = 9000;

// Allergen groups (central allergen ids).
constexpr int kGroupCrustaceans = 27;
constexpr int kGroupNuts = 29;
constexpr int kGroupGluten = 30;

struct Supplier {
    int m_nId;
    const char* m_pszName;
    int m_nOpenBar;          // kNull: NULL
    const char* m_pszDate;   // "YYYY-MM-DD", nullptr: NULL
    bool m_bSelected;        // in the selection of kAccountId
    const char* m_pszPrefix; // start of the supplier's product codes
};

struct Group {
    int m_nId;
    int m_nCiqId;
    Names m_names;
};

struct Source {
    int m_nId;
    const char* m_pszCitation;
    const char* m_pszSource; // nullptr: NULL (only those rows are cited)
};

// Nutrient roles used by the product generator.
enum class Nutr {
    None,
    KJ,
    Kcal,
    Fat,
    Saturates,
    Carbs,
    Sugars,
    Protein,
    Salt,
    Fibre,
    Water,
    CalcEnergy,
    Mono,
    Poly,
    Sodium,
    Calcium,
    Cholesterol,
    Iron,
    VitC,
    Minor,
    Weighted,
    SheetDate,
    Fruits,
    Vegetables,
    Pulses,
    Nuts,
    Dried,
    Oils,
    Waste,
    Alcohol,
    Date
};

struct Nutrient {
    int m_nId;    // central id
    int m_nIdOvl; // local id; -1: not in the local database
    Names m_labels;
    const char* m_pszUnit;
    int m_nCateg;     // kNull: NULL
    double m_dParam1; // < 0: NULL
    Nutr m_role;
};

struct Allergen {
    int m_nId;
    const char* m_pszCode;
    Names m_names;
    int m_nGroup;       // kNull: NULL; a group row holds its own id
    int m_nClass;       // local class; kNull: IDOVL NULL centrally
    int m_nParentClass; // parent of the local class
    int m_nLocalClass;  // class that exists locally without being named centrally, or kNull
    int m_nLocalParent;
};

struct Label {
    int m_nId;
    int m_nType;
    Names m_texts;
};

struct Nutrition {
    double m_dKcal, m_dFat, m_dSaturates, m_dCarbs, m_dSugars, m_dProtein, m_dSalt, m_dFibre,
        m_dWater;
    // Shares in percent for the weighted nutrients.
    double m_dFruits, m_dVegetables, m_dPulses, m_dNuts, m_dDried, m_dOils;
};

// A kind of food from which products are made.
struct FoodTemplate {
    int m_nGroup;
    int m_nSupplier; // kNull: generic food of the composition table
    Names m_names;
    Names m_ingredients; // nullptr entries: no list
    std::uint64_t m_nContains;
    std::uint64_t m_nTraces;
    Nutrition m_nutrition;
    int m_nOptions;
    int m_nDenomination; // kNull or a label of type 0
    int m_nComponent;    // kNull or a label of type 1
    float m_fComponentPct;
    int m_nAdditiveCateg; // kNull or a label of type 6
    const char* m_pszAdditiveCodes;
    std::array<int, 3> m_mentions; // 0: none
};

struct LocalIngredient {
    int m_nId;
    const char* m_pszCode; // nullptr: NULL
    Names m_names;
};

struct LocalClass {
    int m_nId;
    int m_nType;
    int m_nParent;
    bool m_bHasChildren;
    Names m_names;
};

constexpr std::uint64_t Bits(std::initializer_list<int> ids) {
    std::uint64_t n = 0;
    for (int id : ids)
        n |= std::uint64_t{1} << id;
    return n;
}

std::span<const Supplier> Suppliers();
std::span<const Group> Groups();
std::span<const Source> Sources();
std::span<const Nutrient> Nutrients();
std::span<const Allergen> Allergens();
std::span<const Label> CentralLabels();
std::span<const Label> LocalLabels();
std::span<const FoodTemplate> FoodTemplates();
std::span<const LocalIngredient> LocalIngredients();
std::span<const LocalClass> LocalClasses();

} // namespace ovl::demo
