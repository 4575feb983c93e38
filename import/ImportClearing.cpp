#include "import/ImportClearing.h"

#include "central/AlrgCache.h"
#include "central/LibCache.h"
#include "import/IngredientClasses.h"
#include "local/CategoriesSet.h"
#include "local/IngredientsSet.h"
#include "local/NutriIngredSet.h"
#include "local/NutrientIds.h"
#include "platform/DbException.h"

#include <string>

namespace ovl {

namespace {

// Values below the third block and from it upwards are scanned in two passes.
constexpr std::int32_t kSecondValueRange = nutrient::kThirdBlock.front();
// Highest label category an import writes.
constexpr int kLastClearableCategory = 5;
// The allergen groups whose local classes are the parents of allergen and trace classes.
constexpr std::int32_t kAllergenGroups[] = {30, 29, 27};

std::string Id(std::int32_t id) {
    return std::to_string(id);
}

void DeleteClearableValues(ImportContext& context, const std::string& filter) {
    CNutriIngredSet values(&context.local);
    values.m_strFilter = filter;
    values.Open();
    for (; !values.IsEOF(); values.MoveNext()) {
        if (IsClearableNutrient(context, values.m_NUTRI_ID))
            values.Delete();
    }
    values.Close();
}

void DeleteClassesUnder(db::Connection& local, std::int32_t ingredientId,
                        std::int32_t parentClass) {
    const std::string condition =
        " WHERE INGR_ID=" + Id(ingredientId) + " AND CLASSPARENT=" + Id(parentClass);
    local.ExecuteDirect("DELETE FROM CategIngAllerg" + condition);
    local.ExecuteDirect("DELETE FROM CategIngre" + condition);
}

void NullPrepackagedColumns(db::Connection& local, std::int32_t ingredientId) {
    CIngredientsSet ingredient(&local, false);
    ingredient.m_strFilter = "[INGRED_ID]=" + Id(ingredientId);
    ingredient.Open();
    // An ingredient that is gone has no columns left to clear.
    if (ingredient.IsEOF())
        return;
    ingredient.Edit();
    db::FieldBase* const columns[] = {
        &ingredient.m_PREEM_DENVENT,    &ingredient.m_PREEM_COMPOS,
        &ingredient.m_PREEM_COMPCT,     &ingredient.m_PREEM_FICHTECH_1,
        &ingredient.m_PREEM_FICHTECH_2, &ingredient.m_PREEM_FICHTECH_3,
        &ingredient.m_PREEM_FICHTECH_4, &ingredient.m_PREEM_FICHTECH_5,
        &ingredient.m_PREEM_CATADDITIF, &ingredient.m_PREEM_CODEADDITIF};
    for (db::FieldBase* column : columns)
        ingredient.SetFieldNull(*column);
    ingredient.Update();
    ingredient.Close();
}

void DeleteMentions(db::Connection& local, std::int32_t ingredientId) {
    try {
        local.ExecuteDirect("DELETE FROM [MSpecifIng] WHERE [ID]=" + Id(ingredientId));
    } catch (const db::DbException& e) {
        // Mentions that cannot be deleted stay; the clearing goes on, unless the transaction
        // itself is lost.
        if (db::EndsTransaction(e))
            throw;
    }
}

} // namespace

void ClearImportedValues(ImportContext& context, std::int32_t ingredientId) {
    DeleteClearableValues(context, "[ING_ID]=" + Id(ingredientId) + " AND [NUTRI_ID]<" +
                                       Id(kSecondValueRange));
    for (std::int32_t classId : {kClassValuesNotRequired, kClassAutomaticValue26, kClassOption20})
        RemoveIngredientClass(context.local, ingredientId, classId);
    RemoveAllergenClasses(context, ingredientId);
    if (ingredientId != -1)
        NullPrepackagedColumns(context.local, ingredientId);
    DeleteMentions(context.local, ingredientId);
    DeleteClearableValues(context, "[ING_ID]=" + Id(ingredientId) +
                                       " AND [NUTRI_ID]>=" + Id(kSecondValueRange));
    context.local.ExecuteDirect("DELETE FROM [NutriIngred] WHERE [ING_ID]=" + Id(ingredientId) +
                                " AND [NUTRI_ID]=" + Id(nutrient::kWeightedSumCopy));
}

bool IsClearableNutrient(ImportContext& context, std::int32_t localNutrientId) {
    const LIBCACHE* record = context.caches.LibCache().FindRecord(localNutrientId);
    return record != nullptr && record->m_nCATEG <= kLastClearableCategory;
}

void RemoveAllergenClasses(ImportContext& context, std::int32_t ingredientId) {
    const CAlrgCache& allergens = context.caches.AlrgCache();
    for (std::int32_t group : kAllergenGroups) {
        // A group missing from the allergen list, or one without a local class, has no
        // allergen classes beneath it, so its two statements are skipped; run with -1 they
        // would delete whatever rows of the ingredient have no parent class.
        const ALRGCACHE* record = allergens.FindRecord(group);
        if (record == nullptr || record->m_nIDOVL == -1)
            continue;
        DeleteClassesUnder(context.local, ingredientId, record->m_nIDOVL);
    }
    DeleteClassesUnder(context.local, ingredientId, kAllergenFreeParent);
}

} // namespace ovl
