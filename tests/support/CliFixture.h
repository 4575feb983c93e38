#pragma once

#include "platform/Connection.h"
#include "tests/support/StartupFixture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace ovl::test {

// What one run of the program left: its exit code and both output streams, as written.
struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string Slurp(const std::filesystem::path& path);
// A shell word that passes the text as typed: quotes, percent signs, backslashes and all.
std::string ShellWord(const std::string& text);
// Runs a script of statements, each ending with ';' at the end of a line.
void ExecuteScript(db::Connection& connection, const std::string& script);
// The demo generator's rows for `target` ("central" or "local") in the backend's dialect,
// made once per process.
const std::string& DemoDataSql(Backend backend, const std::string& target);

// Replaces the start-up fixture's few rows by the demo generator's databases.
void LoadDemoData(StartupDatabases& databases, Backend backend);

// Runs the program as a user would, with its own settings folder and lock folder.
class CliTest : public testing::TestWithParam<Backend> {
protected:
    void SetUp() override;

    void WriteSettings(const std::string& lines);
    // Runs `ovlnutriimport ARGS` through the shell; ARGS is shell text.
    RunResult Run(const std::string& args);
    // The `env` assignments that give a run its central database, settings and lock folder.
    std::string Environment() const;
    std::filesystem::path Folder() const { return m_pDatabases->Folder().Path(); }

    std::unique_ptr<StartupDatabases> m_pDatabases;
    std::filesystem::path m_settingsPath;
    // The central connect string the program is given; the fixture's central by default.
    std::string m_strCentralConnect;
};

} // namespace ovl::test
