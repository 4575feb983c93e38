#include "cli/ProductCommand.h"

#include "app/Language.h"
#include "central/ProductDetail.h"
#include "central/StatusChecks.h"
#include "cli/Arguments.h"
#include "cli/ExitCode.h"
#include "cli/Session.h"

namespace ovl::cli {

int ProductCommand::Run(Console& console, const Invocation& invocation) {
    const auto productId = invocation.args.size() == 1 ? ParseId(invocation.args[0]) : std::nullopt;
    if (!productId) {
        console.ErrorLine("usage: ovlnutriimport product PRODUCT_ID (a whole number)");
        return kExitUsage;
    }
    Session session(console);
    if (const int code = session.Start(invocation); code != kExitDone)
        return code;
    CovlnutriimportApp& app = session.App();

    return session.Guard([&] {
        // Data released anew since start-up: the pane shows why instead of stale values.
        if (!CheckCentralDataRelease(*app.m_pCentralDb, app.m_status, app.Messages())) {
            console.PrintLine(LoadLangString(2058));
            return kExitFailed;
        }
        const auto detail = BuildProductDetail(*app.m_pCentralDb, *productId, app.m_nLangue, app);
        if (!detail) {
            console.ErrorLine("error: no reference product has the identifier " +
                              std::to_string(*productId));
            return kExitFailed;
        }
        std::string text = MarkMissingValues(detail->m_strText);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
            text.pop_back();
        console.PrintLine(text);
        return kExitDone;
    });
}

} // namespace ovl::cli
