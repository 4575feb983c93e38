#pragma once

#include "platform/Connection.h"

#include <filesystem>
#include <memory>
#include <string>

namespace ovl::test {

// The database engines every data test runs against.
enum class Backend { Sqlite, MariaDb };

std::string BackendName(Backend backend);

// A fresh, empty database for one test: an SQLite file in a temp folder, or a new database on
// the throwaway MariaDB server that the test run started. Removed at the end.
class TestDatabase {
public:
    explicit TestDatabase(Backend backend);
    // A database of a fixed name, made afresh: for SQLite the file `name`.db in the system's
    // temp folder, for MariaDB the database `name`. For data-source files, whose entries the
    // ODBC driver manager caches for 20 seconds by name, so they must not change in a process.
    TestDatabase(Backend backend, const std::string& name);
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    // Empty when the database is usable; otherwise why the test must be skipped.
    const std::string& SkipReason() const { return m_strSkipReason; }
    Backend GetBackend() const { return m_backend; }
    const std::string& ConnectString() const { return m_strConnect; }

    // A new connection to this database.
    std::unique_ptr<db::Connection> Connect() const;
    // Runs a script of statements, each ending with ';' at the end of a line.
    void RunScript(const std::filesystem::path& script) const;
    void RunStatements(const std::string& statements) const;

private:
    void CreateOnServer(const std::string& name);

    Backend m_backend;
    std::string m_strConnect;
    std::string m_strSkipReason;
    std::filesystem::path m_folder; // removed at the end
    std::filesystem::path m_file;   // a fixed SQLite file, removed at the end
    std::string m_strDatabaseName;
    std::string m_strServerConnect;
};

// The port of the MariaDB test server, or 0 with the reason it is not there. Under CI a
// missing server is a failure, which the caller reports.
int MariaDbTestPort(std::string& reason);

// Every row of a query, each value followed by '|', one row a line; NULL for a null value.
std::string QueryRows(db::Connection& connection, const std::string& sql);

// Makes the build tree's ODBC configuration the one in use when the test runs outside ctest.
void UseBuildOdbcConfig();

} // namespace ovl::test
