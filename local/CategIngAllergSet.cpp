#include "local/CategIngAllergSet.h"

namespace ovl {

CCategIngAllergSet::CCategIngAllergSet(db::Connection* connection) : CCategIngSetBase(connection) {}

std::string CCategIngAllergSet::GetDefaultSQL() const {
    return "[CategIngAllerg]";
}

} // namespace ovl
