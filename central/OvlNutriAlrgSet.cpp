#include "central/OvlNutriAlrgSet.h"

#include "app/Language.h"

namespace ovl {

COvlNutriAlrgSet::COvlNutriAlrgSet(db::Connection* db, int languageIndex)
    : Recordset(db),
      m_strLibelleColumn(std::string("[LIBELLE_") + CentralColumnSuffix(languageIndex) + "]") {
    Bind("[ID]", m_ID);
    Bind("[CODE]", m_CODE, 255);
    Bind(m_strLibelleColumn, m_LIBELLE, 255);
    Bind("[GROUPE]", m_GROUPE);
    Bind("[IDOVL]", m_IDOVL);
    Bind("[PARENTOVL]", m_PARENTOVL);
}

} // namespace ovl
