#include "cli/ImportCommand.h"

#include "cli/Arguments.h"
#include "cli/PaneText.h"
#include "cli/Session.h"

#include <CLI/CLI.hpp>

namespace ovl::cli {

ImportCommand::ImportCommand()
    : Command("import", "PRODUCT_ID INGRED_ID [--update-legal-names]",
              "Imports a reference product into an ingredient, then prints the ingredient's values "
              "text.",
              " (whole numbers)") {}

void ImportCommand::DeclareArguments(CLI::App& command) {
    AddIdArgument(command, "PRODUCT_ID", m_nProductId, "The reference product")->required();
    AddIdArgument(command, "INGRED_ID", m_nIngredientId, "The ingredient")->required();
    command.add_flag("--update-legal-names", m_bUpdateLegalNames,
                     "Answers yes when the import asks to update the legal sales names");
}

int ImportCommand::Run(Console& console, Session& session) {
    return PrintValuesOrMissing(console, session.Actions().Import(m_nProductId, m_nIngredientId));
}

} // namespace ovl::cli
