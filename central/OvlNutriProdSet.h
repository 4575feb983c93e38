#pragma once

#include "platform/Recordset.h"

#include <cstdint>
#include <string>

namespace ovl {

// Allergen sets of a product: bit n stands for the allergen whose ID is n; bit 0 marks a
// product declared free of allergens.
struct AllergenMasks {
    std::uint64_t m_nContains = 0;
    std::uint64_t m_nTraces = 0;
};

// The 64-bit set held in the first eight bytes of a stored mask, least significant byte
// first. Shorter values count as padded with zero bytes; bytes after the eighth are ignored.
std::uint64_t AllergenMaskFromBytes(const db::Bytes& bytes);

// Flags of a product's OPTIONS.
constexpr std::int32_t kOptionValuesNotRequired = 0x02;
constexpr std::int32_t kOptionAutomaticValue26 = 0x10; // show and import nutrient 26
constexpr std::int32_t kOptionOption20 = 0x20;         // mirrored by a status class only

// OVLNUTRIPROD joined to its companion table of one language (name and ingredient list).
// The join is a left join: a product without a companion row reads with NAME and INGLIST NULL.
// Light mode binds the eight columns the product cache needs; full mode all nineteen.
class COvlNutriProdSet : public db::Recordset {
public:
    COvlNutriProdSet(db::Connection* db, int languageIndex, bool light);

    db::LongField m_ID;
    db::LongField m_PROVID;
    db::LongField m_CIQID;
    db::LongField m_GRPID;
    db::TextField m_NAME;
    db::DateField m_DATEMAJ;
    db::TextField m_REFFAB;
    db::BinaryField m_ALRG;
    db::BinaryField m_ALRGPOSS;
    db::LongField m_SRCID;
    db::LongField m_OPTIONS;
    db::SingleField m_COMPOSPCT;
    db::TextField m_INGLIST;
    db::TextField m_ADDITCODEE;
    db::TextField m_REFFICHEPROD;
    db::DateField m_LASTUPDATE;
    db::LongField m_DENOMLEGID{-1};
    db::LongField m_COMPOSID{-1};
    db::LongField m_ADDITCATEGID{-1};

    bool IsLight() const { return m_bLight; }
    // The bracketed name and ingredient-list columns of the language, e.g.
    // "[OVLNUTRIPROD_FR].[NAME]".
    const std::string& NameColumn() const { return m_strNameColumn; }
    const std::string& IngListColumn() const { return m_strIngListColumn; }

    // Both masks of the current row; both empty when either column is NULL.
    AllergenMasks GetAllergenMasks() const;

protected:
    std::string GetDefaultSQL() const override { return m_strDefaultSql; }
    db::OpenType GetDefaultType() const override { return db::OpenType::ForwardOnly; }

private:
    void BindLight();
    void BindFull();

    bool m_bLight;
    std::string m_strDefaultSql;
    std::string m_strNameColumn;
    std::string m_strIngListColumn;
};

} // namespace ovl
