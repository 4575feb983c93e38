#include "central/OvlNutriCompSet.h"

namespace ovl {

COvlNutriCompSet::COvlNutriCompSet(db::Connection* db) : Recordset(db) {
    Bind("[ID]", m_ID);
    Bind("[NUTID]", m_NUTID);
    Bind("[TENEUR]", m_TENEUR);
    Bind("[OPTION_MSK]", m_OPTION_MSK);
}

} // namespace ovl
