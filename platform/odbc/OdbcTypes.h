#pragma once

#include "platform/Field.h"
#include "platform/NativeHandle.h"
#include "platform/Statement.h"

#include <sql.h>

#include <type_traits>

namespace ovl::db {

// The opaque handles of the public headers are the driver's own handle type.
static_assert(std::is_same_v<NativeHandle, SQLHANDLE>);

// The C type a value of the field type is read and bound as.
SQLSMALLINT CTypeOf(FieldType type);
// The SQL type a parameter of the field type is sent as.
SQLSMALLINT SqlTypeOf(FieldType type);
// What a result column of the SQL type the driver reports holds.
ColumnType ColumnTypeOf(SQLSMALLINT sqlType);

} // namespace ovl::db
