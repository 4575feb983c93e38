#include "import/NutrientLine.h"

#include "app/Language.h"
#include "app/TextCodec.h"
#include "central/LibCache.h"

namespace ovl {

namespace {

int LanguageOf(const ImportContext& context) {
    return context.languageIndex >= 0 && context.languageIndex < kLanguageCount
               ? context.languageIndex
               : kFrenchLanguage;
}

// The local label of the user's language; stored escaped like every local text.
std::string StoredLabel(const CNutriLibellesSet& labels, int languageIndex) {
    if (labels.IsEOF())
        return {};
    const db::TextField* const columns[] = {&labels.m_LIBELLE_1, &labels.m_LIBELLE_2,
                                            &labels.m_LIBELLE_3, &labels.m_LIBELLE_4,
                                            &labels.m_LIBELLE_5};
    return DecodedDbText(columns[languageIndex]->Value());
}

std::string StoredUnit(const CNutriLibellesSet& labels) {
    return labels.IsEOF() ? std::string() : DecodedDbText(labels.m_UNITE.Value());
}

NutrientValue StoredValue(const CNutriIngredSet& values, std::string unit) {
    const double quantity = values.IsFieldNull(values.m_QTE) ? 0.0 : values.m_QTE.Value();
    const std::int32_t flags =
        values.IsFieldNull(values.m_OPTION_MSK) ? 0 : values.m_OPTION_MSK.Value();
    return {quantity, flags, std::move(unit)};
}

} // namespace

void RunWithFilter(db::Recordset& recordset, std::string filter) {
    recordset.m_strFilter = std::move(filter);
    if (recordset.IsOpen())
        recordset.Requery();
    else
        recordset.Open(db::OpenType::ForwardOnly);
}

NutrientReading ReadNutrientLine(const ImportContext& context, CNutriLibellesSet& labels,
                                 CNutriIngredSet& values, std::int32_t nutrientId,
                                 std::int32_t ingredientId) {
    const std::string nutrient = std::to_string(nutrientId);
    RunWithFilter(values, "([ING_ID]=" + std::to_string(ingredientId) +
                              ") AND ([NUTRI_ID]=" + nutrient + ")");
    RunWithFilter(labels, "[ID]=" + nutrient);

    NutrientReading reading{context.caches.LibCache().GetLabel(nutrientId), std::nullopt};
    if (reading.m_strLabel.empty())
        reading.m_strLabel = StoredLabel(labels, LanguageOf(context));
    if (!values.IsEOF())
        reading.m_value = StoredValue(values, StoredUnit(labels));
    return reading;
}

} // namespace ovl
