#pragma once

#include "platform/Recordset.h"

namespace ovl {

// The specific mentions of a product: one row per product (IDPROD) and OVLNUTRIMSLIB row (IDMS).
class COvlNutriMSProdSet : public db::Recordset {
public:
    explicit COvlNutriMSProdSet(db::Connection* db);

    db::LongField m_IDPROD;
    db::LongField m_IDMS;

protected:
    std::string GetDefaultSQL() const override { return "[OVLNUTRIMSPROD]"; }
    db::OpenType GetDefaultType() const override { return db::OpenType::ForwardOnly; }
};

} // namespace ovl
