#pragma once

#include "import/ImportContext.h"

#include <cstdint>

namespace ovl {

// Removes from an ingredient what an import writes: values of nutrients the central list
// knows (categories 0 to 5), the status classes, allergen and trace classes, the
// pre-packaged columns and the specific mentions.
void ClearImportedValues(ImportContext& context, std::int32_t ingredientId);

// True when the central nutrient list has a label of category 0 to 5 for the local id.
bool IsClearableNutrient(ImportContext& context, std::int32_t localNutrientId);

// Deletes the ingredient's allergen and trace classes under the group classes and class 26.
void RemoveAllergenClasses(ImportContext& context, std::int32_t ingredientId);

} // namespace ovl
