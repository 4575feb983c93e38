#include "local/CategIngSetBase.h"

namespace ovl {

CCategIngSetBase::CCategIngSetBase(db::Connection* connection) : db::Recordset(connection) {
    Bind("[INGR_ID]", m_INGR_ID);
    Bind("[CLASS_ID]", m_CLASS_ID);
    Bind("[CLASSPARENT]", m_CLASSPARENT);
    Bind("[MASQUE]", m_MASQUE);
    SetKeyColumns({&m_INGR_ID, &m_CLASS_ID});
}

void CCategIngSetBase::AddMembership(std::int32_t ingredientId, std::int32_t classId,
                                     std::int32_t parentClass) {
    AddNew();
    m_INGR_ID = ingredientId;
    m_CLASS_ID = classId;
    m_CLASSPARENT = parentClass;
    m_MASQUE = 0;
    Update();
}

} // namespace ovl
