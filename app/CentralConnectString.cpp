#include "app/CentralConnectString.h"

#include <cstdlib>

namespace ovl {

namespace {

struct Endpoint {
    const char* server;
    const char* port;
    const char* account;
    const char* password;
    const char* database;
};

// Set by the build (CMake cache variables); no password is kept in the sources.
constexpr Endpoint kEndpoints[] = {
    {OVL_CENTRAL0_SERVER, OVL_CENTRAL0_PORT, OVL_CENTRAL0_UID, OVL_CENTRAL0_PWD, "ovlcentral"},
    {OVL_CENTRAL1_SERVER, OVL_CENTRAL1_PORT, OVL_CENTRAL1_UID, OVL_CENTRAL1_PWD,
     OVL_CENTRAL1_DATABASE},
    {OVL_CENTRAL2_SERVER, OVL_CENTRAL2_PORT, OVL_CENTRAL2_UID, OVL_CENTRAL2_PWD, "ovlcentral"},
};

} // namespace

std::string CentralConnectString(int testDatabase) {
    if (const char* override = std::getenv("OVLNUTRI_CENTRAL"); override && *override)
        return override;
    if (testDatabase < 0 || testDatabase > 2)
        return {};
    const Endpoint& e = kEndpoints[testDatabase];
    return std::string("DRIVER={MySQL ODBC 8.0 ANSI Driver};SERVER={") + e.server +
           "};UID=" + e.account + ";PWD=" + e.password + ";DATABASE=" + e.database +
           ";PORT=" + e.port + ";DYNAMIC_CURSOR=1;AUTO_RECONNECT=1";
}

} // namespace ovl
