#include "local/IngredientsSet.h"

#include "local/LocalColumns.h"

namespace ovl {

CIngredientsSet::CIngredientsSet(db::Connection* connection, bool bNamesOnly)
    : db::Recordset(connection) {
    BindNames();
    if (!bNamesOnly)
        BindLabelling();
    SetKeyColumns({&m_INGRED_ID});
}

std::string CIngredientsSet::GetDefaultSQL() const {
    return "[Ingredients]";
}

void CIngredientsSet::BindNames() {
    Bind("[INGRED_ID]", m_INGRED_ID);
    Bind("[CODE_AN]", m_CODE_AN, kLocalTextLength);
    Bind("[NAME_1]", m_NAME_1, kLocalTextLength);
    Bind("[NAME_2]", m_NAME_2, kLocalTextLength);
    Bind("[NAME_3]", m_NAME_3, kLocalTextLength);
    Bind("[NAME_4]", m_NAME_4, kLocalTextLength);
    Bind("[NAME_5]", m_NAME_5, kLocalTextLength);
}

// The pre-packaged label fields: legal name, composition, ingredient lists and additives.
void CIngredientsSet::BindLabelling() {
    Bind("[PREEM_DENVENT]", m_PREEM_DENVENT);
    Bind("[PREEM_COMPOS]", m_PREEM_COMPOS);
    Bind("[PREEM_COMPCT]", m_PREEM_COMPCT);
    Bind("[PREEM_FICHTECH_1]", m_PREEM_FICHTECH_1, kLocalLongTextLength);
    Bind("[PREEM_FICHTECH_2]", m_PREEM_FICHTECH_2, kLocalLongTextLength);
    Bind("[PREEM_FICHTECH_3]", m_PREEM_FICHTECH_3, kLocalLongTextLength);
    Bind("[PREEM_FICHTECH_4]", m_PREEM_FICHTECH_4, kLocalLongTextLength);
    Bind("[PREEM_FICHTECH_5]", m_PREEM_FICHTECH_5, kLocalLongTextLength);
    Bind("[PREEM_CATADDITIF]", m_PREEM_CATADDITIF);
    Bind("[PREEM_CODEADDITIF]", m_PREEM_CODEADDITIF, kLocalTextLength);
}

} // namespace ovl
