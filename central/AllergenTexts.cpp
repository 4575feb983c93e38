#include "central/AllergenTexts.h"

#include "app/CatalogueText.h"
#include "app/Language.h"
#include "central/AlrgCache.h"

#include <algorithm>

namespace ovl {

namespace {

constexpr int kNoAllergensText = 2083;
constexpr int kAllergensDeclaredText = 2084;
constexpr std::uint64_t kAllergenFreeBit = 1;
// A mask holds 64 bits; allergens with a higher identifier can never be set in one.
constexpr std::int32_t kHighestMaskBit = 63;

std::string NamesInMask(std::uint64_t mask, const CAlrgCache& cache) {
    std::string list;
    bool first = true;
    const std::int32_t last = std::min(cache.GetHighestId(), kHighestMaskBit);
    for (std::int32_t id = 1; id <= last; ++id) {
        if (!(mask & (std::uint64_t{1} << id)))
            continue;
        if (!first)
            list += ", ";
        // An identifier without a cache row adds an empty name.
        list += cache.GetName(id);
        first = false;
    }
    return list;
}

AllergenTexts MakeWithOffset(std::uint64_t mask, const CAlrgCache& cache, int offset) {
    if (mask == 0 || (mask & kAllergenFreeBit)) {
        const std::string none = CatalogueText(kNoAllergensText + offset);
        return {none, none};
    }
    return {CatalogueText(kAllergensDeclaredText + offset), NamesInMask(mask, cache)};
}

} // namespace

AllergenTexts MakeAllergenTexts(std::uint64_t mask, const CAlrgCache& cache, int languageIndex) {
    return MakeWithOffset(mask, cache, LanguageOffsetOf(languageIndex));
}

AllergenTexts MakeAllergenTexts(std::uint64_t mask, const CAlrgCache& cache) {
    return MakeWithOffset(mask, cache, g_nLangOffset);
}

AllergenLines MakeAllergenLines(std::uint64_t contains, std::uint64_t traces,
                                const CAlrgCache& cache, int languageIndex) {
    using namespace catalogue;
    const int offset = LanguageOffsetOf(languageIndex);
    AllergenLines lines;
    if (contains == 0 && traces == 0) {
        lines.m_strText = CatalogueText(kContainsUnknownText + offset) +
                          CatalogueText(kTracesUnknownText + offset);
        return lines;
    }
    AllergenTexts containsTexts = MakeAllergenTexts(contains, cache, languageIndex);
    AllergenTexts tracesTexts = MakeAllergenTexts(traces, cache, languageIndex);
    lines.m_strText =
        FillCatalogueText(CatalogueText(kContainsText + offset), {containsTexts.m_strSummary}) +
        FillCatalogueText(CatalogueText(kTracesText + offset), {tracesTexts.m_strSummary});
    lines.m_strAllergens = std::move(containsTexts.m_strList);
    lines.m_strTraces = std::move(tracesTexts.m_strList);
    return lines;
}

} // namespace ovl
