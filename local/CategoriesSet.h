#pragma once

#include "platform/Recordset.h"

#include <cstdint>

namespace ovl {

// The classes of the tree that the program addresses by number.
// Status classes an import sets, under their common parent.
constexpr std::int32_t kStatusParentClass = 4001;
constexpr std::int32_t kClassValuesNotRequired = 4007; // nutrition declaration not required
constexpr std::int32_t kClassAutomaticValue26 = 4010;  // mirrors product option 0x10
constexpr std::int32_t kClassOption20 = 4011;          // mirrors product option 0x20
// "Free of allergens" and its parent, beside the classes of the allergen groups.
constexpr std::int32_t kAllergenFreeParent = 26;
constexpr std::int32_t kAllergenFreeClass = 36;

// The class tree (table Categories); class 4007, child of 4001, is the reserved class of
// ingredients whose nutrition declaration is not required.
class CCategoriesSet : public db::Recordset {
public:
    explicit CCategoriesSet(db::Connection* connection);

    db::LongField m_CLASS_ID;
    db::ByteField m_TYPE;
    db::LongField m_MASQUE;
    db::LongField m_PERE_ID;
    db::TextField m_NAME_1;
    db::TextField m_NAME_2;
    db::TextField m_NAME_3;
    db::TextField m_NAME_4;
    db::TextField m_NAME_5;
    db::LongField m_OWNER;
    db::DateField m_DATE_MAJ;
    db::BoolField m_ASCHILD;
    db::BoolField m_EXPORTABLE;

protected:
    std::string GetDefaultSQL() const override;
};

} // namespace ovl
