#pragma once

#include "central/OvlNutriProdSet.h"
#include "import/ImportContext.h"

#include <cstdint>

namespace ovl {

// The labelling steps of an import, for supplier products. `product` is the product's
// full-mode row, open on its current row.

// Allergen classes (CategIngAllerg) and trace classes (CategIngre) from the two masks.
void ImportAllergens(ImportContext& context, std::int32_t ingredientId,
                     const COvlNutriProdSet& product);

// The pre-packaged columns of the ingredient: legal sales name, ingredient lists,
// composition, additive category and codes. May ask whether to update the legal names.
void ImportPrepackagedFields(ImportContext& context, std::int32_t ingredientId,
                             std::int32_t productId, const COvlNutriProdSet& product);

// One MSpecifIng row per specific mention of the product.
void ImportSpecificMentions(ImportContext& context, std::int32_t ingredientId,
                            std::int32_t productId);

} // namespace ovl
