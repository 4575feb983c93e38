#include "central/OvlNutriUsrProvSet.h"

namespace ovl {

COvlNutriUsrProvSet::COvlNutriUsrProvSet(db::Connection* db) : Recordset(db) {
    Bind("[IDSERNUM]", m_IDSERNUM);
    Bind("[IDPROV]", m_IDPROV);
    SetKeyColumns({&m_IDSERNUM, &m_IDPROV});
}

} // namespace ovl
