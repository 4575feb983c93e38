#pragma once

#include "platform/Recordset.h"

#include <cstdint>

namespace ovl {

// The columns shared by the two class-membership tables of an ingredient, CategIngre and
// CategIngAllerg; the derived classes only name their table. Rows this program writes have
// MASQUE 0.
class CCategIngSetBase : public db::Recordset {
public:
    db::LongField m_INGR_ID;
    db::LongField m_CLASS_ID;
    db::LongField m_CLASSPARENT;
    db::LongField m_MASQUE;

    // Adds the row of one class of the ingredient, with MASQUE 0; the set must be open.
    void AddMembership(std::int32_t ingredientId, std::int32_t classId, std::int32_t parentClass);

protected:
    explicit CCategIngSetBase(db::Connection* connection);
};

} // namespace ovl
