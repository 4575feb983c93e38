#include "cli/ImportCommand.h"

#include "cli/Arguments.h"
#include "cli/ExitCode.h"
#include "cli/PaneText.h"
#include "cli/Session.h"

#include <CLI/CLI.hpp>

namespace ovl::cli {

void ImportCommand::DeclareArguments(CLI::App& command) {
    AddIdArgument(command, "PRODUCT_ID", m_nProductId, "The reference product")->required();
    AddIdArgument(command, "INGRED_ID", m_nIngredientId, "The ingredient")->required();
    command.add_flag("--update-legal-names", m_bUpdateLegalNames,
                     "Answers yes when the import asks to update the legal sales names");
}

int ImportCommand::Run(Console& console, Session& session) {
    const auto values = session.Actions().Import(m_nProductId, m_nIngredientId);
    if (!values) {
        console.ErrorLine("error: " + values.Missing().Text());
        return kExitFailed;
    }
    PrintPaneText(console, values->m_strText);
    return kExitDone;
}

} // namespace ovl::cli
