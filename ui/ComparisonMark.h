#pragma once

#include <string>

namespace ovl {

// The two value panes of the main window and the allergen lists their tooltips show.
struct ValuePanes {
    std::string m_strRefText; // the reference product pane, as it shows it
    std::string m_strIngText; // the ingredient values pane, as it shows it
    std::string m_strRefAllergens;
    std::string m_strIngAllergens;
    std::string m_strRefTraces;
    std::string m_strIngTraces;
};

// The mark between the panes and whether it is shown in the warning colour.
struct ComparisonMark {
    std::string m_strMark;        // "", "=", "<>" or "A<>"
    bool m_bValuesDiffer = false; // the mark is drawn dark red
};

// Compares the panes byte for byte: no mark when either pane is empty, "<>" when the texts
// differ, "A<>" when only the allergen or the traces lists differ, "=" otherwise.
ComparisonMark CompareValueTexts(const ValuePanes& panes);

} // namespace ovl
