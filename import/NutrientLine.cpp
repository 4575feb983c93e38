#include "import/NutrientLine.h"

#include "app/Language.h"
#include "app/TextCodec.h"
#include "central/LibCache.h"
#include "central/ValueLine.h"

namespace ovl {

namespace {

constexpr int kNotRequiredText = 2056; // "VNS non exigées"
constexpr int kAutomaticText = 2059;   // "Automatique"
constexpr std::int32_t kAutomaticNutrient = 26;

const char kRedMissing[] = "0--"; // the pane shows it as a red "---"
const char kPlainMissing[] = "---";

int LanguageOf(const ImportContext& context) {
    return context.languageIndex >= 0 && context.languageIndex < kLanguageCount
               ? context.languageIndex
               : kFrenchLanguage;
}

std::string LanguageText(const ImportContext& context, int frenchId) {
    return CatalogueText(frenchId + LanguageOffsetOf(LanguageOf(context)));
}

std::string Pair(const std::string& label, const std::string& value) {
    return label + " : " + value + "\r\n";
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

std::string ValueLine(const ImportContext& context, const std::string& label,
                      const CNutriIngredSet& values, const std::string& unit) {
    const double quantity = values.IsFieldNull(values.m_QTE) ? 0.0 : values.m_QTE.Value();
    const std::int32_t flags =
        values.IsFieldNull(values.m_OPTION_MSK) ? 0 : values.m_OPTION_MSK.Value();
    return FormatValueLine(label, quantity, flags, unit, LanguageOf(context)) + "\r\n";
}

} // namespace

void RunWithFilter(db::Recordset& recordset, std::string filter) {
    recordset.m_strFilter = std::move(filter);
    if (recordset.IsOpen())
        recordset.Requery();
    else
        recordset.Open(db::OpenType::ForwardOnly);
}

void AppendNutrientLine(const ImportContext& context, CNutriLibellesSet& labels, std::string& text,
                        CNutriIngredSet& values, std::int32_t nutrientId, std::int32_t ingredientId,
                        bool valuesNotRequired, bool markMissing) {
    const std::string nutrient = std::to_string(nutrientId);
    RunWithFilter(values, "([ING_ID]=" + std::to_string(ingredientId) +
                              ") AND ([NUTRI_ID]=" + nutrient + ")");
    RunWithFilter(labels, "[ID]=" + nutrient);

    std::string label = context.caches.LibCache().GetLabel(nutrientId);
    if (label.empty())
        label = StoredLabel(labels, LanguageOf(context));

    if (valuesNotRequired)
        text += Pair(label, LanguageText(context, kNotRequiredText));
    else if (values.IsEOF() && nutrientId == kAutomaticNutrient)
        text += Pair(label, LanguageText(context, kAutomaticText));
    else if (values.IsEOF())
        text += Pair(label, markMissing ? kRedMissing : kPlainMissing);
    else
        text += ValueLine(context, label, values, StoredUnit(labels));
}

} // namespace ovl
