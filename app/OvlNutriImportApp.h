#pragma once

#include "app/MessageSink.h"
#include "central/CacheSet.h"
#include "central/StatusChecks.h"
#include "local/NutriIngredSet.h"
#include "platform/Connection.h"
#include "platform/RegistryFile.h"
#include "platform/SettingsStore.h"
#include "platform/SingleInstance.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ovl {

class ProgressObserver;

namespace test {
class AppInternals;
}

// The terms-of-use step of the start-up: the window shows the dialog in first-use mode, the
// command line refuses unless the terms were accepted before.
class TermsGate {
public:
    virtual ~TermsGate() = default;
    // True when the user accepts the terms now.
    virtual bool AcceptTerms(int languageIndex) = 0;
};

// What the start-up needs from the machine; tests give temporary ones.
struct AppEnvironment {
    SettingsStore* settings = nullptr;
    const RegistryFile* registry = nullptr;
    MessageSink* messages = nullptr;
    std::filesystem::path lockFolder = SingleInstance::DefaultFolder();
    // Whether the workstation runs a server edition of the operating system; never here.
    bool serverEdition = false;
};

// The program's spine: it holds the two connections, the language, the status values and
// the installation's account for the whole run, and runs the start-up and shut-down.
class CovlnutriimportApp : public CacheProvider {
public:
    enum class StartResult { Ready, AnotherInstance, CentralFailed, LocalFailed, TermsRefused };

    explicit CovlnutriimportApp(AppEnvironment environment);
    ~CovlnutriimportApp();
    CovlnutriimportApp(const CovlnutriimportApp&) = delete;
    CovlnutriimportApp& operator=(const CovlnutriimportApp&) = delete;

    // Runs the start-up up to the main window, in order: single instance, command line,
    // settings, central database, local database, language, terms of use.
    StartResult Start(const std::vector<std::string>& args, TermsGate& terms);
    // Frees the caches and closes both connections.
    void ShutDown();

    // The get-or-build accessors of the application-wide caches. A failed build raises the
    // database error and leaves the slot empty, so the next use builds again.
    CProvCache& ProvCache() override;
    CSrcCache& SrcCache() override;
    CLibCache& LibCache() override;
    CAlrgCache& AlrgCache() override;
    CMsLibCache& MsLibCache() override;
    CLibPreEmbCache& LibPreEmbCache() override;
    CProdCache& ProdCache() override;
    // The next get-or-build of the product cache reports its progress to `observer`
    // (nullptr: to none), which may cancel it.
    void SetProgressObserver(ProgressObserver* observer) { m_pProgress = observer; }

    // The program's own settings.
    SettingsStore& Settings() { return *m_env.settings; }
    MessageSink& Messages() { return *m_env.messages; }

    // Read-only views of the run's state, for the layers above the application object.
    db::Connection& CentralDb() const { return *m_pCentralDb; }
    bool HasCentralDb() const { return m_pCentralDb != nullptr; }
    db::Connection& LocalDb() const { return *m_pLocalDb; }
    bool HasLocalDb() const { return m_pLocalDb != nullptr; }
    int Language() const { return m_nLangue; }
    int AccountId() const { return m_nAccountId; }
    int DatabaseType() const { return m_nDatabaseType; }
    int TestDatabase() const { return m_nTestDatabase; }
    const CentralStatus& Status() const { return m_status; }
    const std::string& ServerName() const { return m_status.m_strServerName; }
    const std::string& SrvDsn() const { return m_strSrvDsn; }
    const std::string& LocalDsn() const { return m_strLocalDsn; }
    bool RemoteDesktop() const { return m_bRemoteDesktop; }
    // The driver's text of the database error that made the start-up fail, for the
    // administrator; empty when the failure was a refused check.
    const std::string& StartFailure() const { return m_strStartFailure; }

    static constexpr const char* kMutexName = "ovlnutriimportUniqueInstance261";
    static constexpr const char* kConfigSection = "Config";

private:
    void ParseCommandLine(const std::vector<std::string>& args);
    void ReadSettings();
    bool OpenCentralDatabase();
    bool OpenLocalDatabase();
    bool PrepareLocalDatabase();
    void ChooseLocalDsn();
    void ReadLanguage();
    void BuildFirstCache();

    friend class test::AppInternals;

    CentralStatus m_status; // m_bCentralV12, m_nCentralRelease, m_strServerName
    std::string m_strSrvDsn;
    int m_nDatabaseType = 1;
    // The seven cache slots, made once both connections and the language are known.
    std::unique_ptr<CacheSet> m_pCaches;
    int m_nAccountId = -1;
    // Kept open for the whole run; opening it creates the local connection, which it owns.
    // Made when the local connect string is known.
    std::optional<CNutriIngredSet> m_rsNutriIngred;
    int m_nLangue = 0;
    int m_nTestDatabase = 0;
    std::unique_ptr<db::Connection> m_pCentralDb;
    db::Connection* m_pLocalDb = nullptr;

    // Process-wide values of the start-up.
    std::string m_strLocalDsn; // g_strLocalDsn: "OVL" or "OVLLAN"
    bool m_bServerEdition = false;
    bool m_bRemoteDesktop = false;

    std::string m_strStartFailure;
    ProgressObserver* m_pProgress = nullptr;

    AppEnvironment m_env;
    SingleInstance m_instance;
};

} // namespace ovl
