#include "cli/ClearCommand.h"

#include "cli/Arguments.h"
#include "cli/ExitCode.h"
#include "cli/Session.h"
#include "import/IngredientOperations.h"

namespace ovl::cli {

int ClearCommand::Run(Console& console, const Invocation& invocation) {
    const auto ingredientId =
        invocation.args.size() == 1 ? ParseId(invocation.args[0]) : std::nullopt;
    if (!ingredientId) {
        console.ErrorLine("usage: ovlnutriimport clear INGRED_ID (a whole number)");
        return kExitUsage;
    }
    Session session(console);
    if (const int code = session.Start(invocation); code != kExitDone)
        return code;
    return session.Guard([&] {
        if (!session.RequireIngredient(*ingredientId))
            return kExitFailed;
        ImportContext context = session.MakeImportContext();
        session.PrintValues(ClearIngredient(context, *ingredientId));
        return kExitDone;
    });
}

} // namespace ovl::cli
