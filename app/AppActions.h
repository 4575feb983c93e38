#pragma once

#include "app/ActionResult.h"
#include "app/BatchPair.h"
#include "app/OvlNutriImportApp.h"
#include "central/ProductDetail.h"
#include "import/ImportContext.h"
#include "import/IngredientValues.h"
#include "ui/ComparisonMark.h"
#include "ui/IngredientList.h"
#include "ui/ReferenceSearch.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ovl {

class CIngredientCreation;
class ProgressObserver;

// What the user can do, each written once for the window and the command line. Every action
// works on the started application's connections and caches and says its messages through
// the application's message sink. An identifier that names nothing gives a NotFound result;
// database failures propagate as db::DbException.
class AppActions {
public:
    explicit AppActions(CovlnutriimportApp& app) : m_app(app) {}

    // The context of the import engine on the application's connections and caches.
    ImportContext MakeImportContext() const;

    bool HasProduct(std::int32_t productId) const;
    bool HasIngredient(std::int32_t ingredientId) const;

    // The reference list: the products that match, in the order of the sort key.
    std::vector<ReferenceRow> Search(const ReferenceSearchInputs& inputs, bool strictFilter,
                                     int sortKey) const;
    // The local list; nothing when the filter is too short.
    std::optional<IngredientListContent> ListIngredients(const std::string& filter,
                                                         int sortKey) const;

    // The product detail of the left pane. The central data release is checked first: when
    // it moved since start-up, the result is the obsolete-data text (catalogue 2058) and
    // `obsolete` is set. Nothing when no product has this identifier.
    struct ProductPane {
        ProductDetail detail;
        bool obsolete = false;
    };
    std::optional<ProductPane> ShowProduct(std::int32_t productId) const;

    // The values text of the right pane; nothing when no ingredient has this identifier.
    std::optional<IngredientValues> ShowIngredient(std::int32_t ingredientId) const;

    // The mark between the panes, each text as its pane shows it.
    static ComparisonMark Compare(const ProductDetail& product, const IngredientValues& values);
    // Both panes of a product and an ingredient, as they show their texts, and their mark.
    struct Comparison {
        ValuePanes panes;
        ComparisonMark mark;
    };
    ActionResult<Comparison> Compare(std::int32_t productId, std::int32_t ingredientId) const;

    // The Import command: the import in one local transaction, then the legal-names update
    // when the user agreed to it during the import. Returns the values text after the import.
    ActionResult<IngredientValues> Import(std::int32_t productId, std::int32_t ingredientId) const;

    // "Effacer": removes what imports wrote, in one local transaction; the values text after.
    ActionResult<IngredientValues> Clear(std::int32_t ingredientId) const;

    // The OK of the creation dialog, in one local transaction: false when a name exists (the
    // dialog stays open). The new identifier is then read from `creation` (-1 when the
    // insertion failed).
    bool CreateIngredient(CIngredientCreation& creation) const;

    // A whole creation without the dialog: the product's names, replaced by the ones given
    // (by language index), are checked as the dialog checks them, then the ingredient is
    // created and the product imported into it.
    using NameChoices = std::array<std::optional<std::string>, 5>;
    struct NewIngredient {
        enum class Outcome {
            Created,
            NameRefused,     // the creation refused `language`'s name and said why
            NameNotStorable, // escaping would cut or overflow `language`'s name
            NamesMissing,    // not every one of the five names is given
            NameExists,      // an ingredient has one of the names; the creation said which
            InsertFailed,    // the creation said why
        };
        Outcome outcome = Outcome::Created;
        int language = -1;
        std::int32_t ingredientId = -1;
        IngredientValues values;
    };
    ActionResult<NewIngredient> CreateFromProduct(std::int32_t productId,
                                                  const NameChoices& names) const;

    // Rewrites the local legal sales names from the central ones, with the update's messages
    // going to `messages` (by default the application's).
    void UpdateLegalNames() const;
    void UpdateLegalNames(MessageSink& messages) const;

    // The terms of use in the user's language, as plain text; their acceptance, recorded in
    // the settings (false when the settings could not be written).
    std::string TermsText() const;
    bool AcceptTerms() const;

    // Imports each pair on its own: a pair that fails is reported and the next one goes on.
    // After each pair `progress` is updated with the pair's outcome line; why a pair failed
    // is reported before. Stops before the next pair when the observer cancels.
    struct BatchSummary {
        int imported = 0;
        int failed = 0;
        bool cancelled = false;
    };
    BatchSummary Batch(const std::vector<BatchPair>& pairs, ProgressObserver& progress) const;

    CovlnutriimportApp& App() const { return m_app; }

private:
    // Why one pair cannot be imported, or empty once it is.
    std::string ImportPair(const BatchPair& pair) const;

    CovlnutriimportApp& m_app;
};

} // namespace ovl
