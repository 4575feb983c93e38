#pragma once

#include "platform/Recordset.h"

namespace ovl {

// Error reports on products: product, installation account, when and what.
class COvlNutriSigErrSet : public db::Recordset {
public:
    explicit COvlNutriSigErrSet(db::Connection* db);

    db::LongField m_PRODID{-1};
    db::LongField m_USERID{-1};
    db::DateField m_DATESIG;
    db::TextField m_ERREUR;

protected:
    std::string GetDefaultSQL() const override { return "[OVLNUTRISIGERR]"; }
    db::OpenType GetDefaultType() const override { return db::OpenType::ForwardOnly; }
};

} // namespace ovl
