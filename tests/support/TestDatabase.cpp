#include "tests/support/TestDatabase.h"

#include "platform/DbException.h"
#include "platform/Statement.h"

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace ovl::test {

namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

std::string MariaDbServerConnect(int port) {
    return "DRIVER={MySQL ODBC 8.0 ANSI Driver};SERVER=127.0.0.1;PORT=" + std::to_string(port) +
           ";UID=ovltest;PWD=ovltest;";
}

std::string UniqueDatabaseName() {
    static std::atomic<int> counter{0};
    return "ovltest_" + std::to_string(getpid()) + "_" + std::to_string(++counter);
}

} // namespace

std::string BackendName(Backend backend) {
    return backend == Backend::Sqlite ? "SQLite" : "MariaDB";
}

std::string QueryRows(db::Connection& connection, const std::string& sql) {
    db::Statement statement(connection);
    statement.ExecDirect(connection.TranslateBrackets(sql));
    std::string rows;
    const int columns = statement.ColumnCount();
    while (statement.Fetch()) {
        for (int i = 1; i <= columns; ++i) {
            std::string value;
            rows += statement.GetText(i, value) ? value : "NULL";
            rows += '|';
        }
        rows += '\n';
    }
    return rows;
}

void UseBuildOdbcConfig() {
    setenv("ODBCSYSINI", OVL_ODBC_DIR, 0);
    setenv("ODBCINI", OVL_ODBC_DIR "/odbc.ini", 0);
}

int MariaDbTestPort(std::string& reason) {
    const std::filesystem::path dir = OVL_TESTDB_DIR;
    if (std::filesystem::exists(dir / "port"))
        return std::atoi(ReadFile(dir / "port").c_str());
    if (std::filesystem::exists(dir / "skip"))
        reason = ReadFile(dir / "skip");
    else
        reason = "the MariaDB test server is not running (run the tests through ctest)";
    return 0;
}

TestDatabase::TestDatabase(Backend backend) : m_backend(backend) {
    UseBuildOdbcConfig();
    if (backend == Backend::Sqlite) {
        std::string pattern = (std::filesystem::temp_directory_path() / "ovldb-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary folder");
        m_folder = pattern;
        m_strConnect = "DRIVER={SQLite3};Database=" + (m_folder / "test.db").string() + ";";
        return;
    }
    CreateOnServer(UniqueDatabaseName());
}

TestDatabase::TestDatabase(Backend backend, const std::string& name) : m_backend(backend) {
    UseBuildOdbcConfig();
    if (backend == Backend::Sqlite) {
        m_file = std::filesystem::temp_directory_path() / (name + ".db");
        std::filesystem::remove(m_file);
        m_strConnect = "DRIVER={SQLite3};Database=" + m_file.string() + ";";
        return;
    }
    CreateOnServer(name);
}

void TestDatabase::CreateOnServer(const std::string& name) {
    const int port = MariaDbTestPort(m_strSkipReason);
    if (port == 0) {
        const char* ci = std::getenv("CI");
        if (ci && std::string(ci) == "true")
            throw std::runtime_error("MariaDB test server missing under CI: " + m_strSkipReason);
        return;
    }
    m_strDatabaseName = name;
    m_strServerConnect = MariaDbServerConnect(port);
    db::Connection server;
    server.Open(m_strServerConnect);
    server.ExecuteDirect("DROP DATABASE IF EXISTS " + m_strDatabaseName);
    server.ExecuteDirect("CREATE DATABASE " + m_strDatabaseName + " CHARACTER SET latin1");
    m_strConnect = m_strServerConnect + "DATABASE=" + m_strDatabaseName + ";";
}

TestDatabase::~TestDatabase() {
    try {
        if (!m_strDatabaseName.empty()) {
            db::Connection server;
            server.Open(m_strServerConnect);
            server.ExecuteDirect("DROP DATABASE IF EXISTS " + m_strDatabaseName);
        }
        if (!m_folder.empty())
            std::filesystem::remove_all(m_folder);
        if (!m_file.empty())
            std::filesystem::remove(m_file);
    } catch (...) {
        // Cleanup failures must not hide the test's own result.
    }
}

std::unique_ptr<db::Connection> TestDatabase::Connect() const {
    auto connection = std::make_unique<db::Connection>();
    connection->Open(m_strConnect);
    return connection;
}

void TestDatabase::RunScript(const std::filesystem::path& script) const {
    if (!std::filesystem::exists(script))
        throw std::runtime_error("missing script " + script.string());
    RunStatements(ReadFile(script));
}

void TestDatabase::RunStatements(const std::string& statements) const {
    auto connection = Connect();
    std::istringstream in(statements);
    std::string line;
    std::string statement;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (statement.empty() && (line.empty() || line.rfind("--", 0) == 0))
            continue;
        statement += line;
        statement += '\n';
        const size_t end = line.find_last_not_of(" \t");
        if (end != std::string::npos && line[end] == ';') {
            statement.erase(statement.find_last_of(';'));
            db::Statement st(*connection);
            st.ExecDirect(statement);
            statement.clear();
        }
    }
}

} // namespace ovl::test
