#include "local/CategIngSetBase.h"

namespace ovl {

CCategIngSetBase::CCategIngSetBase(db::Connection* connection) : db::Recordset(connection) {
    Bind("[INGR_ID]", m_INGR_ID);
    Bind("[CLASS_ID]", m_CLASS_ID);
    Bind("[CLASSPARENT]", m_CLASSPARENT);
    Bind("[MASQUE]", m_MASQUE);
    SetKeyColumns({&m_INGR_ID, &m_CLASS_ID});
}

} // namespace ovl
