#include "central/OvlNutriMSProdSet.h"

namespace ovl {

COvlNutriMSProdSet::COvlNutriMSProdSet(db::Connection* db) : Recordset(db) {
    Bind("[IDPROD]", m_IDPROD);
    Bind("[IDMS]", m_IDMS);
}

} // namespace ovl
