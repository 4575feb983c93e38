#include "cli/Command.h"
#include "cli/Session.h"
#include "tests/cli/InProcessCliTest.h"
#include "tests/support/DatabaseTest.h"

#include <gtest/gtest.h>

#include <CLI/CLI.hpp>

#include <fstream>
#include <stdexcept>

namespace ovl {
namespace {

using test::Backend;
using test::RunResult;

constexpr const char* kAcceptedTerms = "[Config]\nConditions Accepted=1\n";

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// A command of the test's own whose work throws what the test gives.
class ThrowingCommand : public cli::Command {
public:
    ThrowingCommand(bool needsDatabases, std::function<void()> work)
        : Command("explode", "", "Throws"), m_bNeedsDatabases(needsDatabases),
          m_work(std::move(work)) {}
    void DeclareArguments(CLI::App&) override {}
    bool NeedsDatabases() const override { return m_bNeedsDatabases; }
    int Run(cli::Console&, cli::Session&) override { return Work(); }
    int RunOffline(cli::Console&) override { return Work(); }

private:
    int Work() {
        m_work();
        return 0;
    }
    bool m_bNeedsDatabases;
    std::function<void()> m_work;
};

// The start-up fixture's databases hold no product and no ingredient.
class RunCommandTest : public test::InProcessCliTest {
protected:
    void SetUp() override {
        InProcessCliTest::SetUp();
        if (IsSkipped())
            return;
        WriteSettings(kAcceptedTerms);
    }
};

TEST_P(RunCommandTest, AnUnknownIdOnEveryCommandSaysWhichAndExits1) {
    const std::string batchFile = (Folder() / "pairs.txt").string();
    std::ofstream(batchFile) << "5;6\n";
    const struct {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"product", "5"}, "error: no reference product has the identifier 5\n"},
        {{"ingredient", "6"}, "error: no ingredient has the identifier 6\n"},
        {{"clear", "6"}, "error: no ingredient has the identifier 6\n"},
        {{"import", "5", "6"}, "error: no ingredient has the identifier 6\n"},
        {{"compare", "5", "6"}, "error: no ingredient has the identifier 6\n"},
        {{"create", "5"}, "error: no reference product has the identifier 5\n"},
        {{"batch", batchFile},
         "line 1: error: no ingredient has the identifier 6\n"
         "line 1: product 5 into ingredient 6: failed\n"},
    };
    for (const auto& c : cases) {
        const std::string name = testing::PrintToString(c.args);
        const RunResult result = RunHere(c.args);
        EXPECT_EQ(result.exitCode, 1) << name;
        EXPECT_EQ(result.err, c.err) << name;
        EXPECT_EQ(result.out, c.args[0] == "batch" ? "0 imported, 1 failed\n" : "") << name;
    }
}

TEST_P(RunCommandTest, AnUnexpectedExceptionExits1WithItsText) {
    const struct {
        bool needsDatabases;
        std::function<void()> work;
        const char* err;
    } cases[] = {
        {false, [] { throw std::runtime_error("the disk is full"); }, "error: the disk is full\n"},
        {true, [] { throw std::logic_error("no such state"); }, "error: no such state\n"},
        {true, [] { throw 42; }, "error: an exception of an unknown type\n"},
    };
    for (const auto& c : cases) {
        const RunResult result =
            RunHere({"explode"}, std::make_unique<ThrowingCommand>(c.needsDatabases, c.work));
        EXPECT_EQ(result.exitCode, 1) << c.err;
        EXPECT_EQ(result.err, c.err);
        EXPECT_TRUE(result.out.empty()) << c.err;
    }
}

TEST_P(RunCommandTest, ARefusedCentralConnectionPrintsTheDriverTextAfterTheFixedMessage) {
    // Nothing listens on port 1.
    m_strCentralConnect =
        "DRIVER={MySQL ODBC 8.0 ANSI Driver};SERVER=127.0.0.1;PORT=1;UID=nobody;PWD=none;";
    const RunResult result = Run("status");
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_TRUE(result.out.empty());
    const std::string fixed = "error: Erreur d'accès à la base de données distante !\n";
    ASSERT_EQ(result.err.substr(0, fixed.size()), fixed) << result.err;
    // The driver's own diagnostic, such as "[MySQL][ODBC 8.0(a) Driver]Can't connect ...".
    EXPECT_EQ(result.err.substr(fixed.size(), 9), "reason: [") << result.err;
    EXPECT_EQ(result.err.back(), '\n');
}

TEST_P(RunCommandTest, TheDataSourceSwitchComesInEitherForm) {
    const std::string expected = GetParam() == Backend::MariaDb
                                     ? "Local data source:\tOVLSRVSITE2\n"
                                     : "Local data source:\tOVL\n";
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"/DB:site2", "status"}, {"--db", "site2", "status"}, {"--db=site2", "status"}}) {
        const RunResult result = RunHere(args);
        EXPECT_EQ(result.exitCode, 0) << testing::PrintToString(args) << result.err;
        EXPECT_TRUE(Contains(result.out, expected)) << testing::PrintToString(args) << result.out;
    }
}

TEST_P(RunCommandTest, EveryCommandHasItsHelpOnStdout) {
    for (const char* command :
         {"accept-terms", "messages", "status", "search", "product", "ingredients", "ingredient",
          "compare", "import", "clear", "create", "update-legal-names", "batch"}) {
        const RunResult result = RunHere({command, "--help"});
        EXPECT_EQ(result.exitCode, 0) << command;
        EXPECT_TRUE(Contains(result.out, std::string("Usage: ") + command)) << result.out;
        EXPECT_TRUE(result.err.empty()) << command << result.err;
    }
}

OVL_INSTANTIATE_FOR_EVERY_BACKEND(RunCommandTest);

} // namespace
} // namespace ovl
