#include "cli/CompareCommand.h"

#include "cli/Arguments.h"
#include "cli/ExitCode.h"
#include "cli/LineDiff.h"
#include "cli/Session.h"

#include <CLI/CLI.hpp>

namespace ovl::cli {

CompareCommand::CompareCommand()
    : Command("compare", "PRODUCT_ID INGRED_ID",
              "Compares a product's detail with an ingredient's values: the mark, then the lines "
              "that differ.",
              " (whole numbers)") {}

void CompareCommand::DeclareArguments(CLI::App& command) {
    AddIdArgument(command, "PRODUCT_ID", m_nProductId, "The reference product")->required();
    AddIdArgument(command, "INGRED_ID", m_nIngredientId, "The ingredient")->required();
}

int CompareCommand::Run(Console& console, Session& session) {
    const auto comparison = session.Actions().Compare(m_nProductId, m_nIngredientId);
    if (!comparison) {
        console.ErrorLine("error: " + comparison.Missing().Text());
        return kExitFailed;
    }
    const ValuePanes& panes = comparison->panes;
    console.PrintLine(comparison->mark.m_strMark);
    for (const std::string& line :
         LineDiff(SplitLines(panes.m_strRefText), SplitLines(panes.m_strIngText)))
        console.PrintLine(line);
    return kExitDone;
}

} // namespace ovl::cli
