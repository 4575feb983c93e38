#pragma once

#include "central/ValuesTextFacts.h"
#include "import/ImportContext.h"
#include "local/NutriIngredSet.h"
#include "local/NutriLibellesSet.h"

#include <cstdint>
#include <string>

namespace ovl {

// Sets the filter of a record set and runs it: an open one is re-queried, a closed one is
// opened forward-only.
void RunWithFilter(db::Recordset& recordset, std::string filter);

// What the local tables hold for one nutrient line of an ingredient: the label of the label
// cache, else the stored one, and the stored value with the stored unit. Re-runs both
// record sets.
NutrientReading ReadNutrientLine(const ImportContext& context, CNutriLibellesSet& labels,
                                 CNutriIngredSet& values, std::int32_t nutrientId,
                                 std::int32_t ingredientId);

} // namespace ovl
