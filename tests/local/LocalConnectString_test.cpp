#include "local/LocalConnectString.h"
#include "local/NutriIngredSet.h"
#include "tests/local/LocalDatabaseTest.h"
#include "tests/support/TempDir.h"

#include "platform/DbException.h"

#include <cstdlib>
#include <fstream>
#include <optional>
#include <unistd.h>

namespace ovl {
namespace {

// The text between a prefix and a suffix, or nothing when the string has not that shape.
std::optional<std::string> Between(const std::string& text, const std::string& prefix,
                                   const std::string& suffix) {
    if (text.size() < prefix.size() + suffix.size() || text.rfind(prefix, 0) != 0 ||
        text.compare(text.size() - suffix.size(), suffix.size(), suffix) != 0)
        return std::nullopt;
    return text.substr(prefix.size(), text.size() - prefix.size() - suffix.size());
}

TEST(LocalConnectStringTest, AccessFormForEveryTypeButZero) {
    for (int type : {1, 2, -1}) {
        const auto password =
            Between(LocalConnectString(type, "OVLLAN", "OVLSRV"),
                    "DSN=OVLLAN;DriverId=25;FIL=MS Access;MaxBufferSize=4096;PageTimeout=5;PWD=",
                    ";UID=admin;");
        ASSERT_TRUE(password) << "type " << type;
        EXPECT_EQ(password->size(), 5u);
    }
}

TEST(LocalConnectStringTest, ServerFormForTypeZero) {
    const auto password =
        Between(LocalConnectString(0, "OVL", "OVLSRVSite2"),
                "ODBC;DSN=OVLSRVSite2;UID=ovluser;PWD=", ";MARS_Connection=yes;APP=OVL");
    ASSERT_TRUE(password);
    EXPECT_EQ(password->size(), 10u);
}

// Points ODBCINI, the user data-source file, elsewhere for one scope.
class OdbcIniOverride {
public:
    explicit OdbcIniOverride(const std::string& path) {
        if (const char* previous = std::getenv("ODBCINI"))
            m_strPrevious = previous;
        setenv("ODBCINI", path.c_str(), 1);
    }
    ~OdbcIniOverride() {
        if (m_strPrevious)
            setenv("ODBCINI", m_strPrevious->c_str(), 1);
        else
            unsetenv("ODBCINI");
    }
    OdbcIniOverride(const OdbcIniOverride&) = delete;
    OdbcIniOverride& operator=(const OdbcIniOverride&) = delete;

private:
    std::optional<std::string> m_strPrevious;
};

class NutriIngredConnectTest : public test::LocalDatabaseTest {
protected:
    void SetUp() override {
        LocalDatabaseTest::SetUp();
        if (IsSkipped())
            return;
        Database().RunStatements("INSERT INTO NutriIngred (ING_ID, NUTRI_ID, QTE, OPTION_MSK) "
                                 "VALUES (0, 18, 2.5, 8);\n");
    }

    // Opens like start-up does: no connection, filter on ingredient 0.
    static void ExpectOpensWithoutConnection(const std::string& connect) {
        CNutriIngredSet rs(nullptr, connect);
        rs.m_strFilter = "[ING_ID]=0";
        rs.Open();
        ASSERT_FALSE(rs.IsEOF());
        EXPECT_EQ(rs.m_NUTRI_ID, 18);
        EXPECT_EQ(rs.m_QTE, 2.5);
        EXPECT_TRUE(rs.Database().IsOpen());
    }
};

TEST_P(NutriIngredConnectTest, WithoutAConnectionOpensItsDefaultConnectString) {
    ExpectOpensWithoutConnection(Database().ConnectString());
}

TEST_P(NutriIngredConnectTest, WithoutAConnectionOrConnectStringTheOpenFails) {
    CNutriIngredSet rs(nullptr);
    EXPECT_THROW(rs.Open(), db::DbException);
}

// Both forms of the local connect string, through data-source names of a user odbc.ini
// that point at this test's SQLite file. The SQLite driver ignores the Access and SQL Server
// keys it does not know.
TEST_P(NutriIngredConnectTest, BothLocalFormsConnectThroughTheirDataSource) {
    if (IsMariaDb())
        GTEST_SKIP() << "the fixed accounts of the local forms do not exist on the test server";
    const auto file = Between(Database().ConnectString(), "DRIVER={SQLite3};Database=", ";");
    ASSERT_TRUE(file);
    test::TempDir dir;
    const auto odbcIni = dir / "odbc.ini";
    const std::string accessDsn = "OVLTESTACCESS" + std::to_string(getpid());
    const std::string serverDsn = "OVLTESTSRV" + std::to_string(getpid());
    {
        std::ofstream out(odbcIni);
        for (const auto& dsn : {accessDsn, serverDsn})
            out << "[" << dsn << "]\nDriver=SQLite3\nDatabase=" << *file << "\n\n";
    }
    OdbcIniOverride userDataSources(odbcIni.string());
    {
        SCOPED_TRACE("Access form");
        ExpectOpensWithoutConnection(LocalConnectString(1, accessDsn, "OVLSRV"));
    }
    {
        SCOPED_TRACE("SQL Server form");
        ExpectOpensWithoutConnection(LocalConnectString(0, "OVL", serverDsn));
    }
}

OVL_INSTANTIATE_FOR_EVERY_BACKEND(NutriIngredConnectTest);

} // namespace
} // namespace ovl
