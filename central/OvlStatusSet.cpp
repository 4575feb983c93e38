#include "central/OvlStatusSet.h"

namespace ovl {

COvlStatusSet::COvlStatusSet(db::Connection* db) : Recordset(db) {
    Bind("[VARID]", m_VARID);
    Bind("[VARNAME]", m_VARNAME, 255);
    Bind("[VARINTVALUE]", m_VARINTVALUE);
    Bind("[VARSTRVALUE]", m_VARSTRVALUE, 255);
}

} // namespace ovl
