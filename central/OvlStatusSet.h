#pragma once

#include "platform/Recordset.h"

namespace ovl {

// The central database's status entries: access flags, schema and data versions, server
// name and data release, each under its VARID.
class COvlStatusSet : public db::Recordset {
public:
    explicit COvlStatusSet(db::Connection* db);

    db::LongField m_VARID;
    db::TextField m_VARNAME;
    db::LongField m_VARINTVALUE;
    db::TextField m_VARSTRVALUE;

protected:
    std::string GetDefaultSQL() const override { return "[OVLSTATUS]"; }
    db::OpenType GetDefaultType() const override { return db::OpenType::Dynamic; }
};

} // namespace ovl
