#pragma once

#include "platform/Recordset.h"

namespace ovl {

// The nutrient labels (table NutriLibelles); label 18 is the reserved "last update" label.
class CNutriLibellesSet : public db::Recordset {
public:
    explicit CNutriLibellesSet(db::Connection* connection);

    db::LongField m_ID;
    db::TextField m_LIBELLE_1;
    db::TextField m_LIBELLE_2;
    db::TextField m_LIBELLE_3;
    db::TextField m_LIBELLE_4;
    db::TextField m_LIBELLE_5;
    db::TextField m_LIB_CIQUAL;
    db::TextField m_UNITE;
    db::LongField m_TYPEMSK;
    db::LongField m_NBDIGIT;
    db::LongField m_NUMORDRE;
    db::DoubleField m_PARAM1;
    db::LongField m_OWNER;

protected:
    std::string GetDefaultSQL() const override;
};

} // namespace ovl
