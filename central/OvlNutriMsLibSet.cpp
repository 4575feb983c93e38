#include "central/OvlNutriMsLibSet.h"

namespace ovl {

COvlNutriMsLibSet::COvlNutriMsLibSet(db::Connection* db) : Recordset(db) {
    Bind("[ID]", m_ID);
    Bind("[TYPE]", m_TYPE);
    Bind("[LIBELLE_FR]", m_LIBELLE_FR, 255);
    Bind("[LIBELLE_EN]", m_LIBELLE_EN, 255);
    Bind("[LIBELLE_DE]", m_LIBELLE_DE, 255);
    Bind("[LIBELLE_SP]", m_LIBELLE_SP, 255);
    Bind("[LIBELLE_IT]", m_LIBELLE_IT, 255);
}

} // namespace ovl
