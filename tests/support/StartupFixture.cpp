#include "tests/support/StartupFixture.h"

#include "local/LocalConnectString.h"
#include "platform/Connection.h"

#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace ovl::test {

namespace {

std::string ScriptPath(const std::string& name, Backend backend) {
    return std::string(OVL_SOURCE_DIR) + "/db/" + name +
           (backend == Backend::MariaDb ? ".mariadb.sql" : ".sqlite.sql");
}

// A value of a connect string, such as the password of the local server account.
std::string ConnectValue(const std::string& connect, const std::string& key) {
    const size_t start = connect.find(key + "=");
    if (start == std::string::npos)
        return {};
    const size_t from = start + key.size() + 1;
    return connect.substr(from, connect.find(';', from) - from);
}

// The local database and the data-source file keep one name for the whole test process.
std::string ProcessLocalName() {
    return "ovlstartup_" + std::to_string(getpid());
}

} // namespace

StartupDatabases::StartupDatabases(Backend backend)
    : m_backend(backend), m_central(backend), m_local(backend, ProcessLocalName()) {
    if (!SkipReason().empty())
        return;
    FillCentral();
    FillLocal();
    WriteDataSources();
    WriteRegistry(backend == Backend::MariaDb
                      ? "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Varnel\\Ovalane\\ovl\\Config]\n"
                        "\"Database Type\"=dword:00000000\n"
                      : "");
}

StartupDatabases::~StartupDatabases() {
    std::error_code ignored;
    std::filesystem::remove(OdbcIniPath(), ignored);
    if (m_strPreviousOdbcIni.empty())
        unsetenv("ODBCINI");
    else
        setenv("ODBCINI", m_strPreviousOdbcIni.c_str(), 1);
}

void StartupDatabases::FillCentral() {
    m_central.RunScript(ScriptPath("central", m_backend));
    m_central.RunStatements(
        "INSERT INTO OVLSTATUS (VARID, VARNAME, VARINTVALUE, VARSTRVALUE) VALUES"
        " (0, 'open0', 2, NULL), (1, 'open1', 2, NULL), (4, 'open4', 2, NULL),"
        " (5, 'schema', NULL, '1.0.0.0'), (6, 'data', NULL, '1.2.0.0'),"
        " (13, 'server', NULL, 'central-test'), (15, 'release', 12, NULL);\n");
}

void StartupDatabases::FillLocal() {
    m_local.RunScript(ScriptPath("local", m_backend));
    m_local.RunStatements(
        "INSERT INTO Utilisateurs (USER_ID, LANGUE) VALUES (0, 0);\n"
        "INSERT INTO Langue_System (Item_Id, Langue_1) VALUES (263, '2.6.0.600');\n"
        "INSERT INTO Variables (NAME, VALNUM) VALUES ('NUTRIDATARELEASE', 12);\n"
        "INSERT INTO Categories (CLASS_ID, TYPE, MASQUE, PERE_ID, NAME_1, OWNER, ASCHILD,"
        " EXPORTABLE) VALUES (4001, 8, 0, 0, 'Statuts', -1, 0, 1);\n");
}

void StartupDatabases::WriteDataSources() {
    if (const char* previous = std::getenv("ODBCINI"))
        m_strPreviousOdbcIni = previous;
    std::ofstream ini(OdbcIniPath());
    if (m_backend == Backend::Sqlite) {
        const std::string database = ConnectValue(m_local.ConnectString(), "Database");
        for (const char* dsn : {"OVL", "OVLLAN"})
            ini << '[' << dsn << "]\nDriver=SQLite3\nDatabase=" << database << "\n\n";
    } else {
        // The local connect string logs in with its fixed server account: give it one.
        const std::string account = ConnectValue(LocalConnectString(0, "OVL", "OVLSRV"), "UID");
        const std::string password = ConnectValue(LocalConnectString(0, "OVL", "OVLSRV"), "PWD");
        const std::string database = ConnectValue(m_local.ConnectString(), "DATABASE");
        db::Connection admin;
        admin.Open(m_local.ConnectString());
        admin.ExecuteDirect("CREATE USER IF NOT EXISTS '" + account +
                            "'@'127.0.0.1' IDENTIFIED BY " + admin.QuoteText(password));
        admin.ExecuteDirect("GRANT ALL ON " + database + ".* TO '" + account + "'@'127.0.0.1'");
        for (const char* dsn : {"OVLSRV", "OVLSRVSITE2", "OVLSRVSite2"})
            ini << '[' << dsn << "]\nDriver=MySQL ODBC 8.0 ANSI Driver\nSERVER=127.0.0.1\nPORT="
                << ConnectValue(m_local.ConnectString(), "PORT") << "\nDATABASE=" << database
                << "\n\n";
    }
    ini.close();
    setenv("ODBCINI", OdbcIniPath().c_str(), 1);
}

std::filesystem::path StartupDatabases::OdbcIniPath() const {
    return std::filesystem::temp_directory_path() / (ProcessLocalName() + ".ini");
}

void StartupDatabases::WriteRegistry(const std::string& lines) {
    std::ofstream reg(RegistryPath());
    reg << "REGEDIT4\n\n" << lines;
}

} // namespace ovl::test
