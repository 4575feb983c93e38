#pragma once

#include <string>

namespace ovl {

// "Database Type" 0: the local database is on SQL Server; any other value: an Access file.
constexpr int kDatabaseTypeSqlServer = 0;

// Default connect string of the local connection: the Access data source `strLocalDsn`
// ("OVL" or "OVLLAN"), or, for database type 0, the SQL Server data source `strSrvDsn`.
std::string LocalConnectString(int nDatabaseType, const std::string& strLocalDsn,
                               const std::string& strSrvDsn);

} // namespace ovl
