#include "local/OvlUtilisateursSet.h"

namespace ovl {

COvlUtilisateursSet::COvlUtilisateursSet(db::Connection* connection) : db::Recordset(connection) {
    Bind("[LANGUE]", m_LANGUE);
}

std::string COvlUtilisateursSet::GetDefaultSQL() const {
    return "[Utilisateurs]";
}

db::OpenType COvlUtilisateursSet::GetDefaultType() const {
    return db::OpenType::Snapshot;
}

} // namespace ovl
