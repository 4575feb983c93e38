#include "cli/ClearCommand.h"

#include "cli/Arguments.h"
#include "cli/PaneText.h"
#include "cli/Session.h"

#include <CLI/CLI.hpp>

namespace ovl::cli {

ClearCommand::ClearCommand()
    : Command("clear", "INGRED_ID",
              "Clears what imports wrote into an ingredient, then prints its values text.",
              " (a whole number)") {}

void ClearCommand::DeclareArguments(CLI::App& command) {
    AddIdArgument(command, "INGRED_ID", m_nIngredientId, "The ingredient")->required();
}

int ClearCommand::Run(Console& console, Session& session) {
    return PrintValuesOrMissing(console, session.Actions().Clear(m_nIngredientId));
}

} // namespace ovl::cli
