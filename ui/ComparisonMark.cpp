#include "ui/ComparisonMark.h"

namespace ovl {

ComparisonMark CompareValueTexts(const ValuePanes& panes) {
    if (panes.m_strRefText.empty() || panes.m_strIngText.empty())
        return {"", false};
    if (panes.m_strRefText != panes.m_strIngText)
        return {"<>", true};
    // The panes only say whether allergens were declared; the names are in the lists.
    if (panes.m_strRefAllergens != panes.m_strIngAllergens ||
        panes.m_strRefTraces != panes.m_strIngTraces)
        return {"A<>", true};
    return {"=", false};
}

} // namespace ovl
