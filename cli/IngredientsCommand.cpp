#include "cli/IngredientsCommand.h"

#include "cli/ExitCode.h"
#include "cli/Session.h"

#include <CLI/CLI.hpp>

namespace ovl::cli {

IngredientsCommand::IngredientsCommand()
    : Command("ingredients", "FILTER",
              "The local ingredients whose name or code contains the filter, as the window's right "
              "list shows them.") {}

void IngredientsCommand::DeclareArguments(CLI::App& command) {
    command.add_option("FILTER", m_strFilter, "Part of a name or code, two characters at least")
        ->required();
}

int IngredientsCommand::Run(Console& console, Session& session) {
    const auto list =
        session.Actions().ListIngredients(m_strFilter, LocalSortKeySetting(session.Settings()));
    if (!list) {
        console.ErrorLine("error: the filter needs at least two characters");
        return kExitUsage;
    }
    for (const IngredientRow& row : list->m_rows)
        console.PrintLine(std::to_string(row.ingredientId) + '\t' + row.name + '\t' + row.code);
    console.PrintLine(list->m_strCountText);
    return kExitDone;
}

} // namespace ovl::cli
