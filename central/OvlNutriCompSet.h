#pragma once

#include "local/ValueFlags.h"
#include "platform/Recordset.h"

namespace ovl {

// Nutrient contents of the products, one row per product (ID) and central nutrient (NUTID).
// OPTION_MSK holds the value flags of ValueFlags.h.
class COvlNutriCompSet : public db::Recordset {
public:
    explicit COvlNutriCompSet(db::Connection* db);

    db::LongField m_ID;
    db::LongField m_NUTID;
    db::DoubleField m_TENEUR;
    db::LongField m_OPTION_MSK;

protected:
    std::string GetDefaultSQL() const override { return "[OVLNUTRICOMP]"; }
    db::OpenType GetDefaultType() const override { return db::OpenType::ForwardOnly; }
};

} // namespace ovl
