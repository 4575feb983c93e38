#include "central/OvlNutriSrcSet.h"

namespace ovl {

COvlNutriSrcSet::COvlNutriSrcSet(db::Connection* db) : Recordset(db) {
    Bind("[ID]", m_ID);
    Bind("[CITATION]", m_CITATION, 255);
}

} // namespace ovl
