#pragma once

#include "platform/Recordset.h"

namespace ovl {

// The ingredients of the local database (table Ingredients). Built with `bNamesOnly`, it
// binds only the identifier, the code and the five names; the other members stay 0 or empty.
class CIngredientsSet : public db::Recordset {
public:
    CIngredientsSet(db::Connection* connection, bool bNamesOnly);

    db::LongField m_INGRED_ID;
    db::TextField m_CODE_AN;
    db::TextField m_NAME_1;
    db::TextField m_NAME_2;
    db::TextField m_NAME_3;
    db::TextField m_NAME_4;
    db::TextField m_NAME_5;
    db::LongField m_PREEM_DENVENT;
    db::LongField m_PREEM_COMPOS;
    db::SingleField m_PREEM_COMPCT;
    db::TextField m_PREEM_FICHTECH_1;
    db::TextField m_PREEM_FICHTECH_2;
    db::TextField m_PREEM_FICHTECH_3;
    db::TextField m_PREEM_FICHTECH_4;
    db::TextField m_PREEM_FICHTECH_5;
    db::LongField m_PREEM_CATADDITIF;
    db::TextField m_PREEM_CODEADDITIF;

protected:
    std::string GetDefaultSQL() const override;

private:
    void BindNames();
    void BindLabelling();
};

} // namespace ovl
