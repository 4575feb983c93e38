#include "central/ValuesTextWriter.h"

#include "app/CatalogueText.h"
#include "app/Language.h"
#include "central/AllergenTexts.h"
#include "central/ValueLine.h"
#include "central/ValuesTextSource.h"
#include "local/NutrientIds.h"

namespace ovl {

namespace {

using namespace catalogue;
constexpr int kAutomaticText = 2059; // "Automatique"

const char kLineEnd[] = "\r\n";
const char kMentionError[] = "\tERREUR !\r\n";

} // namespace

ValuesTextWriter::ValuesTextWriter(int languageIndex, int notRequiredTextId)
    : m_nLanguageIndex(languageIndex), m_nLangOffset(LanguageOffsetOf(languageIndex)),
      m_nNotRequiredText(notRequiredTextId) {}

ValuesText ValuesTextWriter::Write(ValuesTextSource& source) {
    m_result = {};
    AppendDataDate(source.ReadDataDate());
    AppendBlocks(source);
    AppendAllergens(source.ReadAllergens());
    AppendPrepacked(source.ReadPrepacked());
    AppendMentions(source.ReadMentions());
    for (std::int32_t nutrient : nutrient::kThirdBlock)
        AppendNutrient(source, nutrient, false, kPlainMissing);
    AppendCategory4(source.ReadCategory4());
    AppendNutrientLine(source.ReadWeightedSum(), nutrient::kWeightedSum, false, kPlainMissing);
    AppendNutrient(source, nutrient::kLastValue, false, kPlainMissing);
    return std::move(m_result);
}

std::string ValuesTextWriter::Text(int frenchId) const {
    return CatalogueText(frenchId + m_nLangOffset);
}

std::string ValuesTextWriter::Fill(int frenchId, std::initializer_list<std::string> args) const {
    return FillCatalogueText(Text(frenchId), args);
}

// The fixed lines have the spaced colon in every language.
void ValuesTextWriter::AppendPair(const std::string& label, const std::string& value) {
    Append(label + " : " + value + kLineEnd);
}

void ValuesTextWriter::AppendValueLine(const std::string& label, const NutrientValue& value) {
    Append(
        FormatValueLine(label, value.m_dValue, value.m_nFlags, value.m_strUnit, m_nLanguageIndex) +
        kLineEnd);
}

void ValuesTextWriter::AppendDataDate(const DataDateReading& date) {
    if (const auto* calendar = std::get_if<db::DateTime>(&date.m_date))
        Append(FormatDateLine(date.m_strLabel, *calendar, m_nLanguageIndex) + kLineEnd);
    else if (const auto* value = std::get_if<NutrientValue>(&date.m_date))
        AppendValueLine(date.m_strLabel, *value);
    else
        AppendPair(date.m_strLabel, kPlainMissing);
}

void ValuesTextWriter::AppendNutrient(ValuesTextSource& source, std::int32_t nutrientId,
                                      bool notRequired, const char* missing) {
    AppendNutrientLine(source.ReadNutrient(nutrientId), nutrientId, notRequired, missing);
}

void ValuesTextWriter::AppendNutrientLine(const NutrientReading& reading, std::int32_t nutrientId,
                                          bool notRequired, const char* missing) {
    if (notRequired)
        AppendPair(reading.m_strLabel, Text(m_nNotRequiredText));
    else if (reading.m_value)
        AppendValueLine(reading.m_strLabel, *reading.m_value);
    else if (nutrientId == nutrient::kAutomaticValue)
        AppendPair(reading.m_strLabel, Text(kAutomaticText));
    else
        AppendPair(reading.m_strLabel, missing);
}

void ValuesTextWriter::AppendBlocks(ValuesTextSource& source) {
    const bool notRequired = source.ValuesNotRequired();
    for (std::int32_t nutrient : nutrient::kFirstBlock) {
        const bool last = nutrient == nutrient::kFirstBlock.back();
        AppendNutrient(source, nutrient, notRequired, last ? kPlainMissing : kRedMissing);
    }
    for (std::int32_t nutrient : nutrient::kSecondBlock)
        AppendNutrient(source, nutrient, notRequired, kRedMissing);
    if (source.ShowsAutomaticValue())
        AppendNutrient(source, nutrient::kAutomaticValue, notRequired, kRedMissing);
}

void ValuesTextWriter::AppendAllergens(const AllergenReading& allergens) {
    AllergenLines lines = MakeAllergenLines(allergens.m_nContains, allergens.m_nTraces,
                                            *allergens.m_pNames, m_nLanguageIndex);
    Append(lines.m_strText);
    m_result.m_strAllergens = std::move(lines.m_strAllergens);
    m_result.m_strTraces = std::move(lines.m_strTraces);
}

void ValuesTextWriter::AppendPrepacked(const PrepackedReading& prepacked) {
    if (prepacked.m_strDenomination)
        Append(Fill(kDenominationText, {*prepacked.m_strDenomination}));
    else
        Append(Text(kDenominationUnknownText));
    if (prepacked.m_strIngredients)
        Append(Fill(kIngredientsText, {*prepacked.m_strIngredients}));
    else
        Append(Text(kIngredientsUnknownText));
    if (const auto& composition = prepacked.m_composition)
        Append(Fill(kCompositionText,
                    {composition->m_strLabel, FormatNumber(composition->m_dPercent)}));
    else
        Append(Text(kCompositionUnknownText));
    AppendAdditives(prepacked);
}

// Without category and codes there is no additives line at all.
void ValuesTextWriter::AppendAdditives(const PrepackedReading& prepacked) {
    const auto& category = prepacked.m_strAdditiveCategory;
    const auto& codes = prepacked.m_strAdditiveCodes;
    if (category && codes)
        Append(Fill(kAdditivesBothText, {*category, *codes}));
    else if (category)
        Append(Fill(kAdditivesCategoryText, {*category}));
    else if (codes)
        Append(Fill(kAdditivesCodesText, {*codes}));
}

void ValuesTextWriter::AppendMentions(const std::vector<std::optional<std::string>>& mentions) {
    Append(Text(kMentionsText));
    if (mentions.empty()) {
        Append(Text(kNoMentionText));
        return;
    }
    Append(kLineEnd);
    for (const std::optional<std::string>& label : mentions)
        Append(label ? "\t" + *label + kLineEnd : kMentionError);
}

void ValuesTextWriter::AppendCategory4(const std::vector<NutrientReading>& values) {
    for (const NutrientReading& value : values)
        if (value.m_value)
            AppendValueLine(value.m_strLabel, *value.m_value);
}

} // namespace ovl
