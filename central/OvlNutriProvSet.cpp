#include "central/OvlNutriProvSet.h"

namespace ovl {

COvlNutriProvSet::COvlNutriProvSet(db::Connection* db) : Recordset(db) {
    Bind("[ID]", m_ID);
    Bind("[PROV]", m_PROV, 255);
    Bind("[OPENBAR]", m_OPENBAR);
    Bind("[DATEMAJ]", m_DATEMAJ);
}

} // namespace ovl
