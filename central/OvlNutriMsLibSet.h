#pragma once

#include "platform/Recordset.h"

namespace ovl {

// Labels of the pre-packaged mentions in all five languages. TYPE: 0 legal sales denomination,
// 1 characterising ingredient, 6 additive category, 7 and 8 specific mentions.
// Stored texts are read in their escaped form.
class COvlNutriMsLibSet : public db::Recordset {
public:
    explicit COvlNutriMsLibSet(db::Connection* db);

    db::LongField m_ID;
    db::ByteField m_TYPE;
    db::TextField m_LIBELLE_FR;
    db::TextField m_LIBELLE_EN;
    db::TextField m_LIBELLE_DE;
    db::TextField m_LIBELLE_SP;
    db::TextField m_LIBELLE_IT;

protected:
    std::string GetDefaultSQL() const override { return "[OVLNUTRIMSLIB]"; }
    db::OpenType GetDefaultType() const override { return db::OpenType::ForwardOnly; }
};

} // namespace ovl
