#include "central/OvlNutriSigErrSet.h"

namespace ovl {

COvlNutriSigErrSet::COvlNutriSigErrSet(db::Connection* db) : Recordset(db) {
    Bind("[PRODID]", m_PRODID);
    Bind("[USERID]", m_USERID);
    Bind("[DATESIG]", m_DATESIG);
    Bind("[ERREUR]", m_ERREUR, 1024);
    SetKeyColumns({&m_PRODID, &m_USERID, &m_DATESIG});
}

} // namespace ovl
