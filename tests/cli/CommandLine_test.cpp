#include "tests/support/CliFixture.h"
#include "tests/support/DatabaseTest.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ovl {
namespace {

using test::Backend;
using test::RunResult;

class CommandLineTest : public test::CliTest {};

TEST_P(CommandLineTest, CommandsRefuseUntilTheTermsAreAccepted) {
    RunResult status = Run("status");
    EXPECT_EQ(status.exitCode, 3);
    EXPECT_TRUE(status.out.empty());
    EXPECT_NE(status.err.find("accept-terms"), std::string::npos) << status.err;

    RunResult terms = Run("accept-terms --yes");
    EXPECT_EQ(terms.exitCode, 0) << terms.err;
    EXPECT_NE(terms.out.find("Brodaine"), std::string::npos);
    EXPECT_EQ(terms.out.back(), '\n');
    EXPECT_EQ(terms.out.find('\r'), std::string::npos);

    status = Run("status");
    EXPECT_EQ(status.exitCode, 0) << status.err;
    EXPECT_NE(status.out.find("Central server:\tcentral-test\n"), std::string::npos) << status.out;
    EXPECT_NE(status.out.find("Local version:\t2.6.0.600\n"), std::string::npos) << status.out;
    EXPECT_NE(status.out.find("Account id:\t-1\n"), std::string::npos) << status.out;
}

TEST_P(CommandLineTest, RefusedStartUpPrintsTheFrenchMessageAndExits3) {
    WriteSettings("[Config]\nConditions Accepted=1\n");
    m_pDatabases->Central().RunStatements(
        "UPDATE OVLSTATUS SET VARSTRVALUE='1.3.0.0' WHERE VARID=6;\n");
    const RunResult result = Run("status");
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_TRUE(result.out.empty());
    EXPECT_EQ(result.err, "warning: Version de la base de données centrale incompatible !\n"
                          "error: Erreur d'accès à la base de données distante !\n");
}

TEST_P(CommandLineTest, UsageErrorsExit2) {
    const struct {
        const char* args;
        int exitCode;
    } cases[] = {{"", 2},     {"frobnicate", 2}, {"messages --lang 9", 2}, {"status extra", 2},
                 {"--db", 2}, {"--help", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(Run(c.args).exitCode, c.exitCode) << c.args;
}

TEST_P(CommandLineTest, MessagesNeedNoDatabase) {
    const RunResult result = Run("messages --lang 1");
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 85);
    EXPECT_NE(result.out.find("2023\t\\n"), std::string::npos); // escaped line feed
    EXPECT_EQ(result.out.find('\r'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Backends, CommandLineTest,
                         testing::Values(Backend::Sqlite, Backend::MariaDb),
                         test::BackendParamName);

} // namespace
} // namespace ovl
