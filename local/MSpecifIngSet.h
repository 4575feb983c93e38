#pragma once

#include "platform/Recordset.h"

namespace ovl {

// The specific mentions of an ingredient (table MSpecifIng): ID is the ingredient, IDMSPECIF
// the label of the mention, -1 when it has no local label.
class CMSpecifIngSet : public db::Recordset {
public:
    explicit CMSpecifIngSet(db::Connection* connection);

    db::LongField m_ID;
    db::LongField m_IDMSPECIF;

protected:
    std::string GetDefaultSQL() const override;
};

} // namespace ovl
