#include "import/IngredientValues.h"

#include "app/CatalogueText.h"
#include "app/Language.h"
#include "app/TextCodec.h"
#include "central/AllergenTexts.h"
#include "central/AlrgCache.h"
#include "central/LibCache.h"
#include "central/LibPreEmbCache.h"
#include "central/ValueLine.h"
#include "import/NutrientLine.h"
#include "local/CategIngAllergSet.h"
#include "local/CategIngreSet.h"
#include "local/IngredientsSet.h"
#include "local/MSpecifIngSet.h"
#include "local/NutriLibellesSet.h"

#include <initializer_list>
#include <memory>

namespace ovl {

namespace {

// Catalogue texts, by French identifier; those both value panes show are shared.
using namespace catalogue;

// Status classes of the ingredient.
constexpr std::int32_t kValuesNotRequiredClass = 4007;
constexpr std::int32_t kAutomaticValueClass = 4010;

// Local nutrient identifiers of the text.
constexpr std::int32_t kDateNutrient = 18;
constexpr std::int32_t kFirstBlock[] = {6, 7, 10, 11, 4, 5, 3, 8, 14};
constexpr std::int32_t kFirstBlockLast = 9;
constexpr std::int32_t kSecondBlock[] = {25, 13, 0, 1, 24, 2, 23};
constexpr std::int32_t kAutomaticNutrient = 26;
constexpr std::int32_t kThirdBlock[] = {500, 501, 502, 503, 504, 505, 600, 601, 602, 603, 604};
constexpr std::int32_t kFinalLines[] = {17, 22};

// A label identifier that stands for "no label".
constexpr std::int32_t kNoLabel = -1;
constexpr int kMaskBits = 64;

const char kLineEnd[] = "\r\n";
const char kMentionError[] = "\tERREUR !\r\n";

std::uint64_t Bit(std::int32_t n) {
    return std::uint64_t{1} << n;
}

bool HasLabel(const db::Recordset& rs, const db::LongField& field) {
    return !rs.IsEOF() && !rs.IsFieldNull(field) && field.Value() != kNoLabel;
}

bool HasText(const db::Recordset& rs, const db::TextField& field) {
    return !rs.IsEOF() && !rs.IsFieldNull(field);
}

class IngredientValuesBuilder {
public:
    IngredientValuesBuilder(ImportContext& context, std::int32_t ingredientId,
                            CNutriIngredSet* nutriIngred)
        : m_context(context), m_nIngredientId(ingredientId),
          m_nLanguage(context.languageIndex >= 0 && context.languageIndex < kLanguageCount
                          ? context.languageIndex
                          : kFrenchLanguage),
          m_labels(&context.local), m_values(nutriIngred) {
        // Opened by its first filter rather than over the whole table.
        if (!m_values) {
            m_pOwnValues = std::make_unique<CNutriIngredSet>(&context.local);
            m_values = m_pOwnValues.get();
        }
    }

    IngredientValues Build() {
        m_labels.m_strFilter = "[ID]=0";
        m_labels.Open(db::OpenType::ForwardOnly);
        ReadStatusClasses();

        AppendNutrient(kDateNutrient, false, false);
        for (std::int32_t nutrient : kFirstBlock)
            AppendNutrient(nutrient, m_bValuesNotRequired, true);
        AppendNutrient(kFirstBlockLast, m_bValuesNotRequired, false);
        for (std::int32_t nutrient : kSecondBlock)
            AppendNutrient(nutrient, m_bValuesNotRequired, true);
        if (m_bAutomaticValueShown)
            AppendNutrient(kAutomaticNutrient, m_bValuesNotRequired, true);
        AppendAllergens();
        AppendPrepackedLines();
        AppendMentions();
        for (std::int32_t nutrient : kThirdBlock)
            AppendNutrient(nutrient, false, false);
        AppendCategory4();
        for (std::int32_t nutrient : kFinalLines)
            AppendNutrient(nutrient, false, false);

        m_labels.Close();
        if (m_pOwnValues)
            m_pOwnValues->Close();
        return std::move(m_result);
    }

private:
    std::string Text(int frenchId) const {
        return CatalogueText(frenchId + LanguageOffsetOf(m_nLanguage));
    }
    std::string Fill(int frenchId, std::initializer_list<std::string> args) const {
        return FillCatalogueText(Text(frenchId), args);
    }
    void Append(const std::string& text) { m_result.m_strText += text; }
    std::string IngredientCondition(const char* column) const {
        return std::string("[") + column + "]=" + std::to_string(m_nIngredientId);
    }

    void AppendNutrient(std::int32_t nutrient, bool valuesNotRequired, bool markMissing) {
        AppendNutrientLine(m_context, m_labels, m_result.m_strText, *m_values, nutrient,
                           m_nIngredientId, valuesNotRequired, markMissing);
    }

    void ReadStatusClasses() {
        CCategIngreSet classes(&m_context.local);
        m_bValuesNotRequired = HasClass(classes, kValuesNotRequiredClass);
        m_bAutomaticValueShown = HasClass(classes, kAutomaticValueClass);
        classes.Close();
    }

    bool HasClass(CCategIngreSet& classes, std::int32_t classId) const {
        RunWithFilter(classes, IngredientCondition("INGR_ID") +
                                   " AND [CLASS_ID]=" + std::to_string(classId));
        return !classes.IsEOF();
    }

    // ---- Allergens

    void AppendAllergens() {
        const CAlrgCache& alrg = m_context.caches.AlrgCache();
        CCategIngAllergSet allergenClasses(&m_context.local);
        CCategIngreSet traceClasses(&m_context.local);
        const std::uint64_t contains =
            alrg.FoldGroupsForDisplay(MaskOfClasses(allergenClasses, alrg));
        const std::uint64_t traces = alrg.FoldGroupsForDisplay(MaskOfClasses(traceClasses, alrg));
        AllergenLines lines = MakeAllergenLines(contains, traces, alrg, m_nLanguage);
        Append(lines.m_strText);
        m_result.m_strIngAllergens = std::move(lines.m_strAllergens);
        m_result.m_strIngTraces = std::move(lines.m_strTraces);
    }

    // The mask of the allergens whose local classes the ingredient has in one class table; a
    // group's class stands for the group and all its members.
    std::uint64_t MaskOfClasses(CCategIngSetBase& classes, const CAlrgCache& alrg) const {
        RunWithFilter(classes, IngredientCondition("INGR_ID"));
        std::uint64_t mask = 0;
        for (; !classes.IsEOF(); classes.MoveNext()) {
            const ALRGCACHE* entry = alrg.FindRecordByLocalClass(classes.m_CLASS_ID);
            if (!entry)
                continue;
            mask |= BitOf(entry->m_nID);
            if (entry->m_nID == entry->m_nGROUPE)
                mask |= MembersOf(alrg, entry->m_nID);
        }
        return mask;
    }

    static std::uint64_t BitOf(std::int32_t allergenId) {
        return allergenId >= 0 && allergenId < kMaskBits ? Bit(allergenId) : 0;
    }

    static std::uint64_t MembersOf(const CAlrgCache& alrg, std::int32_t group) {
        std::uint64_t members = 0;
        for (int row = 0; row < alrg.GetCount(); ++row) {
            const ALRGCACHE& record = alrg.GetRecord(row);
            if (record.m_nGROUPE == group)
                members |= BitOf(record.m_nID);
        }
        return members;
    }

    // ---- Pre-packaged label fields

    void AppendPrepackedLines() {
        CIngredientsSet ingredient(&m_context.local, false);
        ingredient.m_strFilter = IngredientCondition("INGRED_ID");
        ingredient.Open(db::OpenType::ForwardOnly);
        const CLibPreEmbCache& labels = m_context.caches.LibPreEmbCache();
        AppendDenomination(ingredient, labels);
        AppendIngredientList(ingredient);
        AppendComposition(ingredient, labels);
        AppendAdditives(ingredient, labels);
        ingredient.Close();
    }

    void AppendDenomination(const CIngredientsSet& ingredient, const CLibPreEmbCache& labels) {
        if (HasLabel(ingredient, ingredient.m_PREEM_DENVENT))
            Append(Fill(kDenominationText, {labels.GetLabel(ingredient.m_PREEM_DENVENT)}));
        else
            Append(Text(kDenominationUnknownText));
    }

    void AppendIngredientList(const CIngredientsSet& ingredient) {
        const db::TextField* const lists[] = {
            &ingredient.m_PREEM_FICHTECH_1, &ingredient.m_PREEM_FICHTECH_2,
            &ingredient.m_PREEM_FICHTECH_3, &ingredient.m_PREEM_FICHTECH_4,
            &ingredient.m_PREEM_FICHTECH_5};
        const db::TextField& list = *lists[m_nLanguage];
        if (HasText(ingredient, list))
            Append(Fill(kIngredientsText, {DecodedDbText(list.Value())}));
        else
            Append(Text(kIngredientsUnknownText));
    }

    void AppendComposition(const CIngredientsSet& ingredient, const CLibPreEmbCache& labels) {
        if (!HasLabel(ingredient, ingredient.m_PREEM_COMPOS) ||
            ingredient.IsFieldNull(ingredient.m_PREEM_COMPCT)) {
            Append(Text(kCompositionUnknownText));
            return;
        }
        // Stored as a fraction, shown as a percentage.
        const double percent = static_cast<double>(ingredient.m_PREEM_COMPCT.Value()) * 100;
        Append(Fill(kCompositionText,
                    {labels.GetLabel(ingredient.m_PREEM_COMPOS), FormatNumber(percent)}));
    }

    // The codes are stored escaped like every local text and decoded for display; labels
    // from the cache are decoded already.
    void AppendAdditives(const CIngredientsSet& ingredient, const CLibPreEmbCache& labels) {
        const bool hasCategory = HasLabel(ingredient, ingredient.m_PREEM_CATADDITIF);
        const bool hasCodes = HasText(ingredient, ingredient.m_PREEM_CODEADDITIF);
        const std::string codes =
            hasCodes ? DecodedDbText(ingredient.m_PREEM_CODEADDITIF.Value()) : std::string();
        if (hasCategory && hasCodes)
            Append(
                Fill(kAdditivesBothText, {labels.GetLabel(ingredient.m_PREEM_CATADDITIF), codes}));
        else if (hasCategory)
            Append(Fill(kAdditivesCategoryText, {labels.GetLabel(ingredient.m_PREEM_CATADDITIF)}));
        else if (hasCodes)
            Append(Fill(kAdditivesCodesText, {codes}));
    }

    // ---- Specific mentions

    void AppendMentions() {
        const CLibPreEmbCache& labels = m_context.caches.LibPreEmbCache();
        CMSpecifIngSet mentions(&m_context.local);
        RunWithFilter(mentions, IngredientCondition("ID"));
        Append(Text(kMentionsText));
        if (mentions.IsEOF()) {
            Append(Text(kNoMentionText));
            return;
        }
        Append(kLineEnd);
        for (; !mentions.IsEOF(); mentions.MoveNext()) {
            const bool known = !mentions.IsFieldNull(mentions.m_IDMSPECIF) &&
                               labels.FindRow(mentions.m_IDMSPECIF) >= 0;
            if (known)
                Append("\t" + labels.GetLabel(mentions.m_IDMSPECIF) + kLineEnd);
            else
                Append(kMentionError);
        }
    }

    // ---- Category-4 nutrients

    void AppendCategory4() {
        const CLibCache& lib = m_context.caches.LibCache();
        // Without any category-4 nutrient there is nothing to ask for: an empty IN list is no
        // valid statement, and no row could match it.
        if (lib.Categ4LocalIds().empty())
            return;
        RunWithFilter(*m_values, "(" + IngredientCondition("ING_ID") + ") AND ([NUTRI_ID] IN (" +
                                     lib.Categ4LocalIds() + "))");
        for (; !m_values->IsEOF(); m_values->MoveNext()) {
            const std::int32_t nutrient = m_values->m_NUTRI_ID;
            const double quantity =
                m_values->IsFieldNull(m_values->m_QTE) ? 0.0 : m_values->m_QTE.Value();
            const std::int32_t flags =
                m_values->IsFieldNull(m_values->m_OPTION_MSK) ? 0 : m_values->m_OPTION_MSK.Value();
            Append(FormatValueLine(lib.GetLabel(nutrient), quantity, flags, lib.GetUnit(nutrient),
                                   m_nLanguage) +
                   kLineEnd);
        }
    }

    ImportContext& m_context;
    std::int32_t m_nIngredientId;
    int m_nLanguage;
    CNutriLibellesSet m_labels;
    std::unique_ptr<CNutriIngredSet> m_pOwnValues;
    CNutriIngredSet* m_values;
    bool m_bValuesNotRequired = false;
    bool m_bAutomaticValueShown = false;
    IngredientValues m_result;
};

} // namespace

IngredientValues BuildIngredientValuesText(ImportContext& context, std::int32_t ingredientId,
                                           CNutriIngredSet* nutriIngred) {
    return IngredientValuesBuilder(context, ingredientId, nutriIngred).Build();
}

} // namespace ovl
