#include "import/ReferenceImport.h"

#include "app/Language.h"
#include "central/LibCache.h"
#include "central/OvlNutriCompSet.h"
#include "central/OvlNutriProdSet.h"
#include "central/ProdCache.h"
#include "import/ImportClearing.h"
#include "import/IngredientClasses.h"
#include "import/LabellingImport.h"
#include "import/LocalTransaction.h"
#include "local/CategoriesSet.h"
#include "local/NutrientIds.h"
#include "local/ValueFlags.h"
#include "platform/DbException.h"

#include <stdexcept>
#include <string>

namespace ovl {

namespace {

// Whether to update the legal sales names now that they differ.
constexpr int kLegalNamesQuestionId = 2050;

using namespace nutrient;

// Category-4 contents are written and summed only for local ids from here on.
constexpr std::int32_t kFirstWeightedLocalId = 1000;

// The state of one import: the ingredient, the product and the record sets it keeps open.
class ReferenceImport {
public:
    ReferenceImport(ImportContext& context, std::int32_t ingredientId, std::int32_t productId)
        : m_context(context), m_nIngredientId(ingredientId), m_nProductId(productId),
          m_values(&context.local), m_product(&context.central, context.languageIndex, false),
          m_contents(&context.central) {}

    IngredientValues Run();

private:
    void OpenRecordSets();
    void WriteValue(std::int32_t localId, double value, std::int32_t flags);
    void WriteDateValue(std::int32_t localId, const db::DateTime& time);
    bool SelectContents(const std::string& condition);
    void CopyNutrientValue(std::int32_t localId);
    void CopyNutrientValueIgnoringErrors(std::int32_t localId);
    void ImportComputedGroup();
    void ImportStatusClasses(std::int32_t options);

    ImportContext& m_context;
    std::int32_t m_nIngredientId;
    std::int32_t m_nProductId;
    CNutriIngredSet m_values;
    COvlNutriProdSet m_product;
    COvlNutriCompSet m_contents;
};

IngredientValues ReferenceImport::Run() {
    ClearImportedValues(m_context, m_nIngredientId);
    OpenRecordSets();
    const std::int32_t options =
        m_product.IsFieldNull(m_product.m_OPTIONS) ? 0 : m_product.m_OPTIONS;

    WriteDateValue(kImportDate, db::DateTime::Now());
    if (!m_product.IsFieldNull(m_product.m_DATEMAJ))
        WriteDateValue(kDataDate, m_product.m_DATEMAJ);
    if (options & kOptionValuesNotRequired) {
        EnsureIngredientClass(m_context.local, m_nIngredientId, kClassValuesNotRequired);
    } else {
        for (std::int32_t id : kFirstBlock)
            CopyNutrientValue(id);
        CopyNutrientValueIgnoringErrors(kAutomaticValue);
        RemoveIngredientClass(m_context.local, m_nIngredientId, kClassValuesNotRequired);
    }
    ImportStatusClasses(options);
    if (!(options & kOptionValuesNotRequired))
        for (std::int32_t id : kSecondBlock)
            CopyNutrientValue(id);

    if (!IsGenericCompositionProduct(m_context, m_nProductId)) {
        ImportAllergens(m_context, m_nIngredientId, m_product);
        ImportPrepackagedFields(m_context, m_nIngredientId, m_nProductId, m_product);
        ImportSpecificMentions(m_context, m_nIngredientId, m_nProductId);
        for (std::int32_t id : kThirdBlock)
            CopyNutrientValue(id);
        ImportComputedGroup();
        CopyNutrientValue(kLastValue);
    }
    m_contents.Close();
    m_product.Close();
    IngredientValues values = BuildIngredientValuesText(m_context, m_nIngredientId, &m_values);
    m_values.Close();
    return values;
}

void ReferenceImport::OpenRecordSets() {
    m_values.m_strFilter = "[ING_ID]=0";
    m_values.Open();
    m_product.m_strFilter = "[OVLNUTRIPROD].[ID]=" + std::to_string(m_nProductId);
    m_product.Open(db::OpenType::ForwardOnly);
    if (m_product.IsEOF())
        throw std::invalid_argument("no reference product has the identifier " +
                                    std::to_string(m_nProductId));
    m_contents.m_strFilter = "([ID]=" + std::to_string(m_nProductId) + ") AND ([NUTID]=0)";
    m_contents.Open(db::OpenType::ForwardOnly);
}

void ReferenceImport::WriteValue(std::int32_t localId, double value, std::int32_t flags) {
    m_values.AddNew();
    m_values.m_ING_ID = m_nIngredientId;
    m_values.m_NUTRI_ID = localId;
    m_values.m_QTE = value;
    m_values.m_OPTION_MSK = flags;
    m_values.Update();
}

void ReferenceImport::WriteDateValue(std::int32_t localId, const db::DateTime& time) {
    WriteValue(localId, time.ToAutomationDate(), kValueIsDate);
}

bool ReferenceImport::SelectContents(const std::string& condition) {
    m_contents.m_strFilter = "([ID]=" + std::to_string(m_nProductId) + ") AND" + condition;
    m_contents.Requery();
    return !m_contents.IsEOF();
}

void ReferenceImport::CopyNutrientValue(std::int32_t localId) {
    // A local nutrient the central list does not know has no content to copy.
    const LIBCACHE* label = m_context.caches.LibCache().FindRecord(localId);
    if (!label)
        return;
    if (!SelectContents("([NUTID]=" + std::to_string(label->m_nID) + ")"))
        return;
    WriteValue(localId, m_contents.m_TENEUR, m_contents.m_OPTION_MSK);
}

void ReferenceImport::CopyNutrientValueIgnoringErrors(std::int32_t localId) {
    try {
        CopyNutrientValue(localId);
    } catch (const db::DbException& e) {
        // The automatic value is optional: an ingredient that cannot take it keeps the rest,
        // unless the transaction itself is lost.
        if (db::EndsTransaction(e))
            throw;
    }
}

void ReferenceImport::ImportStatusClasses(std::int32_t options) {
    if (options & kOptionAutomaticValue26)
        EnsureIngredientClass(m_context.local, m_nIngredientId, kClassAutomaticValue26);
    else
        RemoveIngredientClass(m_context.local, m_nIngredientId, kClassAutomaticValue26);
    if (options & kOptionOption20)
        EnsureIngredientClass(m_context.local, m_nIngredientId, kClassOption20);
    else
        RemoveIngredientClass(m_context.local, m_nIngredientId, kClassOption20);
}

void ReferenceImport::ImportComputedGroup() {
    CLibCache& labels = m_context.caches.LibCache();
    double sum = 0;
    bool found = false;
    // Without category-4 nutrients there is nothing to sum; the statement would hold an
    // empty list.
    if (!labels.Categ4CentralIds().empty() &&
        SelectContents(" ([NUTID] IN (" + labels.Categ4CentralIds() + "))")) {
        for (; !m_contents.IsEOF(); m_contents.MoveNext()) {
            const LIBCACHE* label = labels.FindRecordByCentralId(m_contents.m_NUTID);
            if (!label || label->m_nIDOVL < kFirstWeightedLocalId)
                continue;
            WriteValue(label->m_nIDOVL, m_contents.m_TENEUR, m_contents.m_OPTION_MSK);
            sum += label->m_dPARAM1 * m_contents.m_TENEUR;
            found = true;
        }
    }
    const LIBCACHE* weightedSum = labels.FindRecord(kWeightedSum);
    double value = 0;
    if (weightedSum && SelectContents(" ([NUTID]=" + std::to_string(weightedSum->m_nID) + ")"))
        value = m_contents.m_TENEUR;
    else if (found)
        value = sum / 100;
    else
        return;
    WriteValue(kWeightedSum, -value, kValueComputed);
    WriteValue(kWeightedSumCopy, value, 0);
}

} // namespace

bool IsGenericCompositionProduct(ImportContext& context, std::int32_t productId) {
    CProdCache& products = context.caches.ProdCache();
    const int row = products.FindRow(productId);
    if (row < 0)
        throw std::invalid_argument("the reference product " + std::to_string(productId) +
                                    " is not in the product cache");
    return products.GetRecord(row).m_bHasCIQID;
}

IngredientValues ImportReferenceProduct(ImportContext& context, std::int32_t ingredientId,
                                        std::int32_t productId) {
    context.m_bLegalNameDiffers = false;
    IngredientValues values = [&] {
        LocalTransaction transaction(context);
        ReferenceImport import(context, ingredientId, productId);
        IngredientValues imported = import.Run();
        transaction.Commit();
        return imported;
    }();
    // Asked once the import has committed: the kitchen software never waits behind the box.
    if (context.m_bLegalNameDiffers)
        context.m_bUpdateLegalNames =
            context.messages.AskYesNo(LoadLangString(kLegalNamesQuestionId));
    return values;
}

} // namespace ovl
