#include "cli/PaneText.h"

#include "central/ProductDetail.h"

namespace ovl::cli {

void PrintPaneText(Console& console, const std::string& text) {
    std::string shown = MarkMissingValues(text);
    while (!shown.empty() && (shown.back() == '\n' || shown.back() == '\r'))
        shown.pop_back();
    console.PrintLine(shown);
}

} // namespace ovl::cli
