#include "import/LabellingImport.h"

#include "app/Language.h"
#include "central/AlrgCache.h"
#include "central/LibPreEmbCache.h"
#include "central/MsLibCache.h"
#include "central/OvlNutriMSProdSet.h"
#include "central/OvlNutriProdInglistsSet.h"
#include "local/CategIngAllergSet.h"
#include "local/CategIngreSet.h"
#include "local/CategoriesSet.h"
#include "local/IngredientsSet.h"
#include "local/MSpecifIngSet.h"

#include <array>
#include <optional>
#include <string>

namespace ovl {

namespace {

constexpr std::int32_t kSubstituteGroup = 27;
constexpr int kMaskBits = 64;

constexpr int kLegalNameType = 0;
constexpr int kComponentType = 1;
constexpr int kAdditiveCategoryType = 6;


std::string Id(std::int32_t id) {
    return std::to_string(id);
}

bool HasBit(std::uint64_t mask, std::int32_t bit) {
    return bit >= 0 && bit < kMaskBits && (mask & (std::uint64_t{1} << bit)) != 0;
}

// Writes the classes of one mask into one table. A member of group 27 without a local class
// is written as the class of the group itself, once per mask. The group's row is looked up
// by its allergen id rather than by its place in the list: the two agree only while the
// central ids run 0, 1, 2, ... in row order, and the id is what names the group. Without such
// a row, or when the group has no local class either, no substitute is written.
class MaskWriter {
public:
    MaskWriter(const CAlrgCache& allergens, CCategIngSetBase& classes, std::int32_t ingredientId,
               std::uint64_t mask)
        : m_allergens(allergens), m_classes(classes), m_nIngredientId(ingredientId), m_nMask(mask) {
    }

    void Write(const ALRGCACHE& allergen) {
        if (!HasBit(m_nMask, allergen.m_nID))
            return;
        if (allergen.m_nIDOVL != -1) {
            m_classes.AddMembership(m_nIngredientId, allergen.m_nIDOVL, allergen.m_nPARENTOVL);
        } else if (allergen.m_nGROUPE == kSubstituteGroup && !m_bSubstituteWritten) {
            m_bSubstituteWritten = true;
            const ALRGCACHE* group = m_allergens.FindRecord(kSubstituteGroup);
            if (group != nullptr && group->m_nIDOVL != -1)
                m_classes.AddMembership(m_nIngredientId, group->m_nIDOVL, group->m_nPARENTOVL);
        }
    }

private:
    const CAlrgCache& m_allergens;
    CCategIngSetBase& m_classes;
    std::int32_t m_nIngredientId;
    std::uint64_t m_nMask;
    bool m_bSubstituteWritten = false;
};

struct LocalLabel {
    std::int32_t m_nId = -1;
    // The local label was found by its search key but its text differs from the central one.
    bool m_bTextDiffers = false;
};

// The local label of a central pre-packaging label, created from the five central texts when
// there is none. Empty when the central label is unknown: a label without text would only
// stand for nothing.
std::optional<LocalLabel> FindOrAddLabel(ImportContext& context, std::int32_t centralId, int type) {
    const CMsLibCache& central = context.caches.MsLibCache();
    if (central.FindRecord(centralId) == nullptr)
        return std::nullopt;
    CLibPreEmbCache& labels = context.caches.LibPreEmbCache();
    const std::string& text = central.GetLabel(centralId, context.languageIndex);
    const int row = labels.FindLabel(text, type);
    if (row != -1)
        return LocalLabel{labels.GetRecord(row).m_nID, labels.GetLabelByRow(row) != text};
    std::array<std::string, kLanguageCount> texts;
    for (int language = 0; language < kLanguageCount; ++language)
        texts[static_cast<size_t>(language)] = central.GetLabel(centralId, language);
    return LocalLabel{labels.AddLabel(context.local, texts, type), false};
}

// Sets `column` to the local label of the central label in `centralId`, or to null.
std::optional<LocalLabel> ImportLabel(ImportContext& context, const db::Recordset& product,
                                      const db::LongField& centralId, int type,
                                      CIngredientsSet& ingredient, db::LongField& column) {
    std::optional<LocalLabel> label;
    if (!product.IsFieldNull(centralId))
        label = FindOrAddLabel(context, centralId, type);
    if (label)
        column = label->m_nId;
    else
        ingredient.SetFieldNull(column);
    return label;
}

void ImportLegalName(ImportContext& context, const COvlNutriProdSet& product,
                     CIngredientsSet& ingredient) {
    const std::optional<LocalLabel> label =
        ImportLabel(context, product, product.m_DENOMLEGID, kLegalNameType, ingredient,
                    ingredient.m_PREEM_DENVENT);
    if (label && label->m_bTextDiffers)
        context.m_bLegalNameDiffers = true;
}

void CopyText(CIngredientsSet& ingredient, db::TextField& column, bool found,
              const db::Recordset& source, const db::TextField& value) {
    if (found && !source.IsFieldNull(value))
        column = value.Value();
    else
        ingredient.SetFieldNull(column);
}

void ImportIngredientLists(ImportContext& context, std::int32_t productId,
                           CIngredientsSet& ingredient) {
    COvlNutriProdInglistsSet lists(&context.central);
    lists.m_strFilter = "ID=" + Id(productId);
    lists.Open();
    const bool found = !lists.IsEOF();
    CopyText(ingredient, ingredient.m_PREEM_FICHTECH_1, found, lists, lists.m_ILFR);
    CopyText(ingredient, ingredient.m_PREEM_FICHTECH_2, found, lists, lists.m_ILEN);
    CopyText(ingredient, ingredient.m_PREEM_FICHTECH_3, found, lists, lists.m_ILDE);
    CopyText(ingredient, ingredient.m_PREEM_FICHTECH_4, found, lists, lists.m_ILSP);
    CopyText(ingredient, ingredient.m_PREEM_FICHTECH_5, found, lists, lists.m_ILIT);
    lists.Close();
}

void ImportComposition(ImportContext& context, const COvlNutriProdSet& product,
                       CIngredientsSet& ingredient) {
    std::optional<LocalLabel> label;
    if (!product.IsFieldNull(product.m_COMPOSPCT))
        label = ImportLabel(context, product, product.m_COMPOSID, kComponentType, ingredient,
                            ingredient.m_PREEM_COMPOS);
    if (label) {
        // The central value is a percentage, the local one a fraction.
        ingredient.m_PREEM_COMPCT = product.m_COMPOSPCT.Value() / 100.0f;
    } else {
        ingredient.SetFieldNull(ingredient.m_PREEM_COMPOS);
        ingredient.SetFieldNull(ingredient.m_PREEM_COMPCT);
    }
}

void ImportAdditives(ImportContext& context, const COvlNutriProdSet& product,
                     CIngredientsSet& ingredient) {
    ImportLabel(context, product, product.m_ADDITCATEGID, kAdditiveCategoryType, ingredient,
                ingredient.m_PREEM_CATADDITIF);
    if (product.IsFieldNull(product.m_ADDITCODEE) || product.m_ADDITCODEE.Value().empty())
        ingredient.SetFieldNull(ingredient.m_PREEM_CODEADDITIF);
    else
        ingredient.m_PREEM_CODEADDITIF = product.m_ADDITCODEE.Value();
}

} // namespace

void ImportAllergens(ImportContext& context, std::int32_t ingredientId,
                     const COvlNutriProdSet& product) {
    if (ingredientId == -1)
        return;
    const CAlrgCache& allergens = context.caches.AlrgCache();
    const AllergenMasks masks = product.GetAllergenMasks();
    const std::uint64_t contains = allergens.CollapseGroups(masks.m_nContains);
    const std::uint64_t traces = allergens.CollapseGroups(masks.m_nTraces);

    CCategIngAllergSet allergenClasses(&context.local);
    allergenClasses.m_strFilter = "[INGR_ID]=0";
    allergenClasses.Open();
    CCategIngreSet traceClasses(&context.local);
    traceClasses.m_strFilter = "[INGR_ID]=0";
    traceClasses.Open();

    if (HasBit(contains, 0)) {
        // Declared free of allergens: that class alone, whatever else the masks hold.
        traceClasses.AddMembership(ingredientId, kAllergenFreeClass, kAllergenFreeParent);
    } else {
        MaskWriter containsWriter(allergens, allergenClasses, ingredientId, contains);
        MaskWriter tracesWriter(allergens, traceClasses, ingredientId, traces);
        for (int row = 0; row < allergens.GetCount(); ++row) {
            const ALRGCACHE& allergen = allergens.GetRecord(row);
            if (allergen.m_nID < 0)
                continue;
            containsWriter.Write(allergen);
            tracesWriter.Write(allergen);
        }
    }
    allergenClasses.Close();
    traceClasses.Close();
}

void ImportPrepackagedFields(ImportContext& context, std::int32_t ingredientId,
                             std::int32_t productId, const COvlNutriProdSet& product) {
    if (ingredientId == -1)
        return;
    CIngredientsSet ingredient(&context.local, false);
    ingredient.m_strFilter = "[INGRED_ID]=" + Id(ingredientId);
    ingredient.Open();
    // The row is only ever updated here; an ingredient that is gone gets nothing.
    if (ingredient.IsEOF())
        return;
    ingredient.Edit();
    ImportLegalName(context, product, ingredient);
    ImportIngredientLists(context, productId, ingredient);
    ImportComposition(context, product, ingredient);
    ImportAdditives(context, product, ingredient);
    ingredient.Update();
    ingredient.Close();
}

void ImportSpecificMentions(ImportContext& context, std::int32_t ingredientId,
                            std::int32_t productId) {
    COvlNutriMSProdSet productMentions(&context.central);
    productMentions.m_strFilter = "[IDPROD]=" + Id(productId);
    productMentions.Open();
    // Both label caches are ready before the first row is written.
    const CMsLibCache& mentions = context.caches.MsLibCache();
    context.caches.LibPreEmbCache();

    CMSpecifIngSet ingredientMentions(&context.local);
    ingredientMentions.m_strFilter = "[ID]=-1";
    ingredientMentions.Open();
    for (; !productMentions.IsEOF(); productMentions.MoveNext()) {
        // A mention the central label list does not know has no label to link; it is left
        // out rather than written as a row that names nothing.
        const MSLIBCACHE* mention = mentions.FindRecord(productMentions.m_IDMS);
        if (mention == nullptr)
            continue;
        ingredientMentions.AddNew();
        ingredientMentions.m_ID = ingredientId;
        ingredientMentions.m_IDMSPECIF = mention->m_nLocalId;
        ingredientMentions.Update();
    }
    ingredientMentions.Close();
    productMentions.Close();
}

} // namespace ovl
