#include "local/CategIngreSet.h"

namespace ovl {

CCategIngreSet::CCategIngreSet(db::Connection* connection) : CCategIngSetBase(connection) {}

std::string CCategIngreSet::GetDefaultSQL() const {
    return "[CategIngre]";
}

} // namespace ovl
