#pragma once

#include "app/ActionResult.h"
#include "cli/Console.h"
#include "import/IngredientValues.h"

#include <string>

namespace ovl::cli {

// Prints a detail or values text as its pane shows it: missing values marked, no blank
// line at the end.
void PrintPaneText(Console& console, const std::string& text);

// Prints the values text of a result, or which identifier named nothing on stderr. Returns
// the exit code.
int PrintValuesOrMissing(Console& console, const ActionResult<IngredientValues>& values);

} // namespace ovl::cli
