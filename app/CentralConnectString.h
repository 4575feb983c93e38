#pragma once

#include <string>

namespace ovl {

// The connect string of the central database for the endpoint selector ("Test Database").
// Endpoints 0, 1 and 2 are fixed at build time; any other selector gives an empty string,
// which fails to open. A non-empty OVLNUTRI_CENTRAL environment variable replaces the whole
// string, so the demo and the tests can point the program at their own databases.
std::string CentralConnectString(int testDatabase);

} // namespace ovl
