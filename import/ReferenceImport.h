#pragma once

#include "import/ImportContext.h"
#include "import/IngredientValues.h"

#include <cstdint>

namespace ovl {

// Imports a reference product into an ingredient: clears it, writes the dates, the nutrient
// values, the status classes and, for supplier products, the labelling data, the third block
// and the computed pair; returns the refreshed values text. Runs in one local transaction:
// on any error the ingredient keeps exactly what it had and the error is raised again.
IngredientValues ImportReferenceProduct(ImportContext& context, std::int32_t ingredientId,
                                        std::int32_t productId);

// True for a generic composition-table food (the product has a CIQID).
bool IsGenericCompositionProduct(ImportContext& context, std::int32_t productId);

} // namespace ovl
