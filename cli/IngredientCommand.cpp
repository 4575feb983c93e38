#include "cli/IngredientCommand.h"

#include "app/NotFound.h"
#include "cli/Arguments.h"
#include "cli/ExitCode.h"
#include "cli/PaneText.h"
#include "cli/Session.h"

#include <CLI/CLI.hpp>

namespace ovl::cli {

void IngredientCommand::DeclareArguments(CLI::App& command) {
    AddIdArgument(command, "INGRED_ID", m_nIngredientId, "The ingredient")->required();
}

int IngredientCommand::Run(Console& console, Session& session) {
    const auto values = session.Actions().ShowIngredient(m_nIngredientId);
    if (!values) {
        console.ErrorLine("error: " + NotFound::Ingredient(m_nIngredientId).Text());
        return kExitFailed;
    }
    PrintPaneText(console, values->m_strText);
    return kExitDone;
}

} // namespace ovl::cli
