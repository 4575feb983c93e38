#include "app/OvlNutriImportApp.h"

#include "app/CentralConnectString.h"
#include "app/CmdLineInfo.h"
#include "app/Language.h"
#include "app/RegisterKey.h"
#include "local/LocalConnectString.h"
#include "local/OvlUtilisateursSet.h"
#include "local/ReservedRows.h"
#include "platform/DbException.h"
#include "platform/TextConvert.h"

#include <utility>

namespace ovl {

namespace {

// The fixed start-up messages are French only, in code page 1252.
constexpr const char* kCentralOpenFailed = "Erreur d'acc\xE8s \xE0 la base de donn\xE9"
                                           "es distante !";
constexpr const char* kLocalOpenFailed = "Erreur : Ouverture de la base de donn\xE9"
                                         "es Ovalane !";

// A data-source sub-name goes into the local connect string after "DSN=OVLSRV". Characters
// that ODBC forbids in data-source names, and quotes, would let it add or change connection
// attributes ("/DB:x;DATABASE=other"), so such a name is refused.
bool IsValidDsnSubname(const std::string& name) {
    return name.find_first_of("[]{}(),;?*=!@\\'\"") == std::string::npos;
}

void RefuseSubname(MessageSink& messages, const std::string& name) {
    messages.ShowMessage("Nom de source de donn\xE9"
                         "es invalide ignor\xE9 : " +
                             name,
                         MessageIcon::Exclamation);
}

} // namespace

CovlnutriimportApp::CovlnutriimportApp(AppEnvironment environment)
    : m_env(std::move(environment)), m_instance(kMutexName, m_env.lockFolder) {}

CovlnutriimportApp::~CovlnutriimportApp() {
    ShutDown();
}

CovlnutriimportApp::StartResult CovlnutriimportApp::Start(const std::vector<std::string>& args,
                                                          TermsGate& terms) {
    if (!m_instance.Acquire())
        return StartResult::AnotherInstance;
    m_strStartFailure.clear();
    ParseCommandLine(args);
    ReadSettings();
    if (!OpenCentralDatabase()) {
        Messages().ShowMessage(kCentralOpenFailed, MessageIcon::Error);
        return StartResult::CentralFailed;
    }
    if (!OpenLocalDatabase()) {
        Messages().ShowMessage(kLocalOpenFailed, MessageIcon::Exclamation);
        return StartResult::LocalFailed;
    }
    ReadLanguage();
    if (Settings().GetInt(kConfigSection, "Conditions Accepted", 0) != 1 &&
        !terms.AcceptTerms(m_nLangue))
        return StartResult::TermsRefused;
    m_pCaches = std::make_unique<CacheSet>(*m_pCentralDb, *m_pLocalDb, m_nLangue, m_nAccountId);
    BuildFirstCache();
    return StartResult::Ready;
}

void CovlnutriimportApp::BuildFirstCache() {
    try {
        MsLibCache();
    } catch (const db::DbException& e) {
        // The labels are needed later, not now: say why they are missing and build them again
        // on first use.
        Messages().ShowMessage(e.Message(), MessageIcon::Error);
    }
}

CProvCache& CovlnutriimportApp::ProvCache() {
    return m_pCaches->ProvCache();
}
CSrcCache& CovlnutriimportApp::SrcCache() {
    return m_pCaches->SrcCache();
}
CLibCache& CovlnutriimportApp::LibCache() {
    return m_pCaches->LibCache();
}
CAlrgCache& CovlnutriimportApp::AlrgCache() {
    return m_pCaches->AlrgCache();
}
CMsLibCache& CovlnutriimportApp::MsLibCache() {
    return m_pCaches->MsLibCache();
}
CLibPreEmbCache& CovlnutriimportApp::LibPreEmbCache() {
    return m_pCaches->LibPreEmbCache();
}
CProdCache& CovlnutriimportApp::ProdCache() {
    m_pCaches->SetProdProgress(std::exchange(m_pProgress, nullptr));
    return m_pCaches->ProdCache();
}

void CovlnutriimportApp::ParseCommandLine(const std::vector<std::string>& args) {
    CCmdLineInfo info;
    info.ParseCommandLine(args);
    m_strSrvDsn = "OVLSRV";
    if (info.m_strDbSubname.empty())
        return;
    if (IsValidDsnSubname(info.m_strDbSubname))
        m_strSrvDsn += text::UpperCp1252(info.m_strDbSubname);
    else
        RefuseSubname(Messages(), info.m_strDbSubname);
}

void CovlnutriimportApp::ReadSettings() {
    m_nTestDatabase = Settings().GetInt(kConfigSection, "Test Database", 0);
    // Until the installation knows its account, nothing may be written to the central
    // per-installation tables.
    m_nAccountId = Settings().GetInt(kConfigSection, "Account Id", -1);
    m_bServerEdition = m_env.serverEdition;
    m_bRemoteDesktop = m_bServerEdition;

    CRegisterKey config(*m_env.registry, Messages(), RegistryRoot::LocalMachine,
                        "SOFTWARE\\Varnel\\Ovalane\\ovl\\Config");
    m_nDatabaseType = config.GetDword("Database Type", 1);

    CRegisterKey multiSrv(*m_env.registry, Messages(), RegistryRoot::CurrentUser,
                          "Software\\Varnel\\Ovalane\\ovl\\MultiSrv");
    std::string subname;
    multiSrv.GetString("Srv DB subname", subname);
    if (subname.empty() || m_strSrvDsn != "OVLSRV")
        return;
    if (IsValidDsnSubname(subname))
        m_strSrvDsn += subname; // as stored: only a sub-name from the command line is upper-cased
    else
        RefuseSubname(Messages(), subname);
}

bool CovlnutriimportApp::OpenCentralDatabase() {
    m_pCentralDb = std::make_unique<db::Connection>();
    bool ok = false;
    try {
        m_pCentralDb->Open(CentralConnectString(m_nTestDatabase));
        ok = RunCentralStatusChecks(*m_pCentralDb, Messages(), m_status);
    } catch (const db::DbException& e) {
        // An open or a check that raises counts as a failed connection; the caller says so.
        m_strStartFailure = e.Message();
        ok = false;
    }
    if (!ok)
        m_pCentralDb.reset();
    return ok;
}

void CovlnutriimportApp::ChooseLocalDsn() {
    CRegisterKey owner(*m_env.registry, Messages(),
                       m_bServerEdition ? RegistryRoot::CurrentUser : RegistryRoot::LocalMachine,
                       "SOFTWARE\\Varnel\\Ovalane\\ovl\\Propri\xE9t\xE9ire\\R\xE9seau");
    const int ownerType = owner.GetDword("Type", 0);
    m_strLocalDsn = "OVL";
    if (ownerType == 1 && !m_bRemoteDesktop) {
        CRegisterKey service(*m_env.registry, Messages(), RegistryRoot::LocalMachine,
                             "SOFTWARE\\WOW6432Node\\Varnel\\Ovalane\\ovl\\Config\\" + m_strSrvDsn);
        if (service.GetDword("OvlServeur Service Present", -1) != 1)
            m_strLocalDsn = "OVLLAN";
    }
}

bool CovlnutriimportApp::OpenLocalDatabase() {
    ChooseLocalDsn();
    m_rsNutriIngred.emplace(nullptr,
                            LocalConnectString(m_nDatabaseType, m_strLocalDsn, m_strSrvDsn));
    m_rsNutriIngred->m_strFilter = "[ING_ID]=0";
    try {
        m_rsNutriIngred->Open();
    } catch (const db::DbException& e) {
        m_strStartFailure = e.Message();
        return false;
    }
    m_pLocalDb = &m_rsNutriIngred->Database();
    return PrepareLocalDatabase();
}

bool CovlnutriimportApp::PrepareLocalDatabase() {
    try {
        EnsureReservedRows(*m_pLocalDb);
        return CheckLocalVersion(*m_pLocalDb, m_status, Messages());
    } catch (const db::DbException& e) {
        m_strStartFailure = e.Message();
        return false;
    }
}

void CovlnutriimportApp::ReadLanguage() {
    int langue = 0;
    try {
        COvlUtilisateursSet users(m_pLocalDb);
        users.m_strFilter = "[USER_ID]=0";
        users.Open(db::OpenType::Snapshot);
        if (!users.IsEOF())
            langue = users.m_LANGUE;
    } catch (const db::DbException&) {
        langue = 0; // an unreadable user table counts as no row: French
    }
    m_nLangue = SetLanguage(langue);
}

void CovlnutriimportApp::ShutDown() {
    if (m_pCaches) {
        m_pCaches->FreeAll();
        m_pCaches.reset();
    }
    if (m_rsNutriIngred && m_rsNutriIngred->IsOpen())
        m_rsNutriIngred->Close();
    if (m_pCentralDb) {
        m_pCentralDb->Close();
        m_pCentralDb.reset();
    }
}

} // namespace ovl
