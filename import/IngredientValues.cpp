#include "import/IngredientValues.h"

#include "app/Language.h"
#include "app/TextCodec.h"
#include "central/AlrgCache.h"
#include "central/LibCache.h"
#include "central/LibPreEmbCache.h"
#include "central/ValuesTextSource.h"
#include "central/ValuesTextWriter.h"
#include "import/NutrientLine.h"
#include "local/CategIngAllergSet.h"
#include "local/CategIngreSet.h"
#include "local/CategoriesSet.h"
#include "local/IngredientsSet.h"
#include "local/MSpecifIngSet.h"
#include "local/NutriLibellesSet.h"
#include "local/NutrientIds.h"

#include <memory>

namespace ovl {

namespace {

constexpr int kNotRequiredText = 2056; // "VNS non exigées"

// A label identifier that stands for "no label".
constexpr std::int32_t kNoLabel = -1;
constexpr int kMaskBits = 64;

std::uint64_t Bit(std::int32_t n) {
    return std::uint64_t{1} << n;
}

bool HasLabel(const db::Recordset& rs, const db::LongField& field) {
    return !rs.IsEOF() && !rs.IsFieldNull(field) && field.Value() != kNoLabel;
}

bool HasText(const db::Recordset& rs, const db::TextField& field) {
    return !rs.IsEOF() && !rs.IsFieldNull(field);
}

// The facts of one ingredient, read from the local tables as the writer asks.
class IngredientValuesSource : public ValuesTextSource {
public:
    IngredientValuesSource(ImportContext& context, std::int32_t ingredientId,
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

        ValuesText text = ValuesTextWriter(m_nLanguage, kNotRequiredText).Write(*this);

        m_labels.Close();
        if (m_pOwnValues)
            m_pOwnValues->Close();
        return {std::move(text.m_strText), std::move(text.m_strAllergens),
                std::move(text.m_strTraces)};
    }

    bool ValuesNotRequired() const override { return m_bValuesNotRequired; }
    bool ShowsAutomaticValue() const override { return m_bAutomaticValueShown; }

    DataDateReading ReadDataDate() override {
        NutrientReading reading = ReadNutrient(nutrient::kDataDate);
        DataDateReading date{std::move(reading.m_strLabel), {}};
        if (reading.m_value)
            date.m_date = std::move(*reading.m_value);
        return date;
    }

    NutrientReading ReadNutrient(std::int32_t nutrientId) override {
        return ReadNutrientLine(m_context, m_labels, *m_values, nutrientId, m_nIngredientId);
    }

    // The ingredient shows the positive copy of the sum that the import wrote.
    NutrientReading ReadWeightedSum() override { return ReadNutrient(nutrient::kWeightedSumCopy); }

    AllergenReading ReadAllergens() override {
        const CAlrgCache& alrg = m_context.caches.AlrgCache();
        CCategIngAllergSet allergenClasses(&m_context.local);
        CCategIngreSet traceClasses(&m_context.local);
        const std::uint64_t contains =
            alrg.FoldGroupsForDisplay(MaskOfClasses(allergenClasses, alrg));
        const std::uint64_t traces = alrg.FoldGroupsForDisplay(MaskOfClasses(traceClasses, alrg));
        return {contains, traces, &alrg};
    }

    // The codes and the ingredient list are stored escaped like every local text and decoded
    // for display; labels from the cache are decoded already.
    PrepackedReading ReadPrepacked() override {
        CIngredientsSet ingredient(&m_context.local, false);
        ingredient.m_strFilter = IngredientCondition("INGRED_ID");
        ingredient.Open(db::OpenType::ForwardOnly);
        const CLibPreEmbCache& labels = m_context.caches.LibPreEmbCache();
        PrepackedReading prepacked;
        if (HasLabel(ingredient, ingredient.m_PREEM_DENVENT))
            prepacked.m_strDenomination = labels.GetLabel(ingredient.m_PREEM_DENVENT);
        const db::TextField& list = IngredientList(ingredient);
        if (HasText(ingredient, list))
            prepacked.m_strIngredients = DecodedDbText(list.Value());
        if (HasLabel(ingredient, ingredient.m_PREEM_COMPOS) &&
            !ingredient.IsFieldNull(ingredient.m_PREEM_COMPCT))
            prepacked.m_composition = CompositionReading{labels.GetLabel(ingredient.m_PREEM_COMPOS),
                                                         CompositionPercent(ingredient)};
        if (HasLabel(ingredient, ingredient.m_PREEM_CATADDITIF))
            prepacked.m_strAdditiveCategory = labels.GetLabel(ingredient.m_PREEM_CATADDITIF);
        if (HasText(ingredient, ingredient.m_PREEM_CODEADDITIF))
            prepacked.m_strAdditiveCodes = DecodedDbText(ingredient.m_PREEM_CODEADDITIF.Value());
        ingredient.Close();
        return prepacked;
    }

    std::vector<std::optional<std::string>> ReadMentions() override {
        const CLibPreEmbCache& labels = m_context.caches.LibPreEmbCache();
        CMSpecifIngSet mentions(&m_context.local);
        RunWithFilter(mentions, IngredientCondition("ID"));
        std::vector<std::optional<std::string>> mentionLabels;
        for (; !mentions.IsEOF(); mentions.MoveNext()) {
            const bool known = !mentions.IsFieldNull(mentions.m_IDMSPECIF) &&
                               labels.FindRow(mentions.m_IDMSPECIF) >= 0;
            if (known)
                mentionLabels.emplace_back(labels.GetLabel(mentions.m_IDMSPECIF));
            else
                mentionLabels.emplace_back();
        }
        return mentionLabels;
    }

    // Labels and units come from the label cache; no line for a nutrient without a row.
    std::vector<NutrientReading> ReadCategory4() override {
        const CLibCache& lib = m_context.caches.LibCache();
        // Without any category-4 nutrient there is nothing to ask for: an empty IN list is no
        // valid statement, and no row could match it.
        if (lib.Categ4LocalIds().empty())
            return {};
        RunWithFilter(*m_values, "(" + IngredientCondition("ING_ID") + ") AND ([NUTRI_ID] IN (" +
                                     lib.Categ4LocalIds() + "))");
        std::vector<NutrientReading> rows;
        for (; !m_values->IsEOF(); m_values->MoveNext()) {
            const std::int32_t nutrientId = m_values->m_NUTRI_ID;
            const double quantity =
                m_values->IsFieldNull(m_values->m_QTE) ? 0.0 : m_values->m_QTE.Value();
            const std::int32_t flags =
                m_values->IsFieldNull(m_values->m_OPTION_MSK) ? 0 : m_values->m_OPTION_MSK.Value();
            rows.push_back({lib.GetLabel(nutrientId),
                            NutrientValue{quantity, flags, lib.GetUnit(nutrientId)}});
        }
        return rows;
    }

private:
    std::string IngredientCondition(const char* column) const {
        return std::string("[") + column + "]=" + std::to_string(m_nIngredientId);
    }

    void ReadStatusClasses() {
        CCategIngreSet classes(&m_context.local);
        m_bValuesNotRequired = HasClass(classes, kClassValuesNotRequired);
        m_bAutomaticValueShown = HasClass(classes, kClassAutomaticValue26);
        classes.Close();
    }

    bool HasClass(CCategIngreSet& classes, std::int32_t classId) const {
        RunWithFilter(classes, IngredientCondition("INGR_ID") +
                                   " AND [CLASS_ID]=" + std::to_string(classId));
        return !classes.IsEOF();
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

    const db::TextField& IngredientList(const CIngredientsSet& ingredient) const {
        const db::TextField* const lists[] = {
            &ingredient.m_PREEM_FICHTECH_1, &ingredient.m_PREEM_FICHTECH_2,
            &ingredient.m_PREEM_FICHTECH_3, &ingredient.m_PREEM_FICHTECH_4,
            &ingredient.m_PREEM_FICHTECH_5};
        return *lists[m_nLanguage];
    }

    // Stored as a fraction, shown as a percentage.
    static double CompositionPercent(const CIngredientsSet& ingredient) {
        return static_cast<double>(ingredient.m_PREEM_COMPCT.Value()) * 100;
    }

    ImportContext& m_context;
    std::int32_t m_nIngredientId;
    int m_nLanguage;
    CNutriLibellesSet m_labels;
    std::unique_ptr<CNutriIngredSet> m_pOwnValues;
    CNutriIngredSet* m_values;
    bool m_bValuesNotRequired = false;
    bool m_bAutomaticValueShown = false;
};

} // namespace

IngredientValues BuildIngredientValuesText(ImportContext& context, std::int32_t ingredientId,
                                           CNutriIngredSet* nutriIngred) {
    return IngredientValuesSource(context, ingredientId, nutriIngred).Build();
}

} // namespace ovl
