#include "central/ProductDetail.h"

#include "app/CatalogueText.h"
#include "app/Language.h"
#include "app/TextCodec.h"
#include "central/AllergenTexts.h"
#include "central/AlrgCache.h"
#include "central/CacheProvider.h"
#include "central/LibCache.h"
#include "central/MsLibCache.h"
#include "central/OvlNutriCompSet.h"
#include "central/OvlNutriMSProdSet.h"
#include "central/OvlNutriProdSet.h"
#include "central/ValueLine.h"

#include <cstdio>
#include <initializer_list>

namespace ovl {

namespace {

// Catalogue texts, by French identifier; those both value panes show are shared.
using namespace catalogue;
constexpr int kNotRequiredText = 2055; // "VNS non exigées"
constexpr int kAutomaticText = 2059;   // "Automatique"

// Local nutrient identifiers of the text.
constexpr int kDateNutrient = 18;
constexpr int kWeightedSumNutrient = 15;
constexpr int kAutomaticNutrient = 26;
constexpr int kFirstBlock[] = {6, 7, 10, 11, 4, 5, 3, 8, 14};
constexpr int kFirstBlockLast = 9;
constexpr int kSecondBlock[] = {25, 13, 0, 1, 24, 2, 23};
constexpr int kThirdBlock[] = {500, 501, 502, 503, 504, 505, 600, 601, 602, 603, 604};
constexpr int kFinalLines[] = {kWeightedSumNutrient, 22};

// Product flags of OPTIONS.
constexpr std::int32_t kValuesNotRequired = 0x02;
constexpr std::int32_t kShowAutomaticLine = 0x10;

const char kRedMissing[] = "0--"; // the pane shows it as a red "---"
const char kPlainMissing[] = "---";
const char kLineEnd[] = "\r\n";
const char kMentionError[] = "\tERREUR !\r\n";

class ProductDetailBuilder {
public:
    ProductDetailBuilder(db::Connection& central, int productId, int languageIndex,
                         CacheProvider& caches)
        : m_central(central), m_nProductId(productId), m_nLanguageIndex(languageIndex),
          m_nLangOffset(LanguageOffsetOf(languageIndex)), m_caches(caches),
          m_product(&central, languageIndex, false), m_contents(&central) {}

    std::optional<ProductDetail> Build() {
        m_product.m_strFilter = "[OVLNUTRIPROD].[ID]=" + std::to_string(m_nProductId);
        m_product.Open();
        if (m_product.IsEOF())
            return std::nullopt;
        m_contents.m_strFilter = ProductCondition() + " AND ([NUTID]=0)";
        m_contents.Open();

        AppendDate();
        AppendFirstBlock();
        AppendSecondBlock();
        AppendAllergens();
        AppendPrepackedTexts();
        AppendMentions();
        AppendThirdBlock();
        AppendCategory4();
        for (int nutrient : kFinalLines)
            AppendNutrientLine(nutrient, false, kPlainMissing);
        return m_detail;
    }

private:
    std::string Text(int frenchId) const { return CatalogueText(frenchId + m_nLangOffset); }
    std::string Fill(int frenchId, std::initializer_list<std::string> args) const {
        return FillCatalogueText(Text(frenchId), args);
    }
    std::string ProductCondition() const { return "([ID]=" + std::to_string(m_nProductId) + ")"; }
    void Append(const std::string& text) { m_detail.m_strText += text; }
    void AppendPair(const std::string& label, const std::string& value) {
        Append(label + " : " + value + kLineEnd);
    }
    std::int32_t Options() const {
        return m_product.IsFieldNull(m_product.m_OPTIONS) ? 0 : m_product.m_OPTIONS.Value();
    }
    bool ValuesNotRequired() const { return (Options() & kValuesNotRequired) != 0; }

    void RequeryContents(const std::string& nutrientCondition) {
        m_contents.m_strFilter = ProductCondition() + " AND " + nutrientCondition;
        m_contents.Requery();
    }

    void AppendDate() {
        const std::string& label = m_caches.LibCache().GetLabel(kDateNutrient);
        if (m_product.IsFieldNull(m_product.m_DATEMAJ)) {
            AppendPair(label, kPlainMissing);
            return;
        }
        const db::DateTime& date = m_product.m_DATEMAJ.Value();
        char buf[32];
        std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", date.day, date.month, date.year);
        Append(label + LanguageSeparator(m_nLanguageIndex) + ": " + buf + kLineEnd);
    }

    void AppendNutrientLine(int nutrient, bool notRequired, const char* missing) {
        CLibCache& lib = m_caches.LibCache();
        const std::string& label = lib.GetLabel(nutrient);
        // A nutrient the label cache does not know has no central identifier to ask for: its
        // line reads as that of a value the product does not have, with an empty label.
        bool found = false;
        if (const LIBCACHE* record = lib.FindRecord(nutrient)) {
            RequeryContents("([NUTID]=" + std::to_string(record->m_nID) + ")");
            found = !m_contents.IsEOF();
        }
        if (notRequired)
            AppendPair(label, Text(kNotRequiredText));
        else if (found)
            Append(FormatValueLine(label, m_contents.m_TENEUR, ContentFlags(),
                                   lib.GetUnit(nutrient), m_nLanguageIndex) +
                   kLineEnd);
        else if (nutrient == kWeightedSumNutrient && m_detail.m_bWeightedSumSet)
            Append(FormatValueLine(label, m_detail.m_dWeightedSum, 0, lib.GetUnit(nutrient),
                                   m_nLanguageIndex) +
                   kLineEnd);
        else if (nutrient == kAutomaticNutrient)
            AppendPair(label, Text(kAutomaticText));
        else
            AppendPair(label, missing);
    }

    std::int32_t ContentFlags() const {
        return m_contents.IsFieldNull(m_contents.m_OPTION_MSK) ? 0
                                                               : m_contents.m_OPTION_MSK.Value();
    }

    void AppendFirstBlock() {
        const bool notRequired = ValuesNotRequired();
        for (int nutrient : kFirstBlock)
            AppendNutrientLine(nutrient, notRequired, kRedMissing);
        AppendNutrientLine(kFirstBlockLast, notRequired, kPlainMissing);
    }

    void AppendSecondBlock() {
        const bool notRequired = ValuesNotRequired();
        for (int nutrient : kSecondBlock)
            AppendNutrientLine(nutrient, notRequired, kRedMissing);
        if (Options() & kShowAutomaticLine)
            AppendNutrientLine(kAutomaticNutrient, notRequired, kRedMissing);
    }

    void AppendAllergens() {
        const CAlrgCache& alrg = m_caches.AlrgCache();
        const AllergenMasks masks = m_product.GetAllergenMasks();
        const std::uint64_t contains = ForDisplay(alrg, masks.m_nContains);
        const std::uint64_t traces = ForDisplay(alrg, masks.m_nTraces);
        AllergenLines lines = MakeAllergenLines(contains, traces, alrg, m_nLanguageIndex);
        Append(lines.m_strText);
        m_detail.m_strRefAllergens = std::move(lines.m_strAllergens);
        m_detail.m_strRefTraces = std::move(lines.m_strTraces);
    }

    static std::uint64_t ForDisplay(const CAlrgCache& alrg, std::uint64_t mask) {
        return alrg.FoldGroupsForDisplay(alrg.MarkCompleteGroups(mask));
    }

    void AppendPrepackedTexts() {
        const CMsLibCache& msLib = m_caches.MsLibCache();
        AppendDenomination(msLib);
        AppendIngredients();
        AppendComposition(msLib);
        AppendAdditives(msLib);
    }

    std::string MentionLabel(const CMsLibCache& msLib, std::int32_t id) const {
        return msLib.GetLabel(id, m_nLanguageIndex);
    }

    void AppendDenomination(const CMsLibCache& msLib) {
        if (m_product.IsFieldNull(m_product.m_DENOMLEGID))
            Append(Text(kDenominationUnknownText));
        else
            Append(Fill(kDenominationText, {MentionLabel(msLib, m_product.m_DENOMLEGID)}));
    }

    // The ingredient list and the additive codes are stored escaped and decoded here; the
    // labels from the caches are decoded already and must not be decoded twice, or a percent
    // sign in a label would be lost.
    void AppendIngredients() {
        if (m_product.IsFieldNull(m_product.m_INGLIST) || m_product.m_INGLIST.Value().empty())
            Append(Text(kIngredientsUnknownText));
        else
            Append(Fill(kIngredientsText, {DecodedDbText(m_product.m_INGLIST)}));
    }

    void AppendComposition(const CMsLibCache& msLib) {
        if (m_product.IsFieldNull(m_product.m_COMPOSID) ||
            m_product.IsFieldNull(m_product.m_COMPOSPCT)) {
            Append(Text(kCompositionUnknownText));
            return;
        }
        Append(Fill(kCompositionText, {MentionLabel(msLib, m_product.m_COMPOSID),
                                       FormatNumber(m_product.m_COMPOSPCT)}));
    }

    void AppendAdditives(const CMsLibCache& msLib) {
        const bool hasCategory = !m_product.IsFieldNull(m_product.m_ADDITCATEGID);
        const bool hasCodes = !m_product.IsFieldNull(m_product.m_ADDITCODEE);
        const std::string codes = hasCodes ? DecodedDbText(m_product.m_ADDITCODEE) : std::string();
        if (hasCategory && hasCodes)
            Append(
                Fill(kAdditivesBothText, {MentionLabel(msLib, m_product.m_ADDITCATEGID), codes}));
        else if (hasCategory)
            Append(Fill(kAdditivesCategoryText, {MentionLabel(msLib, m_product.m_ADDITCATEGID)}));
        else if (hasCodes)
            Append(Fill(kAdditivesCodesText, {codes}));
    }

    void AppendMentions() {
        const CMsLibCache& msLib = m_caches.MsLibCache();
        COvlNutriMSProdSet mentions(&m_central);
        mentions.m_strFilter = "[IDPROD]=" + std::to_string(m_nProductId);
        mentions.Open();
        Append(Text(kMentionsText));
        if (mentions.IsEOF()) {
            Append(Text(kNoMentionText));
            return;
        }
        Append(kLineEnd);
        for (; !mentions.IsEOF(); mentions.MoveNext()) {
            const std::int32_t id = mentions.m_IDMS;
            if (!msLib.IsLoaded() || msLib.FindRecord(id) == nullptr)
                Append(kMentionError);
            else
                Append("\t" + MentionLabel(msLib, id) + kLineEnd);
        }
    }

    void AppendThirdBlock() {
        for (int nutrient : kThirdBlock)
            AppendNutrientLine(nutrient, false, kPlainMissing);
    }

    void AppendCategory4() {
        m_detail.m_bWeightedSumSet = false;
        m_detail.m_dWeightedSum = 0;
        const CLibCache& lib = m_caches.LibCache();
        // Without any category-4 nutrient there is nothing to ask for: an empty IN list is no
        // valid statement, and no row could match it.
        if (!lib.Categ4CentralIds().empty()) {
            RequeryContents("([NUTID] IN (" + lib.Categ4CentralIds() + "))");
            for (; !m_contents.IsEOF(); m_contents.MoveNext())
                AppendCategory4Row(lib);
        }
        m_detail.m_dWeightedSum /= 100;
    }

    void AppendCategory4Row(const CLibCache& lib) {
        const std::int32_t nutrient = m_contents.m_NUTID;
        const double content = m_contents.m_TENEUR;
        Append(FormatValueLine(lib.GetLabelByCentralId(nutrient), content, ContentFlags(),
                               lib.GetUnitByCentralId(nutrient), m_nLanguageIndex) +
               kLineEnd);
        m_detail.m_bWeightedSumSet = true;
        // Every row counts, whatever its flags.
        if (const LIBCACHE* record = lib.FindRecordByCentralId(nutrient))
            m_detail.m_dWeightedSum += record->m_dPARAM1 * content;
    }

    db::Connection& m_central;
    int m_nProductId;
    int m_nLanguageIndex;
    int m_nLangOffset;
    CacheProvider& m_caches;
    COvlNutriProdSet m_product;
    COvlNutriCompSet m_contents;
    ProductDetail m_detail;
};

} // namespace

std::optional<ProductDetail> BuildProductDetail(db::Connection& central, int productId,
                                                int languageIndex, CacheProvider& caches) {
    return ProductDetailBuilder(central, productId, languageIndex, caches).Build();
}

std::string MarkMissingValues(std::string text) {
    static const std::string kFrom = kRedMissing;
    for (size_t pos = text.find(kFrom); pos != std::string::npos;
         pos = text.find(kFrom, pos + kFrom.size()))
        text.replace(pos, kFrom.size(), kPlainMissing);
    return text;
}

} // namespace ovl
