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

// The two allergen lines of a value pane ("Contient : ..." and "Peut contenir des traces
// de : ..."), ending with "\r\n", and the two lists its tooltip shows, for masks already
// folded for display. Both masks empty give the "not communicated" lines and empty lists.
struct AllergenLines {
    std::string m_strText;
    std::string m_strAllergens;
    std::string m_strTraces;
};
AllergenLines MakeAllergenLines(std::uint64_t contains, std::uint64_t traces,
                                const CAlrgCache& cache, int languageIndex);

} // namespace ovl
