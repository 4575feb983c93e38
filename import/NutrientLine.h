#pragma once

#include "import/ImportContext.h"
#include "local/NutriIngredSet.h"
#include "local/NutriLibellesSet.h"

#include <cstdint>
#include <string>

namespace ovl {

// Sets the filter of a record set and runs it: an open one is re-queried, a closed one is
// opened forward-only.
void RunWithFilter(db::Recordset& recordset, std::string filter);

// Appends the values-text line of one local nutrient of an ingredient: "VNS non exigées"
// when values are not required, the stored value, "Automatique" for a missing nutrient 26,
// or the missing marker ("0--" when `markMissing`, else "---"). Re-runs both record sets.
void AppendNutrientLine(const ImportContext& context, CNutriLibellesSet& labels, std::string& text,
                        CNutriIngredSet& values, std::int32_t nutrientId, std::int32_t ingredientId,
                        bool valuesNotRequired, bool markMissing);

} // namespace ovl
