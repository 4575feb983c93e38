#pragma once

#include "platform/DbException.h"

#include <sql.h>

#include <string>

namespace ovl::db {

// The process's ODBC environment, made on first use.
SQLHENV OdbcEnvironment();

// Builds the exception from the diagnostic records of a handle.
DbException OdbcException(SQLSMALLINT handleType, SQLHANDLE handle, const std::string& context);

// Throws OdbcException unless the return code is a success.
void CheckOdbc(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, const std::string& context);

} // namespace ovl::db
