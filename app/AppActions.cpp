#include "app/AppActions.h"

#include "app/Language.h"
#include "central/ProdCache.h"
#include "central/StatusChecks.h"
#include "import/IngredientCreation.h"
#include "import/IngredientOperations.h"
#include "import/LegalNamesUpdate.h"
#include "import/LocalTransaction.h"
#include "import/ReferenceImport.h"

namespace ovl {

ImportContext AppActions::MakeImportContext() const {
    return ImportContext{m_app.LocalDb(), m_app.CentralDb(), m_app,
                         m_app.Messages(), m_app.Language(), m_app.DatabaseType(), false};
}

std::optional<AppActions::ProductPane> AppActions::ShowProduct(std::int32_t productId) const {
    // Data released anew since start-up: the pane shows why instead of stale values.
    if (!CheckCentralDataRelease(m_app.CentralDb(), m_app.Status(), m_app.Messages())) {
        ProductPane pane;
        pane.detail.m_strText = LoadLangString(2058);
        pane.obsolete = true;
        return pane;
    }
    auto detail = BuildProductDetail(m_app.CentralDb(), productId, m_app.Language(), m_app);
    if (!detail)
        return std::nullopt;
    return ProductPane{std::move(*detail), false};
}

std::optional<IngredientValues> AppActions::ShowIngredient(std::int32_t ingredientId) const {
    if (!IngredientExists(m_app.LocalDb(), ingredientId))
        return std::nullopt;
    ImportContext context = MakeImportContext();
    return BuildIngredientValuesText(context, ingredientId);
}

ComparisonMark AppActions::Compare(const ProductDetail& product, const IngredientValues& values) {
    const ValuePanes panes{MarkMissingValues(product.m_strText),
                           MarkMissingValues(values.m_strText),
                           product.m_strRefAllergens,
                           values.m_strIngAllergens,
                           product.m_strRefTraces,
                           values.m_strIngTraces};
    return CompareValueTexts(panes);
}

IngredientValues AppActions::Import(std::int32_t productId, std::int32_t ingredientId) const {
    ImportContext context = MakeImportContext();
    IngredientValues values = ImportReferenceProduct(context, ingredientId, productId);
    if (context.m_bUpdateLegalNames)
        UpdateLegalSalesNames(context);
    return values;
}

IngredientValues AppActions::Clear(std::int32_t ingredientId) const {
    ImportContext context = MakeImportContext();
    return ClearIngredient(context, ingredientId);
}

bool AppActions::CreateIngredient(CIngredientCreation& creation) const {
    ImportContext context = MakeImportContext();
    LocalTransaction transaction(context);
    if (!creation.OnOK())
        return false;
    if (creation.GetNewIngredientId() != -1)
        transaction.Commit();
    return true;
}

void AppActions::UpdateLegalNames() const {
    ImportContext context = MakeImportContext();
    UpdateLegalSalesNames(context);
}

} // namespace ovl
