#include "cli/PaneText.h"

#include "central/ProductDetail.h"
#include "cli/ExitCode.h"

namespace ovl::cli {

void PrintPaneText(Console& console, const std::string& text) {
    std::string shown = MarkMissingValues(text);
    while (!shown.empty() && (shown.back() == '\n' || shown.back() == '\r'))
        shown.pop_back();
    console.PrintLine(shown);
}

int PrintValuesOrMissing(Console& console, const ActionResult<IngredientValues>& values) {
    if (!values) {
        console.ErrorLine("error: " + values.Missing().Text());
        return kExitFailed;
    }
    PrintPaneText(console, values->m_strText);
    return kExitDone;
}

} // namespace ovl::cli
