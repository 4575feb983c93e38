#pragma once

#include "tests/support/TempDir.h"
#include "tests/support/TestDatabase.h"

#include <filesystem>
#include <memory>
#include <string>

namespace ovl::test {

// Everything a start-up needs, made fresh for one test: a central database with its status
// rows, a local Ovalane database behind the data-source names the start-up chooses from, an
// ODBC data-source file naming them, and a registry file. On SQLite the local database is the
// file behind "OVL"/"OVLLAN"; on MariaDB it is the server database behind "OVLSRV...", reached
// with the local server account of the connect string (registry "Database Type" 0).
class StartupDatabases {
public:
    explicit StartupDatabases(Backend backend);
    ~StartupDatabases();

    const std::string& SkipReason() const { return m_central.SkipReason(); }
    TestDatabase& Central() { return m_central; }
    TestDatabase& Local() { return m_local; }
    // The central connect string, for OVLNUTRI_CENTRAL.
    const std::string& CentralConnect() const { return m_central.ConnectString(); }

    // Writes the registry file: REGEDIT4 lines after the header.
    void WriteRegistry(const std::string& lines);
    std::filesystem::path RegistryPath() const { return m_folder / "registry.reg"; }
    // One file per test process: the driver manager caches its entries by name.
    std::filesystem::path OdbcIniPath() const;
    const TempDir& Folder() const { return m_folder; }

private:
    void FillCentral();
    void FillLocal();
    void WriteDataSources();

    Backend m_backend;
    TempDir m_folder;
    TestDatabase m_central;
    TestDatabase m_local;
    std::string m_strPreviousOdbcIni;
};

} // namespace ovl::test
