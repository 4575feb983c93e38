#pragma once

#include "import/ImportContext.h"
#include "local/NutriIngredSet.h"

#include <cstdint>
#include <string>

namespace ovl {

// The values text of an ingredient, as the right pane shows it before missing values are
// marked, with the allergen lists of its tooltip.
struct IngredientValues {
    std::string m_strText; // lines ending with "\r\n"; "0--" marks a missing value
    std::string m_strIngAllergens;
    std::string m_strIngTraces;
};

// Builds the text from the local tables. `nutriIngred`, when given, is an open NutriIngred
// record set to reuse (the import passes its own); otherwise one is made and closed here.
IngredientValues BuildIngredientValuesText(ImportContext& context, std::int32_t ingredientId,
                                           CNutriIngredSet* nutriIngred = nullptr);

} // namespace ovl
