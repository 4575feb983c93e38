#include "cli/CompareCommand.h"

#include "central/ProductDetail.h"
#include "cli/Arguments.h"
#include "cli/ExitCode.h"
#include "cli/LineDiff.h"
#include "cli/Session.h"
#include "ui/ComparisonMark.h"

namespace ovl::cli {

int CompareCommand::Run(Console& console, const Invocation& invocation) {
    const auto& args = invocation.args;
    const auto productId = args.size() == 2 ? ParseId(args[0]) : std::nullopt;
    const auto ingredientId = args.size() == 2 ? ParseId(args[1]) : std::nullopt;
    if (!productId || !ingredientId) {
        console.ErrorLine("usage: ovlnutriimport compare PRODUCT_ID INGRED_ID (whole numbers)");
        return kExitUsage;
    }
    Session session(console);
    if (const int code = session.Start(invocation); code != kExitDone)
        return code;
    CovlnutriimportApp& app = session.App();
    return session.Guard([&] {
        if (!session.RequireIngredient(*ingredientId) || !session.RequireProduct(*productId))
            return kExitFailed;
        const auto detail = BuildProductDetail(*app.m_pCentralDb, *productId, app.m_nLangue, app);
        if (!detail)
            return kExitFailed;
        ImportContext context = session.MakeImportContext();
        const IngredientValues values = BuildIngredientValuesText(context, *ingredientId);
        // Both panes as they show their texts.
        const ValuePanes panes{MarkMissingValues(detail->m_strText),
                               MarkMissingValues(values.m_strText),
                               detail->m_strRefAllergens,
                               values.m_strIngAllergens,
                               detail->m_strRefTraces,
                               values.m_strIngTraces};
        console.PrintLine(CompareValueTexts(panes).m_strMark);
        for (const std::string& line :
             LineDiff(SplitLines(panes.m_strRefText), SplitLines(panes.m_strIngText)))
            console.PrintLine(line);
        return kExitDone;
    });
}

} // namespace ovl::cli
