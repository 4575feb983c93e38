#include "central/OvlNutriGrpSet.h"

#include "app/Language.h"

namespace ovl {

COvlNutriGrpSet::COvlNutriGrpSet(db::Connection* db, int languageIndex)
    : Recordset(db),
      m_strNameColumn(std::string("[NAME_") + CentralColumnSuffix(languageIndex) + "]") {
    Bind("[ID]", m_ID);
    Bind("[CIQID]", m_CIQID);
    Bind(m_strNameColumn, m_NAME, 255);
}

} // namespace ovl
