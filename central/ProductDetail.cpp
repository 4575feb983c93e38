#include "central/ProductDetail.h"

#include "app/TextCodec.h"
#include "central/AlrgCache.h"
#include "central/CacheProvider.h"
#include "central/LibCache.h"
#include "central/MsLibCache.h"
#include "central/OvlNutriCompSet.h"
#include "central/OvlNutriMSProdSet.h"
#include "central/OvlNutriProdSet.h"
#include "central/ValuesTextSource.h"
#include "central/ValuesTextWriter.h"
#include "local/NutrientIds.h"

namespace ovl {

namespace {

constexpr int kNotRequiredText = 2055; // "VNS non exigées"

// The facts of one reference product, read from the central database as the writer asks.
class ProductDetailSource : public ValuesTextSource {
public:
    ProductDetailSource(db::Connection& central, int productId, int languageIndex,
                        CacheProvider& caches)
        : m_central(central), m_nProductId(productId), m_nLanguageIndex(languageIndex),
          m_caches(caches), m_product(&central, languageIndex, false), m_contents(&central) {}

    std::optional<ProductDetail> Build() {
        m_product.m_strFilter = "[OVLNUTRIPROD].[ID]=" + std::to_string(m_nProductId);
        m_product.Open();
        if (m_product.IsEOF())
            return std::nullopt;
        m_contents.m_strFilter = ProductCondition() + " AND ([NUTID]=0)";
        m_contents.Open();

        ValuesText text = ValuesTextWriter(m_nLanguageIndex, kNotRequiredText).Write(*this);
        m_detail.m_strText = std::move(text.m_strText);
        m_detail.m_strRefAllergens = std::move(text.m_strAllergens);
        m_detail.m_strRefTraces = std::move(text.m_strTraces);
        return m_detail;
    }

    bool ValuesNotRequired() const override { return (Options() & kOptionValuesNotRequired) != 0; }
    bool ShowsAutomaticValue() const override { return (Options() & kOptionAutomaticValue26) != 0; }

    DataDateReading ReadDataDate() override {
        DataDateReading date{m_caches.LibCache().GetLabel(nutrient::kDataDate), {}};
        if (!m_product.IsFieldNull(m_product.m_DATEMAJ))
            date.m_date = m_product.m_DATEMAJ.Value();
        return date;
    }

    // A nutrient the label cache does not know has no central identifier to ask for: it
    // reads as a value the product does not have, with an empty label.
    NutrientReading ReadNutrient(std::int32_t nutrientId) override {
        CLibCache& lib = m_caches.LibCache();
        NutrientReading reading{lib.GetLabel(nutrientId), std::nullopt};
        if (const LIBCACHE* record = lib.FindRecord(nutrientId)) {
            RequeryContents("([NUTID]=" + std::to_string(record->m_nID) + ")");
            if (!m_contents.IsEOF())
                reading.m_value = ContentValue(lib.GetUnit(nutrientId));
        }
        return reading;
    }

    AllergenReading ReadAllergens() override {
        const CAlrgCache& alrg = m_caches.AlrgCache();
        const AllergenMasks masks = m_product.GetAllergenMasks();
        return {ForDisplay(alrg, masks.m_nContains), ForDisplay(alrg, masks.m_nTraces), &alrg};
    }

    // The ingredient list and the additive codes are stored escaped and decoded here; the
    // labels from the caches are decoded already and must not be decoded twice, or a percent
    // sign in a label would be lost.
    PrepackedReading ReadPrepacked() override {
        const CMsLibCache& msLib = m_caches.MsLibCache();
        PrepackedReading prepacked;
        if (!m_product.IsFieldNull(m_product.m_DENOMLEGID))
            prepacked.m_strDenomination = MentionLabel(msLib, m_product.m_DENOMLEGID);
        if (!m_product.IsFieldNull(m_product.m_INGLIST) && !m_product.m_INGLIST.Value().empty())
            prepacked.m_strIngredients = DecodedDbText(m_product.m_INGLIST);
        if (!m_product.IsFieldNull(m_product.m_COMPOSID) &&
            !m_product.IsFieldNull(m_product.m_COMPOSPCT))
            prepacked.m_composition =
                CompositionReading{MentionLabel(msLib, m_product.m_COMPOSID),
                                   static_cast<double>(m_product.m_COMPOSPCT.Value())};
        if (!m_product.IsFieldNull(m_product.m_ADDITCATEGID))
            prepacked.m_strAdditiveCategory = MentionLabel(msLib, m_product.m_ADDITCATEGID);
        if (!m_product.IsFieldNull(m_product.m_ADDITCODEE))
            prepacked.m_strAdditiveCodes = DecodedDbText(m_product.m_ADDITCODEE);
        return prepacked;
    }

    std::vector<std::optional<std::string>> ReadMentions() override {
        const CMsLibCache& msLib = m_caches.MsLibCache();
        COvlNutriMSProdSet mentions(&m_central);
        mentions.m_strFilter = "[IDPROD]=" + std::to_string(m_nProductId);
        mentions.Open();
        std::vector<std::optional<std::string>> labels;
        for (; !mentions.IsEOF(); mentions.MoveNext()) {
            const std::int32_t id = mentions.m_IDMS;
            if (!msLib.IsLoaded() || msLib.FindRecord(id) == nullptr)
                labels.emplace_back();
            else
                labels.emplace_back(MentionLabel(msLib, id));
        }
        return labels;
    }

    // Also sums the rows, weighted, for the weighted sum line that follows.
    std::vector<NutrientReading> ReadCategory4() override {
        m_detail.m_bWeightedSumSet = false;
        m_detail.m_dWeightedSum = 0;
        const CLibCache& lib = m_caches.LibCache();
        std::vector<NutrientReading> rows;
        // Without any category-4 nutrient there is nothing to ask for: an empty IN list is no
        // valid statement, and no row could match it.
        if (!lib.Categ4CentralIds().empty()) {
            RequeryContents("([NUTID] IN (" + lib.Categ4CentralIds() + "))");
            for (; !m_contents.IsEOF(); m_contents.MoveNext())
                rows.push_back(ReadCategory4Row(lib));
        }
        m_detail.m_dWeightedSum /= 100;
        return rows;
    }

    // The product's own content, else the sum of its category-4 rows when it has any.
    NutrientReading ReadWeightedSum() override {
        NutrientReading reading = ReadNutrient(nutrient::kWeightedSum);
        if (!reading.m_value && m_detail.m_bWeightedSumSet)
            reading.m_value = NutrientValue{m_detail.m_dWeightedSum, 0,
                                            m_caches.LibCache().GetUnit(nutrient::kWeightedSum)};
        return reading;
    }

private:
    std::string ProductCondition() const { return "([ID]=" + std::to_string(m_nProductId) + ")"; }
    std::int32_t Options() const {
        return m_product.IsFieldNull(m_product.m_OPTIONS) ? 0 : m_product.m_OPTIONS.Value();
    }
    std::string MentionLabel(const CMsLibCache& msLib, std::int32_t id) const {
        return msLib.GetLabel(id, m_nLanguageIndex);
    }
    static std::uint64_t ForDisplay(const CAlrgCache& alrg, std::uint64_t mask) {
        return alrg.FoldGroupsForDisplay(alrg.MarkCompleteGroups(mask));
    }

    void RequeryContents(const std::string& nutrientCondition) {
        m_contents.m_strFilter = ProductCondition() + " AND " + nutrientCondition;
        m_contents.Requery();
    }

    NutrientValue ContentValue(std::string unit) const {
        const std::int32_t flags =
            m_contents.IsFieldNull(m_contents.m_OPTION_MSK) ? 0 : m_contents.m_OPTION_MSK.Value();
        return {m_contents.m_TENEUR, flags, std::move(unit)};
    }

    // Every row counts in the sum, whatever its flags.
    NutrientReading ReadCategory4Row(const CLibCache& lib) {
        const std::int32_t nutrientId = m_contents.m_NUTID;
        NutrientReading row{lib.GetLabelByCentralId(nutrientId),
                            ContentValue(lib.GetUnitByCentralId(nutrientId))};
        m_detail.m_bWeightedSumSet = true;
        if (const LIBCACHE* record = lib.FindRecordByCentralId(nutrientId))
            m_detail.m_dWeightedSum += record->m_dPARAM1 * row.m_value->m_dValue;
        return row;
    }

    db::Connection& m_central;
    int m_nProductId;
    int m_nLanguageIndex;
    CacheProvider& m_caches;
    COvlNutriProdSet m_product;
    COvlNutriCompSet m_contents;
    ProductDetail m_detail;
};

} // namespace

std::optional<ProductDetail> BuildProductDetail(db::Connection& central, int productId,
                                                int languageIndex, CacheProvider& caches) {
    return ProductDetailSource(central, productId, languageIndex, caches).Build();
}

std::string MarkMissingValues(std::string text) {
    static const std::string kFrom = ValuesTextWriter::kRedMissing;
    static const std::string kTo = ValuesTextWriter::kPlainMissing;
    for (size_t pos = text.find(kFrom); pos != std::string::npos;
         pos = text.find(kFrom, pos + kFrom.size()))
        text.replace(pos, kFrom.size(), kTo);
    return text;
}

} // namespace ovl
