#pragma once

#include "local/CategIngSetBase.h"

namespace ovl {

// The classes of the class tree an ingredient belongs to (table CategIngre).
class CCategIngreSet : public CCategIngSetBase {
public:
    explicit CCategIngreSet(db::Connection* connection);

protected:
    std::string GetDefaultSQL() const override;
};

} // namespace ovl
