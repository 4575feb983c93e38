#include "cli/ImportCommand.h"

#include "cli/Arguments.h"
#include "cli/ExitCode.h"
#include "cli/Session.h"

namespace ovl::cli {

int ImportCommand::Run(Console& console, const Invocation& invocation) {
    std::vector<std::string> ids;
    bool updateLegalNames = false;
    for (const std::string& arg : invocation.args) {
        if (arg == "--update-legal-names")
            updateLegalNames = true;
        else
            ids.push_back(arg);
    }
    const auto productId = ids.size() == 2 ? ParseId(ids[0]) : std::nullopt;
    const auto ingredientId = ids.size() == 2 ? ParseId(ids[1]) : std::nullopt;
    if (!productId || !ingredientId) {
        console.ErrorLine("usage: ovlnutriimport import PRODUCT_ID INGRED_ID "
                          "[--update-legal-names] (whole numbers)");
        return kExitUsage;
    }
    // The legal-names question is answered yes only with the flag.
    Session session(console, updateLegalNames);
    if (const int code = session.Start(invocation); code != kExitDone)
        return code;
    return session.Guard([&] {
        if (!session.RequireIngredient(*ingredientId) || !session.RequireProduct(*productId))
            return kExitFailed;
        session.PrintValues(session.ImportProduct(*productId, *ingredientId));
        return kExitDone;
    });
}

} // namespace ovl::cli
