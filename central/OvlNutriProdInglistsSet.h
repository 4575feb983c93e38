#pragma once

#include "platform/Recordset.h"

namespace ovl {

// A product's ingredient list in each of the five languages.
// Stored texts are read in their escaped form.
class COvlNutriProdInglistsSet : public db::Recordset {
public:
    explicit COvlNutriProdInglistsSet(db::Connection* db);

    db::LongField m_ID;
    db::TextField m_ILFR;
    db::TextField m_ILEN;
    db::TextField m_ILDE;
    db::TextField m_ILSP;
    db::TextField m_ILIT;

protected:
    std::string GetDefaultSQL() const override { return "[OVLNUTRIPROD_INGLISTS]"; }
    db::OpenType GetDefaultType() const override { return db::OpenType::ForwardOnly; }
};

} // namespace ovl
