#include "cli/IngredientCommand.h"

#include "app/NotFound.h"
#include "cli/Arguments.h"
#include "cli/PaneText.h"
#include "cli/Session.h"

#include <CLI/CLI.hpp>

namespace ovl::cli {

IngredientCommand::IngredientCommand()
    : Command("ingredient", "INGRED_ID",
              "The values text of one ingredient, as the window's right pane holds it.",
              " (a whole number)") {}

void IngredientCommand::DeclareArguments(CLI::App& command) {
    AddIdArgument(command, "INGRED_ID", m_nIngredientId, "The ingredient")->required();
}

int IngredientCommand::Run(Console& console, Session& session) {
    auto values = session.Actions().ShowIngredient(m_nIngredientId);
    if (!values)
        return PrintValuesOrMissing(console, NotFound::Ingredient(m_nIngredientId));
    return PrintValuesOrMissing(console, std::move(*values));
}

} // namespace ovl::cli
