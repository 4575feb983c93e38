#pragma once

#include "central/ValuesTextFacts.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace ovl {

class ValuesTextSource;

// Writes the text of a values pane. The product detail and the ingredient values are both
// written here, line for line the same way, so that the window's comparison of the two panes
// sees equal facts as equal text.
class ValuesTextWriter {
public:
    static constexpr const char* kRedMissing = "0--"; // the pane shows it as a red "---"
    static constexpr const char* kPlainMissing = "---";

    // `notRequiredTextId`: the French catalogue id of the "not required" value text.
    ValuesTextWriter(int languageIndex, int notRequiredTextId);

    // Date, the two nutrient blocks, allergens, pre-packaged lines, specific mentions, the
    // third block, the category-4 values, the weighted sum and the last value.
    ValuesText Write(ValuesTextSource& source);

private:
    std::string Text(int frenchId) const;
    std::string Fill(int frenchId, std::initializer_list<std::string> args) const;
    void Append(const std::string& text) { m_result.m_strText += text; }
    void AppendPair(const std::string& label, const std::string& value);
    void AppendValueLine(const std::string& label, const NutrientValue& value);

    void AppendDataDate(const DataDateReading& date);
    void AppendNutrient(ValuesTextSource& source, std::int32_t nutrientId, bool notRequired,
                        const char* missing);
    void AppendNutrientLine(const NutrientReading& reading, std::int32_t nutrientId,
                            bool notRequired, const char* missing);
    void AppendBlocks(ValuesTextSource& source);
    void AppendAllergens(const AllergenReading& allergens);
    void AppendPrepacked(const PrepackedReading& prepacked);
    void AppendAdditives(const PrepackedReading& prepacked);
    void AppendMentions(const std::vector<std::optional<std::string>>& mentions);
    void AppendCategory4(const std::vector<NutrientReading>& values);

    int m_nLanguageIndex;
    int m_nLangOffset;
    int m_nNotRequiredText;
    ValuesText m_result;
};

} // namespace ovl
