#pragma once

#include "platform/Recordset.h"

namespace ovl {

// The suppliers an installation selected: one row per installation account (IDSERNUM) and
// supplier (IDPROV).
class COvlNutriUsrProvSet : public db::Recordset {
public:
    explicit COvlNutriUsrProvSet(db::Connection* db);

    db::LongField m_IDSERNUM;
    db::LongField m_IDPROV;

protected:
    std::string GetDefaultSQL() const override { return "[OVLNUTRIUSRPROV]"; }
    db::OpenType GetDefaultType() const override { return db::OpenType::ForwardOnly; }
};

} // namespace ovl
