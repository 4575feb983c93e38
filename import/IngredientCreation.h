#pragma once

#include "import/ImportContext.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace ovl {

// Creating an ingredient from a reference product, without a window: the creation dialog and
// the command line both drive it. It proposes the product's five names, lets them be edited,
// refuses names that an ingredient already has and inserts the new Ingredients row.
// Names are indexed by language, 0..4 = FR, EN, DE, SP, IT (columns NAME_1..NAME_5); they are
// plain code page 1252 texts, escaped only when they reach the database.
class CIngredientCreation {
public:
    // The dialog's name edits hold at most this many characters.
    static constexpr std::size_t kMaxNameLength = 128;

    CIngredientCreation(ImportContext& context, std::int32_t nProductId);

    // Dialog initialisation: reads the product and proposes its names. A product missing from
    // the names table leaves every field empty.
    void LoadProduct();

    bool IsProductFound() const { return m_bProductFound; }
    const std::string& GetProductName() const { return m_strProductName; }
    const std::string& GetSupplierName() const { return m_strSupplierName; }
    const std::string& GetReference() const { return m_strReference; }
    bool HasReference() const { return m_bHasReference; }

    // Sets a name as typed. A name longer than kMaxNameLength is refused with a message; the
    // field then keeps its text and the result is false.
    bool SetName(int nLanguageIndex, const std::string& name);
    const std::string& GetName(int nLanguageIndex) const;

    // OK is enabled when each of the five names holds at least one character.
    bool IsOkEnabled() const;

    // OK: refuses existing names (the dialog stays open: false), otherwise inserts the
    // ingredient and closes (true), also after a failed insertion (new id -1).
    bool OnOK();

    // True when no ingredient has any of the names; otherwise shows why and returns false.
    bool CheckIngredientNames();
    // Inserts the ingredient under the highest INGRED_ID + 1. A database error of the
    // insertion is shown and leaves the new id at -1.
    void InsertIngredient();

    // -1 until an insertion succeeded.
    std::int32_t GetNewIngredientId() const { return m_nNewIngredientId; }
    // The French name as typed, for the caller's ingredient filter.
    const std::string& GetFrenchName() const { return m_strFrenchName; }

private:
    std::array<std::string, 5> EscapedNames() const;
    std::int32_t NextIngredientId() const;
    void ShowError(const std::string& text) const;

    ImportContext& m_context;
    std::int32_t m_nProductId;
    bool m_bProductFound = false;
    std::string m_strProductName;
    std::string m_strSupplierName;
    std::string m_strReference;
    bool m_bHasReference = false;
    std::array<std::string, 5> m_names;
    std::int32_t m_nNewIngredientId = -1;
    std::string m_strFrenchName;
};

} // namespace ovl
