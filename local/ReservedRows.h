#pragma once

#include "platform/Connection.h"

namespace ovl {

// Creates the rows of the local database that the import relies on when they are missing:
// nutrient label 18 and class 4007; adding class 4007 marks its parent 4001 as having
// children. Rows that exist are left as they are. Database errors propagate.
void EnsureReservedRows(db::Connection& local);

} // namespace ovl
