#include "central/OvlNutriProdNamesSet.h"

namespace ovl {

COvlNutriProdNamesSet::COvlNutriProdNamesSet(db::Connection* db) : Recordset(db) {
    Bind("[ID]", m_ID);
    Bind("[PROV]", m_PROV, 255);
    Bind("[REFFAB]", m_REFFAB, 255);
    Bind("[FR]", m_FR, 255);
    Bind("[EN]", m_EN, 255);
    Bind("[DE]", m_DE, 255);
    Bind("[SP]", m_SP, 255);
    Bind("[IT]", m_IT, 255);
}

} // namespace ovl
