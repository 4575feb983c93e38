#include "local/LangueSystemSet.h"

#include "local/LocalColumns.h"

namespace ovl {

CLangueSystemSet::CLangueSystemSet(db::Connection* connection) : db::Recordset(connection) {
    Bind("[Langue_1]", m_Langue_1, kLocalTextLength);
}

std::string CLangueSystemSet::GetDefaultSQL() const {
    return "[Langue_System]";
}

} // namespace ovl
