#include "app/AppActions.h"

#include "app/Language.h"
#include "app/Progress.h"
#include "app/RtfText.h"
#include "app/TermsDocuments.h"
#include "app/TextCodec.h"
#include "central/ProdCache.h"
#include "central/StatusChecks.h"
#include "import/IngredientCreation.h"
#include "import/IngredientOperations.h"
#include "import/LegalNamesUpdate.h"
#include "import/LocalTransaction.h"
#include "import/ReferenceImport.h"
#include "platform/DbException.h"

namespace ovl {

namespace {

// The NAME_n columns of Ingredients hold this many bytes.
constexpr size_t kStoredNameLimit = 255;

// Escaping lengthens quotes and percent signs, and cuts a text made mostly of them: such a
// name would not come back as typed.
bool StoresWhole(const std::string& name) {
    const std::string stored = EncodedDbText(name);
    return stored.size() <= kStoredNameLimit && DecodedDbText(stored) == name;
}

ValuePanes PanesOf(const ProductDetail& product, const IngredientValues& values) {
    return ValuePanes{MarkMissingValues(product.m_strText),
                      MarkMissingValues(values.m_strText),
                      product.m_strRefAllergens,
                      values.m_strIngAllergens,
                      product.m_strRefTraces,
                      values.m_strIngTraces};
}

std::string TrimmedLineEnds(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    return text;
}

} // namespace

ImportContext AppActions::MakeImportContext() const {
    return ImportContext{m_app.LocalDb(),  m_app.CentralDb(),    m_app, m_app.Messages(),
                         m_app.Language(), m_app.DatabaseType(), false};
}

bool AppActions::HasProduct(std::int32_t productId) const {
    return m_app.ProdCache().FindRow(productId) >= 0;
}

bool AppActions::HasIngredient(std::int32_t ingredientId) const {
    return IngredientExists(m_app.LocalDb(), ingredientId);
}

std::vector<ReferenceRow> AppActions::Search(const ReferenceSearchInputs& inputs, bool strictFilter,
                                             int sortKey) const {
    ReferenceSearch search(m_app.CentralDb(), m_app, m_app.Language(), m_app.AccountId());
    return search.Run(inputs, strictFilter, sortKey);
}

std::optional<IngredientListContent> AppActions::ListIngredients(const std::string& filter,
                                                                 int sortKey) const {
    return FillIngredientList(m_app.LocalDb(), m_app.Language(), filter, sortKey);
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
    if (!HasIngredient(ingredientId))
        return std::nullopt;
    ImportContext context = MakeImportContext();
    return BuildIngredientValuesText(context, ingredientId);
}

ComparisonMark AppActions::Compare(const ProductDetail& product, const IngredientValues& values) {
    return CompareValueTexts(PanesOf(product, values));
}

ActionResult<AppActions::Comparison> AppActions::Compare(std::int32_t productId,
                                                         std::int32_t ingredientId) const {
    if (!HasIngredient(ingredientId))
        return NotFound::Ingredient(ingredientId);
    if (!HasProduct(productId))
        return NotFound::Product(productId);
    const auto detail = BuildProductDetail(m_app.CentralDb(), productId, m_app.Language(), m_app);
    if (!detail)
        return NotFound::Product(productId);
    ImportContext context = MakeImportContext();
    const ValuePanes panes = PanesOf(*detail, BuildIngredientValuesText(context, ingredientId));
    return Comparison{panes, CompareValueTexts(panes)};
}

ActionResult<IngredientValues> AppActions::Import(std::int32_t productId,
                                                  std::int32_t ingredientId) const {
    if (!HasIngredient(ingredientId))
        return NotFound::Ingredient(ingredientId);
    if (!HasProduct(productId))
        return NotFound::Product(productId);
    ImportContext context = MakeImportContext();
    IngredientValues values = ImportReferenceProduct(context, ingredientId, productId);
    if (context.m_bUpdateLegalNames)
        UpdateLegalSalesNames(context);
    return values;
}

ActionResult<IngredientValues> AppActions::Clear(std::int32_t ingredientId) const {
    if (!HasIngredient(ingredientId))
        return NotFound::Ingredient(ingredientId);
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

ActionResult<AppActions::NewIngredient>
AppActions::CreateFromProduct(std::int32_t productId, const NameChoices& names) const {
    using Outcome = NewIngredient::Outcome;
    if (!HasProduct(productId))
        return NotFound::Product(productId);
    ImportContext context = MakeImportContext();
    CIngredientCreation creation(context, productId);
    creation.LoadProduct();
    // The names default to the product's own, as the dialog proposes them.
    for (int language = 0; language < 5; ++language) {
        const auto& name = names[static_cast<size_t>(language)];
        if (!name)
            continue;
        if (!creation.SetName(language, *name))
            return NewIngredient{Outcome::NameRefused, language, -1, {}};
        if (!StoresWhole(*name))
            return NewIngredient{Outcome::NameNotStorable, language, -1, {}};
    }
    if (!creation.IsOkEnabled())
        return NewIngredient{Outcome::NamesMissing, -1, -1, {}};
    if (!CreateIngredient(creation))
        return NewIngredient{Outcome::NameExists, -1, -1, {}};
    const std::int32_t ingredientId = creation.GetNewIngredientId();
    if (ingredientId == -1)
        return NewIngredient{Outcome::InsertFailed, -1, -1, {}};
    return NewIngredient{Outcome::Created, -1, ingredientId,
                         Import(productId, ingredientId).value()};
}

void AppActions::UpdateLegalNames() const {
    UpdateLegalNames(m_app.Messages());
}

void AppActions::UpdateLegalNames(MessageSink& messages) const {
    ImportContext context{m_app.LocalDb(),  m_app.CentralDb(),    m_app, messages,
                          m_app.Language(), m_app.DatabaseType(), false};
    UpdateLegalSalesNames(context);
}

std::string AppActions::TermsText() const {
    return TrimmedLineEnds(RtfToPlainText(TermsRtf(m_app.Language())));
}

bool AppActions::AcceptTerms() const {
    return m_app.Settings().WriteInt(CovlnutriimportApp::kConfigSection, "Conditions Accepted", 1);
}

std::string AppActions::ImportPair(const BatchPair& pair) const {
    try {
        const auto values = Import(pair.productId, pair.ingredientId);
        return values ? std::string() : values.Missing().Text();
    } catch (const db::DbException& e) {
        return e.Message();
    } catch (const std::invalid_argument& e) {
        return e.what();
    }
}

AppActions::BatchSummary AppActions::Batch(const std::vector<BatchPair>& pairs,
                                           ProgressObserver& progress) const {
    BatchSummary summary;
    for (size_t i = 0; i < pairs.size(); ++i) {
        if (progress.IsCancelled()) {
            summary.cancelled = true;
            break;
        }
        const BatchPair& pair = pairs[i];
        const std::string where = "line " + std::to_string(pair.line) + ": ";
        const std::string failure = ImportPair(pair);
        if (!failure.empty())
            progress.Report(where + "error: " + failure);
        failure.empty() ? ++summary.imported : ++summary.failed;
        progress.Update(i + 1, pairs.size(),
                        where + "product " + std::to_string(pair.productId) + " into ingredient " +
                            std::to_string(pair.ingredientId) +
                            (failure.empty() ? ": imported" : ": failed"));
    }
    return summary;
}

} // namespace ovl
