#pragma once

#include "platform/Recordset.h"

namespace ovl {

// The nutrients: central ID, the local nutrient ID they stand for (IDOVL), labels in all five
// languages, unit, category (4: summed with the PARAM1 weights) and weight.
// Stored texts are read in their escaped form.
class COvlNutriLibSet : public db::Recordset {
public:
    explicit COvlNutriLibSet(db::Connection* db);

    db::LongField m_ID;
    db::LongField m_IDOVL;
    db::TextField m_LIBELLE_FR;
    db::TextField m_LIBELLE_EN;
    db::TextField m_LIBELLE_DE;
    db::TextField m_LIBELLE_SP;
    db::TextField m_LIBELLE_IT;
    db::TextField m_UNITE;
    db::ByteField m_CATEG;
    db::DoubleField m_PARAM1;

protected:
    std::string GetDefaultSQL() const override { return "[OVLNUTRILIB]"; }
    db::OpenType GetDefaultType() const override { return db::OpenType::ForwardOnly; }
};

} // namespace ovl
