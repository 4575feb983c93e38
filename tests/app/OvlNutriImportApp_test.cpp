#include "app/Language.h"
#include "app/OperationCancelled.h"
#include "app/OvlNutriImportApp.h"
#include "app/Progress.h"
#include "platform/MemorySettingsStore.h"
#include "platform/Statement.h"
#include "tests/support/AppInternals.h"
#include "tests/support/DatabaseTest.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/StartupFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace ovl {
namespace {

using test::Backend;
using test::RecordedMessage;

constexpr const char* kCentralFailed = "Erreur d'acc\xE8s \xE0 la base de donn\xE9"
                                       "es distante !";
constexpr const char* kLocalFailed = "Erreur : Ouverture de la base de donn\xE9"
                                     "es Ovalane !";

class AcceptGate : public TermsGate {
public:
    explicit AcceptGate(bool answer) : m_bAnswer(answer) {}
    bool AcceptTerms(int languageIndex) override {
        m_nCalls++;
        m_nLanguage = languageIndex;
        return m_bAnswer;
    }
    bool m_bAnswer;
    int m_nCalls = 0;
    int m_nLanguage = -1;
};

// Runs the start-up on fresh databases of one backend.
class StartupTest : public testing::TestWithParam<Backend> {
protected:
    void SetUp() override {
        m_pDatabases = std::make_unique<test::StartupDatabases>(GetParam());
        if (!m_pDatabases->SkipReason().empty())
            GTEST_SKIP() << m_pDatabases->SkipReason();
        setenv("OVLNUTRI_CENTRAL", m_pDatabases->CentralConnect().c_str(), 1);
        m_settings.WriteInt("Config", "Conditions Accepted", 1);
    }
    void TearDown() override {
        unsetenv("OVLNUTRI_CENTRAL");
        SetLanguage(0);
    }

    CovlnutriimportApp::StartResult Start(std::vector<std::string> args = {}) {
        m_pRegistry = std::make_unique<RegistryFile>(m_pDatabases->RegistryPath());
        AppEnvironment env;
        env.settings = &m_settings;
        env.registry = m_pRegistry.get();
        env.messages = &m_messages;
        env.lockFolder = m_pDatabases->Folder().Path();
        m_pApp = std::make_unique<CovlnutriimportApp>(env);
        return m_pApp->Start(args, m_gate);
    }

    std::string LocalRow(const std::string& sql) {
        auto connection = m_pDatabases->Local().Connect();
        db::Statement st(*connection);
        st.ExecDirect(sql);
        std::string row;
        while (st.Fetch()) {
            for (int i = 1; i <= st.ColumnCount(); ++i) {
                std::string value;
                row += (st.GetText(i, value) ? value : "NULL") + "|";
            }
            row += "\n";
        }
        return row;
    }

    bool IsMariaDb() const { return GetParam() == Backend::MariaDb; }

    std::unique_ptr<test::StartupDatabases> m_pDatabases;
    std::unique_ptr<RegistryFile> m_pRegistry;
    MemorySettingsStore m_settings;
    test::RecordingMessageSink m_messages;
    AcceptGate m_gate{true};
    std::unique_ptr<CovlnutriimportApp> m_pApp;
};

TEST_P(StartupTest, OpensBothDatabasesAndReadsTheStatus) {
    m_settings.WriteInt("Config", "Account Id", 42);
    ASSERT_EQ(Start(), CovlnutriimportApp::StartResult::Ready)
        << testing::PrintToString(m_messages.m_messages);
    EXPECT_TRUE(m_messages.m_messages.empty());
    EXPECT_NE(test::AppInternals(*m_pApp).CentralDb(), nullptr);
    ASSERT_NE(test::AppInternals(*m_pApp).LocalDb(), nullptr);
    EXPECT_EQ(m_pApp->Status().m_strServerName, "central-test");
    EXPECT_EQ(m_pApp->Status().m_nCentralRelease, 12);
    EXPECT_EQ(m_pApp->DatabaseType(), IsMariaDb() ? 0 : 1);
    EXPECT_EQ(m_pApp->SrvDsn(), "OVLSRV");
    EXPECT_EQ(m_pApp->LocalDsn(), "OVL");
    EXPECT_EQ(m_pApp->AccountId(), 42);
    EXPECT_EQ(m_gate.m_nCalls, 0); // accepted before: no terms step
    m_pApp->ShutDown();
    EXPECT_EQ(test::AppInternals(*m_pApp).CentralDb(), nullptr);
}

TEST_P(StartupTest, ReservedRowsAreCreatedOnceAndNeverChanged) {
    const std::string query =
        "SELECT ID, LIBELLE_1, LIBELLE_2, LIB_CIQUAL, UNITE, TYPEMSK, NBDIGIT, NUMORDRE "
        "FROM NutriLibelles ORDER BY ID";
    const std::string classes =
        "SELECT CLASS_ID, TYPE, MASQUE, PERE_ID, NAME_1, NAME_5, OWNER, ASCHILD, EXPORTABLE "
        "FROM Categories ORDER BY CLASS_ID";
    ASSERT_EQ(Start(), CovlnutriimportApp::StartResult::Ready);
    m_pApp.reset();
    const std::string labels = LocalRow(query);
    const std::string tree = LocalRow(classes);
    EXPECT_EQ(labels,
              "18|Derni\xE8re mise \xE0 jour|Last update|OVL Mise \xE0 jour|NULL|8|-1|18|\n");
    EXPECT_NE(tree.find("4001|8|0|0|Statuts|NULL|-1|1|1|"), std::string::npos) << tree;
    EXPECT_NE(tree.find("4007|8|0|4001|D\xE9"
                        "cl\xE9ration des VNS non exig\xE9"
                        "e|FR:D"),
              std::string::npos)
        << tree;
    // A second start finds them and changes nothing, not even 4001 once reset by hand.
    ASSERT_EQ(Start(), CovlnutriimportApp::StartResult::Ready);
    m_pApp.reset();
    EXPECT_EQ(LocalRow(query), labels);
    EXPECT_EQ(LocalRow(classes), tree);
}

TEST_P(StartupTest, LanguageComesFromUserZero) {
    const struct {
        const char* rows;
        int language;
    } cases[] = {
        {"UPDATE Utilisateurs SET LANGUE=2", 2},
        {"UPDATE Utilisateurs SET LANGUE=7", 0},
        {"UPDATE Utilisateurs SET USER_ID=5", 0}, // no user 0
        {"UPDATE Utilisateurs SET USER_ID=0, LANGUE=4", 4},
    };
    for (const auto& c : cases) {
        m_pDatabases->Local().RunStatements(std::string(c.rows) + ";\n");
        ASSERT_EQ(Start(), CovlnutriimportApp::StartResult::Ready)
            << c.rows << testing::PrintToString(m_messages.m_messages);
        EXPECT_EQ(m_pApp->Language(), c.language) << c.rows;
        EXPECT_EQ(g_nLangOffset, c.language * 1000) << c.rows;
        m_pApp.reset();
    }
}

TEST_P(StartupTest, CentralFailuresEndTheStartWithTheDistantMessage) {
    m_settings.WriteInt("Config", "Test Database", 3);
    unsetenv("OVLNUTRI_CENTRAL");
    EXPECT_EQ(Start(), CovlnutriimportApp::StartResult::CentralFailed);
    EXPECT_EQ(m_messages.m_messages,
              (std::vector<RecordedMessage>{{kCentralFailed, MessageIcon::Error}}));
    EXPECT_EQ(test::AppInternals(*m_pApp).CentralDb(), nullptr);

    setenv("OVLNUTRI_CENTRAL", m_pDatabases->CentralConnect().c_str(), 1);
    m_pDatabases->Central().RunStatements("UPDATE OVLSTATUS SET VARINTVALUE=1 WHERE VARID=4;\n");
    m_messages.m_messages.clear();
    EXPECT_EQ(Start(), CovlnutriimportApp::StartResult::CentralFailed);
    EXPECT_EQ(m_messages.m_messages,
              (std::vector<RecordedMessage>{{"Acc\xE8s \xE0 la base de donn\xE9"
                                             "es centrale v\xE9rouill\xE9 !",
                                             MessageIcon::Exclamation},
                                            {kCentralFailed, MessageIcon::Error}}));
}

TEST_P(StartupTest, LocalRefusalsEndTheStartWithTheOvalaneMessage) {
    m_pDatabases->Local().RunStatements("UPDATE Langue_System SET Langue_1='2.6.0.570';\n");
    EXPECT_EQ(Start(), CovlnutriimportApp::StartResult::LocalFailed);
    EXPECT_EQ(m_messages.m_messages,
              (std::vector<RecordedMessage>{{"La version de votre base de donn\xE9"
                                             "es Ovalane n'est pas compatible avec "
                                             "cette application !",
                                             MessageIcon::Error},
                                            {kLocalFailed, MessageIcon::Exclamation}}));

    m_pDatabases->Local().RunStatements("UPDATE Langue_System SET Langue_1='2.6.0.571';\n"
                                        "UPDATE Variables SET VALNUM=11;\n");
    m_messages.m_messages.clear();
    EXPECT_EQ(Start(), CovlnutriimportApp::StartResult::LocalFailed);
    ASSERT_EQ(m_messages.m_messages.size(), 2u);
    EXPECT_EQ(m_messages.m_messages[0].text, LoadLangString(2057));
    EXPECT_EQ(m_messages.m_messages[1].text, kLocalFailed);
}

TEST_P(StartupTest, TermsAreAskedUntilAccepted) {
    m_settings.WriteInt("Config", "Conditions Accepted", 0);
    m_pDatabases->Local().RunStatements("UPDATE Utilisateurs SET LANGUE=3;\n");
    m_gate.m_bAnswer = false;
    EXPECT_EQ(Start(), CovlnutriimportApp::StartResult::TermsRefused);
    EXPECT_EQ(m_gate.m_nCalls, 1);
    EXPECT_EQ(m_gate.m_nLanguage, 3);
    m_gate.m_bAnswer = true;
    EXPECT_EQ(Start(), CovlnutriimportApp::StartResult::Ready);
}

TEST_P(StartupTest, ASecondCopyEndsAtOnceWithoutAMessage) {
    SingleInstance other(CovlnutriimportApp::kMutexName, m_pDatabases->Folder().Path());
    ASSERT_TRUE(other.Acquire());
    EXPECT_EQ(Start(), CovlnutriimportApp::StartResult::AnotherInstance);
    EXPECT_TRUE(m_messages.m_messages.empty());
}

// Records what the product cache build reports; cancels when told to.
class RecordingProgress : public ProgressObserver {
public:
    void Update(std::size_t done, std::size_t total, const std::string&) override {
        m_updates.emplace_back(done, total);
    }
    bool IsCancelled() const override { return m_bCancel; }

    std::vector<std::pair<std::size_t, std::size_t>> m_updates;
    bool m_bCancel = false;
};

TEST_P(StartupTest, ProductCacheBuildReportsItsRowsOnceAndStopsWhenCancelled) {
    m_pDatabases->Central().RunStatements(
        "INSERT INTO OVLNUTRIPROD (ID) VALUES (1), (2), (3);\n"
        "INSERT INTO OVLNUTRIPROD_FR (ID, NAME) VALUES (1, 'a'), (2, 'b'), (3, 'c');\n");
    ASSERT_EQ(Start(), CovlnutriimportApp::StartResult::Ready);
    RecordingProgress progress;
    progress.m_bCancel = true;
    m_pApp->SetProgressObserver(&progress);
    EXPECT_THROW(m_pApp->ProdCache(), OperationCancelled);
    // The slot stayed empty: the next use builds again, without an observer now.
    const size_t reports = progress.m_updates.size();
    EXPECT_EQ(m_pApp->ProdCache().GetCount(), 3);
    EXPECT_EQ(progress.m_updates.size(), reports);

    m_pApp.reset();
    ASSERT_EQ(Start(), CovlnutriimportApp::StartResult::Ready);
    progress.m_bCancel = false;
    progress.m_updates.clear();
    m_pApp->SetProgressObserver(&progress);
    EXPECT_EQ(m_pApp->ProdCache().GetCount(), 3);
    m_pApp->ProdCache();
    // Few rows: only the final report, all rows read of all.
    EXPECT_EQ(progress.m_updates, (std::vector<std::pair<std::size_t, std::size_t>>{{3, 3}}));
}

INSTANTIATE_TEST_SUITE_P(Backends, StartupTest, testing::Values(Backend::Sqlite, Backend::MariaDb),
                         test::BackendParamName);

// Which data-source names the switches and registry values give. The local database is the
// SQLite file behind "OVL" and "OVLLAN", so these run on SQLite only.
class DataSourceNameTest : public StartupTest {};

TEST_P(DataSourceNameTest, SwitchesAndRegistryChooseTheNames) {
    const std::string multiSrv = "[HKEY_CURRENT_USER\\Software\\Varnel\\Ovalane\\ovl\\MultiSrv]\n"
                                 "\"Srv DB subname\"=\"Site2\"\n";
    const std::string owner = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Varnel\\Ovalane\\ovl\\Propri\xC3\xA9"
                              "t\xC3\xA9ire\\R\xC3\xA9seau]\n\"Type\"=dword:00000001\n";
    const struct {
        std::vector<std::string> args;
        std::string registry;
        std::string srvDsn;
        std::string localDsn;
        int databaseType;
        size_t messages;
    } cases[] = {
        {{"/DB:abc"}, "", "OVLSRVABC", "OVL", 1, 0},
        {{"/db:abc"}, "", "OVLSRV", "OVL", 1, 0},
        {{}, multiSrv, "OVLSRVSite2", "OVL", 1, 0},
        {{"/DB:abc"}, multiSrv, "OVLSRVABC", "OVL", 1, 0},
        {{"/DB:x;DATABASE=other"}, "", "OVLSRV", "OVL", 1, 1},
        {{"/DB:it's"}, "", "OVLSRV", "OVL", 1, 1},
        {{"/DB:a\\b"}, multiSrv, "OVLSRVSite2", "OVL", 1, 1},
        {{},
         "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Varnel\\Ovalane\\ovl\\Config]\n"
         "\"Database Type\"=\"0\"\n",
         "OVLSRV",
         "OVL",
         1,
         0},
        {{}, owner, "OVLSRV", "OVLLAN", 1, 0},
        {{},
         owner + "[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Varnel\\Ovalane\\ovl\\Config\\"
                 "OVLSRV]\n\"OvlServeur Service Present\"=dword:00000001\n",
         "OVLSRV",
         "OVL",
         1,
         0},
    };
    for (const auto& c : cases) {
        const std::string name = testing::PrintToString(c.args) + c.registry;
        m_pDatabases->WriteRegistry(c.registry);
        m_messages.m_messages.clear();
        ASSERT_EQ(Start(c.args), CovlnutriimportApp::StartResult::Ready) << name;
        EXPECT_EQ(m_pApp->SrvDsn(), c.srvDsn) << name;
        EXPECT_EQ(m_pApp->LocalDsn(), c.localDsn) << name;
        EXPECT_EQ(m_pApp->DatabaseType(), c.databaseType) << name;
        EXPECT_EQ(m_messages.m_messages.size(), c.messages) << name;
        m_pApp.reset();
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, DataSourceNameTest, testing::Values(Backend::Sqlite),
                         test::BackendParamName);

} // namespace
} // namespace ovl
