#include "local/NutriLibellesSet.h"

#include "local/LocalColumns.h"

namespace ovl {

CNutriLibellesSet::CNutriLibellesSet(db::Connection* connection) : db::Recordset(connection) {
    Bind("[ID]", m_ID);
    Bind("[LIBELLE_1]", m_LIBELLE_1, kLocalTextLength);
    Bind("[LIBELLE_2]", m_LIBELLE_2, kLocalTextLength);
    Bind("[LIBELLE_3]", m_LIBELLE_3, kLocalTextLength);
    Bind("[LIBELLE_4]", m_LIBELLE_4, kLocalTextLength);
    Bind("[LIBELLE_5]", m_LIBELLE_5, kLocalTextLength);
    Bind("[LIB_CIQUAL]", m_LIB_CIQUAL, kLocalTextLength);
    Bind("[UNITE]", m_UNITE, kLocalTextLength);
    Bind("[TYPEMSK]", m_TYPEMSK);
    Bind("[NBDIGIT]", m_NBDIGIT);
    Bind("[NUMORDRE]", m_NUMORDRE);
    Bind("[PARAM1]", m_PARAM1);
    Bind("[OWNER]", m_OWNER);
    SetKeyColumns({&m_ID});
}

std::string CNutriLibellesSet::GetDefaultSQL() const {
    return "[NutriLibelles]";
}

} // namespace ovl
