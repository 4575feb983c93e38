#include "central/OvlNutriLibSet.h"

namespace ovl {

COvlNutriLibSet::COvlNutriLibSet(db::Connection* db) : Recordset(db) {
    Bind("[ID]", m_ID);
    Bind("[IDOVL]", m_IDOVL);
    Bind("[LIBELLE_FR]", m_LIBELLE_FR, 255);
    Bind("[LIBELLE_EN]", m_LIBELLE_EN, 255);
    Bind("[LIBELLE_DE]", m_LIBELLE_DE, 255);
    Bind("[LIBELLE_SP]", m_LIBELLE_SP, 255);
    Bind("[LIBELLE_IT]", m_LIBELLE_IT, 255);
    Bind("[UNITE]", m_UNITE, 255);
    Bind("[CATEG]", m_CATEG);
    Bind("[PARAM1]", m_PARAM1);
}

} // namespace ovl
