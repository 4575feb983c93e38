#include "cli/Session.h"

#include "central/ProdCache.h"
#include "central/ProductDetail.h"
#include "cli/ExitCode.h"
#include "import/IngredientOperations.h"
#include "import/LegalNamesUpdate.h"
#include "import/ReferenceImport.h"
#include "platform/DbException.h"

#include <stdexcept>

namespace ovl::cli {

namespace {

// Without a window there is nobody to show the terms to: the commands refuse until
// `accept-terms --yes` has recorded the acceptance.
class RefuseTerms : public TermsGate {
public:
    explicit RefuseTerms(Console& console) : m_console(console) {}
    bool AcceptTerms(int) override {
        m_console.ErrorLine("error: the terms of use are not accepted; read them with "
                            "'ovlnutriimport accept-terms' and accept them with "
                            "'ovlnutriimport accept-terms --yes'");
        return false;
    }

private:
    Console& m_console;
};

} // namespace

Session::Session(Console& console, bool answerYes)
    : m_console(console), m_messages(console, answerYes),
      m_settings(IniSettingsStore::DefaultPath(), [&console](const std::string& problem) {
          console.ErrorLine("warning: " + problem);
      }) {}

int Session::Start(const Invocation& invocation, TermsGate* terms) {
    AppEnvironment env;
    env.settings = &m_settings;
    env.registry = &m_registry;
    env.messages = &m_messages;
    m_pApp = std::make_unique<CovlnutriimportApp>(env);

    RefuseTerms refuse(m_console);
    switch (m_pApp->Start(invocation.startupArgs, terms ? *terms : refuse)) {
    case CovlnutriimportApp::StartResult::Ready:
        return kExitDone;
    case CovlnutriimportApp::StartResult::AnotherInstance:
        m_console.ErrorLine("error: another copy of ovlnutriimport is running");
        return kExitAnotherCopy;
    case CovlnutriimportApp::StartResult::CentralFailed:
    case CovlnutriimportApp::StartResult::LocalFailed:
    case CovlnutriimportApp::StartResult::TermsRefused:
        break;
    }
    return kExitStartRefused;
}

ImportContext Session::MakeImportContext() {
    CovlnutriimportApp& app = *m_pApp;
    return ImportContext{*app.m_pLocalDb, *app.m_pCentralDb,   app,  m_messages,
                         app.m_nLangue,   app.m_nDatabaseType, false};
}

bool Session::RequireIngredient(std::int32_t ingredientId) {
    if (IngredientExists(*m_pApp->m_pLocalDb, ingredientId))
        return true;
    m_console.ErrorLine("error: no ingredient has the identifier " + std::to_string(ingredientId));
    return false;
}

bool Session::RequireProduct(std::int32_t productId) {
    if (m_pApp->ProdCache().FindRow(productId) >= 0)
        return true;
    m_console.ErrorLine("error: no reference product has the identifier " +
                        std::to_string(productId));
    return false;
}

IngredientValues Session::ImportProduct(std::int32_t productId, std::int32_t ingredientId) {
    ImportContext context = MakeImportContext();
    IngredientValues values = ImportReferenceProduct(context, ingredientId, productId);
    if (context.m_bUpdateLegalNames)
        UpdateLegalSalesNames(context);
    return values;
}

void Session::PrintValues(const IngredientValues& values) {
    std::string text = MarkMissingValues(values.m_strText);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    m_console.PrintLine(text);
}

int Session::Guard(const std::function<int()>& work) {
    try {
        return work();
    } catch (const db::DbException& e) {
        m_messages.ShowMessage(e.Message(), MessageIcon::Error);
        return kExitFailed;
    } catch (const std::invalid_argument& e) {
        m_console.ErrorLine(std::string("error: ") + e.what());
        return kExitFailed;
    }
}

} // namespace ovl::cli
