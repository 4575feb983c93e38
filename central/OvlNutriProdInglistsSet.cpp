#include "central/OvlNutriProdInglistsSet.h"

namespace ovl {

COvlNutriProdInglistsSet::COvlNutriProdInglistsSet(db::Connection* db) : Recordset(db) {
    Bind("[ID]", m_ID);
    Bind("[ILFR]", m_ILFR, 32768);
    Bind("[ILEN]", m_ILEN, 32768);
    Bind("[ILDE]", m_ILDE, 32768);
    Bind("[ILSP]", m_ILSP, 32768);
    Bind("[ILIT]", m_ILIT, 32768);
}

} // namespace ovl
