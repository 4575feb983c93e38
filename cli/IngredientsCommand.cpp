#include "cli/IngredientsCommand.h"

#include "cli/ExitCode.h"
#include "cli/Session.h"
#include "ui/IngredientList.h"

namespace ovl::cli {

int IngredientsCommand::Run(Console& console, const Invocation& invocation) {
    if (invocation.args.size() != 1) {
        console.ErrorLine("usage: ovlnutriimport ingredients FILTER");
        return kExitUsage;
    }
    Session session(console);
    if (const int code = session.Start(invocation); code != kExitDone)
        return code;
    CovlnutriimportApp& app = session.App();
    return session.Guard([&] {
        const auto list = FillIngredientList(*app.m_pLocalDb, app.m_nLangue, invocation.args[0],
                                             LocalSortKeySetting(app.Settings()));
        if (!list) {
            console.ErrorLine("error: the filter needs at least two characters");
            return kExitUsage;
        }
        for (const IngredientRow& row : list->m_rows)
            console.PrintLine(std::to_string(row.ingredientId) + '\t' + row.name + '\t' + row.code);
        console.PrintLine(list->m_strCountText);
        return kExitDone;
    });
}

} // namespace ovl::cli
