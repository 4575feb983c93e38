#include "tests/support/CliFixture.h"

#include "platform/Statement.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>

namespace ovl::test {

std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

std::string ShellWord(const std::string& text) {
    std::string word = "'";
    for (char c : text)
        word += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return word + "'";
}

void ExecuteScript(db::Connection& connection, const std::string& script) {
    std::istringstream in(script);
    std::string line;
    std::string statement;
    while (std::getline(in, line)) {
        if (statement.empty() && (line.empty() || line.rfind("--", 0) == 0))
            continue;
        statement += line;
        statement += '\n';
        const size_t end = line.find_last_not_of(" \t\r");
        if (end != std::string::npos && line[end] == ';') {
            statement.erase(statement.find_last_of(';'));
            connection.ExecuteDirect(statement);
            statement.clear();
        }
    }
}

const std::string& DemoDataSql(Backend backend, const std::string& target) {
    static std::map<std::string, std::string> made;
    const std::string dialect = backend == Backend::MariaDb ? "mariadb" : "sqlite";
    std::string& sql = made[dialect + target];
    if (!sql.empty())
        return sql;
    const std::string command =
        std::string(OVL_DEMODATA_PATH) + " --dialect " + dialect + " --target " + target;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        throw std::runtime_error("cannot run " + command);
    char buffer[65536];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        sql.append(buffer, n);
    if (pclose(pipe) != 0 || sql.empty())
        throw std::runtime_error("the demo generator failed: " + command);
    return sql;
}

// Replaces the start-up fixture's few rows by the demo generator's databases.
void LoadDemoData(StartupDatabases& databases, Backend backend) {
    auto central = databases.Central().Connect();
    central->ExecuteDirect("DELETE FROM OVLSTATUS");
    ExecuteScript(*central, DemoDataSql(backend, "central"));
    auto local = databases.Local().Connect();
    for (const char* table : {"Utilisateurs", "Langue_System", "Variables", "Categories"})
        local->ExecuteDirect(std::string("DELETE FROM ") + table);
    ExecuteScript(*local, DemoDataSql(backend, "local"));
}

void CliTest::SetUp() {
    m_pDatabases = std::make_unique<StartupDatabases>(GetParam());
    if (!m_pDatabases->SkipReason().empty())
        GTEST_SKIP() << m_pDatabases->SkipReason();
    m_strCentralConnect = m_pDatabases->CentralConnect();
    const auto config = Folder() / "config";
    std::filesystem::create_directories(config / "Varnel" / "Ovalane");
    std::filesystem::copy_file(m_pDatabases->RegistryPath(),
                               config / "Varnel" / "Ovalane" / "registry.reg");
    m_settingsPath = config / "Brodaine" / "Ovl VNS database Importer" / "ovlnutriimport.ini";
    std::filesystem::create_directories(m_settingsPath.parent_path());
}

void CliTest::WriteSettings(const std::string& lines) {
    std::ofstream(m_settingsPath) << lines;
}

std::string CliTest::Environment() const {
    return "OVLNUTRI_CENTRAL=" + ShellWord(m_strCentralConnect) +
           " XDG_CONFIG_HOME=" + ShellWord((Folder() / "config").string()) +
           " XDG_RUNTIME_DIR=" + ShellWord(Folder().string());
}

RunResult CliTest::Run(const std::string& args) {
    const auto folder = Folder();
    const std::string command = "env " + Environment() + " " + OVL_CLI_PATH + " " + args + " >" +
                                ShellWord((folder / "out").string()) + " 2>" +
                                ShellWord((folder / "err").string());
    RunResult result;
    const int status = std::system(command.c_str());
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = Slurp(folder / "out");
    result.err = Slurp(folder / "err");
    return result;
}

} // namespace ovl::test
