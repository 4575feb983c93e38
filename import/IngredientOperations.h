#pragma once

#include "import/ImportContext.h"
#include "import/IngredientValues.h"

#include <cstdint>

namespace ovl {

// Whether the local database holds an ingredient with this identifier.
bool IngredientExists(db::Connection& local, std::int32_t ingredientId);

// The clearing of the "Effacer" command: clears the ingredient in one local transaction and
// returns its values text. On any error the ingredient keeps what it had.
IngredientValues ClearIngredient(ImportContext& context, std::int32_t ingredientId);

} // namespace ovl
