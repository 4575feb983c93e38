#pragma once

#include "central/ValuesTextFacts.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ovl {

// Where a values pane reads its facts: the central product or the local ingredient. The
// writer asks in the order of the text, so a source may run its queries as it is asked.
class ValuesTextSource {
public:
    virtual ~ValuesTextSource() = default;

    // The first two blocks read "not required" whatever is stored.
    virtual bool ValuesNotRequired() const = 0;
    // Whether the automatic value has a line of its own.
    virtual bool ShowsAutomaticValue() const = 0;

    virtual DataDateReading ReadDataDate() = 0;
    virtual NutrientReading ReadNutrient(std::int32_t nutrientId) = 0;
    virtual AllergenReading ReadAllergens() = 0;
    virtual PrepackedReading ReadPrepacked() = 0;
    // One label per specific mention, in the order stored; nothing for one without a label.
    virtual std::vector<std::optional<std::string>> ReadMentions() = 0;
    // Every stored category-4 value, each with its value.
    virtual std::vector<NutrientReading> ReadCategory4() = 0;
    // The weighted sum line, read after the category-4 values.
    virtual NutrientReading ReadWeightedSum() = 0;
};

} // namespace ovl
