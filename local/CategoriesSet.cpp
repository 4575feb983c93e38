#include "local/CategoriesSet.h"

#include "local/LocalColumns.h"

namespace ovl {

CCategoriesSet::CCategoriesSet(db::Connection* connection) : db::Recordset(connection) {
    Bind("[CLASS_ID]", m_CLASS_ID);
    Bind("[TYPE]", m_TYPE);
    Bind("[MASQUE]", m_MASQUE);
    Bind("[PERE_ID]", m_PERE_ID);
    Bind("[NAME_1]", m_NAME_1, kLocalTextLength);
    Bind("[NAME_2]", m_NAME_2, kLocalTextLength);
    Bind("[NAME_3]", m_NAME_3, kLocalTextLength);
    Bind("[NAME_4]", m_NAME_4, kLocalTextLength);
    Bind("[NAME_5]", m_NAME_5, kLocalTextLength);
    Bind("[OWNER]", m_OWNER);
    Bind("[DATE_MAJ]", m_DATE_MAJ);
    Bind("[ASCHILD]", m_ASCHILD);
    Bind("[EXPORTABLE]", m_EXPORTABLE);
    SetKeyColumns({&m_CLASS_ID});
}

std::string CCategoriesSet::GetDefaultSQL() const {
    return "[Categories]";
}

} // namespace ovl
