#pragma once

#include <cstdint>
#include <string>

namespace ovl {

class CAlrgCache;

// What a pane says about one allergen mask: the summary that goes into the text and the list
// of names that its tooltip shows.
struct AllergenTexts {
    std::string m_strSummary;
    std::string m_strList;
};

// A mask that is empty or declares the product free of allergens gives "Pas d'allergènes"
// twice; otherwise the summary says that allergens were declared and the list names them,
// ", " joined, for the identifiers 1 up to the highest cached one.
AllergenTexts MakeAllergenTexts(std::uint64_t mask, const CAlrgCache& cache, int languageIndex);
// The same in the current language.
AllergenTexts MakeAllergenTexts(std::uint64_t mask, const CAlrgCache& cache);

} // namespace ovl
