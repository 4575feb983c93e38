#pragma once

#include "platform/Recordset.h"

namespace ovl {

// A product with its supplier's name, its code and its name in each of the five languages.
// Stored texts are read in their escaped form.
class COvlNutriProdNamesSet : public db::Recordset {
public:
    explicit COvlNutriProdNamesSet(db::Connection* db);

    db::LongField m_ID{-1};
    db::TextField m_PROV;
    db::TextField m_REFFAB;
    db::TextField m_FR;
    db::TextField m_EN;
    db::TextField m_DE;
    db::TextField m_SP;
    db::TextField m_IT;

protected:
    std::string GetDefaultSQL() const override { return "[OVLNUTRIPROD_NAMES]"; }
    db::OpenType GetDefaultType() const override { return db::OpenType::ForwardOnly; }
};

} // namespace ovl
