#include "local/LocalConnectString.h"

#include <string_view>

namespace ovl {

namespace {

constexpr std::string_view kAccessPassword = OVL_LOCAL_ACCESS_PWD;
constexpr std::string_view kServerPassword = OVL_LOCAL_SERVER_PWD;
static_assert(kAccessPassword.size() == 5, "the Access password has 5 characters");
static_assert(kServerPassword.size() == 10, "the SQL Server password has 10 characters");

} // namespace

std::string LocalConnectString(int nDatabaseType, const std::string& strLocalDsn,
                               const std::string& strSrvDsn) {
    if (nDatabaseType == kDatabaseTypeSqlServer)
        return "ODBC;DSN=" + strSrvDsn + ";UID=ovluser;PWD=" + std::string(kServerPassword) +
               ";MARS_Connection=yes;APP=OVL";
    return "DSN=" + strLocalDsn +
           ";DriverId=25;FIL=MS Access;MaxBufferSize=4096;PageTimeout=5;PWD=" +
           std::string(kAccessPassword) + ";UID=admin;";
}

} // namespace ovl
