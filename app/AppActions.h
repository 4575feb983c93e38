#pragma once

#include "app/OvlNutriImportApp.h"
#include "central/ProductDetail.h"
#include "import/ImportContext.h"
#include "import/IngredientValues.h"
#include "ui/ComparisonMark.h"

#include <cstdint>
#include <optional>
#include <string>

namespace ovl {

class CIngredientCreation;

// What the user can do, each written once for the window and the command line. Every action
// works on the started application's connections and caches and says its messages through
// the application's message sink. Database failures propagate as db::DbException.
class AppActions {
public:
    explicit AppActions(CovlnutriimportApp& app) : m_app(app) {}

    // The context of the import engine on the application's connections and caches.
    ImportContext MakeImportContext() const;

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

    // The Import command: the import in one local transaction, then the legal-names update
    // when the user agreed to it during the import. Returns the values text after the import.
    IngredientValues Import(std::int32_t productId, std::int32_t ingredientId) const;

    // "Effacer": removes what imports wrote, in one local transaction; the values text after.
    IngredientValues Clear(std::int32_t ingredientId) const;

    // The OK of the creation dialog, in one local transaction: false when a name exists (the
    // dialog stays open). The new identifier is then read from `creation` (-1 when the
    // insertion failed).
    bool CreateIngredient(CIngredientCreation& creation) const;

    // Rewrites the local legal sales names from the central ones.
    void UpdateLegalNames() const;

    CovlnutriimportApp& App() const { return m_app; }

private:
    CovlnutriimportApp& m_app;
};

} // namespace ovl
