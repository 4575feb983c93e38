#pragma once

#include "platform/Recordset.h"

namespace ovl {

// The suppliers: name, availability (OPENBAR) and the date of their last update.
// Stored texts are read in their escaped form.
class COvlNutriProvSet : public db::Recordset {
public:
    explicit COvlNutriProvSet(db::Connection* db);

    db::LongField m_ID;
    db::TextField m_PROV;
    db::ByteField m_OPENBAR;
    db::DateField m_DATEMAJ;

protected:
    std::string GetDefaultSQL() const override { return "[OVLNUTRIPROV]"; }
    db::OpenType GetDefaultType() const override { return db::OpenType::ForwardOnly; }
};

} // namespace ovl
