#pragma once

#include "local/CategoriesSet.h"
#include "platform/Connection.h"

#include <cstdint>

namespace ovl {

// Adds the class to the ingredient under the status parent class unless it is there; a database
// error while adding is ignored.
void EnsureIngredientClass(db::Connection& local, std::int32_t ingredientId, std::int32_t classId);

// Removes the class from the ingredient; a database error is ignored.
void RemoveIngredientClass(db::Connection& local, std::int32_t ingredientId, std::int32_t classId);

} // namespace ovl
