#pragma once

#include "local/CategIngSetBase.h"

namespace ovl {

// The allergen and trace classes of an ingredient (table CategIngAllerg).
class CCategIngAllergSet : public CCategIngSetBase {
public:
    explicit CCategIngAllergSet(db::Connection* connection);

protected:
    std::string GetDefaultSQL() const override;
};

} // namespace ovl
