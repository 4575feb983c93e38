#pragma once

#include "platform/Connection.h"

#include <cstdint>

namespace ovl {

// The status classes an import sets under parent class 4001.
constexpr std::int32_t kStatusParentClass = 4001;
constexpr std::int32_t kClassValuesNotRequired = 4007;
constexpr std::int32_t kClassAutomaticValue26 = 4010;
constexpr std::int32_t kClassOption20 = 4011;

// Adds the class to the ingredient under parent 4001 unless it is there; a database error
// while adding is ignored.
void EnsureIngredientClass(db::Connection& local, std::int32_t ingredientId, std::int32_t classId);

// Removes the class from the ingredient; a database error is ignored.
void RemoveIngredientClass(db::Connection& local, std::int32_t ingredientId, std::int32_t classId);

} // namespace ovl
