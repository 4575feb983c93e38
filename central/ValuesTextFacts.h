#pragma once

#include "platform/DateTime.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace ovl {

class CAlrgCache;

// The facts a values pane is written from, as a reference product or an ingredient holds
// them. Labels and texts are decoded already.

// One stored value: the number, its OPTION_MSK flags and the unit it is shown in.
struct NutrientValue {
    double m_dValue = 0;
    std::int32_t m_nFlags = 0;
    std::string m_strUnit;
};

// One nutrient line: the label, and the value when the source holds one.
struct NutrientReading {
    std::string m_strLabel;
    std::optional<NutrientValue> m_value;
};

// The date of the data: a product holds it as a calendar date, an ingredient as a value.
struct DataDateReading {
    std::string m_strLabel;
    std::variant<std::monostate, db::DateTime, NutrientValue> m_date;
};

// The allergen masks, folded for display, and the cache that names their bits.
struct AllergenReading {
    std::uint64_t m_nContains = 0;
    std::uint64_t m_nTraces = 0;
    const CAlrgCache* m_pNames = nullptr;
};

struct CompositionReading {
    std::string m_strLabel;
    double m_dPercent = 0;
};

// The pre-packaged label fields; nothing where the source has none.
struct PrepackedReading {
    std::optional<std::string> m_strDenomination;
    std::optional<std::string> m_strIngredients;
    std::optional<CompositionReading> m_composition;
    std::optional<std::string> m_strAdditiveCategory;
    std::optional<std::string> m_strAdditiveCodes;
};

// The finished text, lines ending with "\r\n", and the allergen lists its tooltip shows.
struct ValuesText {
    std::string m_strText;
    std::string m_strAllergens;
    std::string m_strTraces;
};

} // namespace ovl
