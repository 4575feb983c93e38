#pragma once

#include "platform/Recordset.h"

namespace ovl {

// The data sources and their citations. The SOURCE column is not bound; readers keep to the
// rows where it is NULL through their filter.
// Stored texts are read in their escaped form.
class COvlNutriSrcSet : public db::Recordset {
public:
    explicit COvlNutriSrcSet(db::Connection* db);

    db::LongField m_ID;
    db::TextField m_CITATION;

protected:
    std::string GetDefaultSQL() const override { return "[OVLNUTRISRC]"; }
    db::OpenType GetDefaultType() const override { return db::OpenType::ForwardOnly; }
};

} // namespace ovl
