#pragma once

#include "ui/Controls.h"

#include <string>
#include <vector>

namespace ovl::ui {

// What a read-only pane shows: its text and the runs coloured in it.
struct PaneContent {
    std::string text;
    std::vector<Pane::Run> runs;
};

// Colours every occurrence of `marker` (letter case ignored), left to right, with no overlap.
void SetTextHighlighting(PaneContent& content, const std::string& marker, const Colour& colour);

// Every "0--" becomes a red "---"; the rest of the text keeps its colours.
void MarkMissingValues(PaneContent& content);

// The text of a detail or values pane as its builders show it: the marker "Information non
// communiquée" (catalogue 2067) in red, then the missing values marked.
PaneContent MakeValuesPaneContent(const std::string& text);

} // namespace ovl::ui
