#include "local/NutriIngredSet.h"

#include <utility>

namespace ovl {

CNutriIngredSet::CNutriIngredSet(db::Connection* connection, std::string strDefaultConnect)
    : db::Recordset(connection), m_strDefaultConnect(std::move(strDefaultConnect)) {
    Bind("[ING_ID]", m_ING_ID);
    Bind("[NUTRI_ID]", m_NUTRI_ID);
    Bind("[QTE]", m_QTE);
    Bind("[OPTION_MSK]", m_OPTION_MSK);
    SetKeyColumns({&m_ING_ID, &m_NUTRI_ID});
}

std::string CNutriIngredSet::GetDefaultSQL() const {
    return "[NutriIngred]";
}

std::string CNutriIngredSet::GetDefaultConnect() const {
    return m_strDefaultConnect;
}

} // namespace ovl
