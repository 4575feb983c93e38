#include "local/MSpecifIngSet.h"

namespace ovl {

CMSpecifIngSet::CMSpecifIngSet(db::Connection* connection) : db::Recordset(connection) {
    Bind("[ID]", m_ID);
    Bind("[IDMSPECIF]", m_IDMSPECIF);
    SetKeyColumns({&m_ID, &m_IDMSPECIF});
}

std::string CMSpecifIngSet::GetDefaultSQL() const {
    return "[MSpecifIng]";
}

} // namespace ovl
