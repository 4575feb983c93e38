# Generates the ODBC driver and data-source files into the build tree. The programs and
# tests select them with ODBCSYSINI and ODBCINI; the system's /etc files are never edited.

find_file(OVL_MARIADB_ODBC_DRIVER libmaodbc.so
    PATHS /usr/lib/x86_64-linux-gnu/odbc /usr/lib/aarch64-linux-gnu/odbc /usr/lib/odbc /usr/lib64
    NO_DEFAULT_PATH)
find_file(OVL_SQLITE_ODBC_DRIVER libsqlite3odbc.so
    PATHS /usr/lib/x86_64-linux-gnu/odbc /usr/lib/aarch64-linux-gnu/odbc /usr/lib/odbc /usr/lib64
    NO_DEFAULT_PATH)
if(NOT OVL_MARIADB_ODBC_DRIVER OR NOT OVL_SQLITE_ODBC_DRIVER)
    message(FATAL_ERROR "ODBC drivers missing: run scripts/install-deps.sh")
endif()

set(OVL_ODBC_DIR "${CMAKE_BINARY_DIR}/odbc")
set(OVL_DEMO_DIR "${CMAKE_BINARY_DIR}/demo")

# Drivers stay loaded until the process ends (DontDLClose), so that the leak checker can still
# name the driver that holds its process-long allocations.
# The MariaDB connector is registered under the driver name of the central connect string.
file(WRITE "${OVL_ODBC_DIR}/odbcinst.ini"
"[ODBC]
Trace=No

[MySQL ODBC 8.0 ANSI Driver]
Description=MariaDB Connector/ODBC
Driver=${OVL_MARIADB_ODBC_DRIVER}
Threading=0
DontDLClose=1

[SQLite3]
Description=SQLite3 ODBC Driver
Driver=${OVL_SQLITE_ODBC_DRIVER}
Threading=2
DontDLClose=1
")

# The local Ovalane database of the demo: an SQLite file behind the data-source names
# that start-up chooses between.
file(WRITE "${OVL_ODBC_DIR}/odbc.ini"
"[OVL]
Driver=SQLite3
Database=${OVL_DEMO_DIR}/local.db
Timeout=5000

[OVLLAN]
Driver=SQLite3
Database=${OVL_DEMO_DIR}/local.db
Timeout=5000
")

# Environment for every program and test that talks to a database.
set(OVL_ODBC_ENV "ODBCSYSINI=${OVL_ODBC_DIR}" "ODBCINI=${OVL_ODBC_DIR}/odbc.ini")
