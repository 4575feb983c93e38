#include "import/IngredientOperations.h"

#include "import/ImportClearing.h"
#include "import/LocalTransaction.h"
#include "local/IngredientsSet.h"

#include <string>

namespace ovl {

bool IngredientExists(db::Connection& local, std::int32_t ingredientId) {
    CIngredientsSet ingredient(&local, true);
    ingredient.m_strFilter = "[INGRED_ID]=" + std::to_string(ingredientId);
    ingredient.Open(db::OpenType::ForwardOnly);
    return !ingredient.IsEOF();
}

IngredientValues ClearIngredient(ImportContext& context, std::int32_t ingredientId) {
    LocalTransaction transaction(context);
    ClearImportedValues(context, ingredientId);
    IngredientValues values = BuildIngredientValuesText(context, ingredientId);
    transaction.Commit();
    return values;
}

} // namespace ovl
