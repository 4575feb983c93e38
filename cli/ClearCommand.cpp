#include "cli/ClearCommand.h"

#include "cli/Arguments.h"
#include "cli/ExitCode.h"
#include "cli/PaneText.h"
#include "cli/Session.h"

#include <CLI/CLI.hpp>

namespace ovl::cli {

void ClearCommand::DeclareArguments(CLI::App& command) {
    AddIdArgument(command, "INGRED_ID", m_nIngredientId, "The ingredient")->required();
}

int ClearCommand::Run(Console& console, Session& session) {
    const auto values = session.Actions().Clear(m_nIngredientId);
    if (!values) {
        console.ErrorLine("error: " + values.Missing().Text());
        return kExitFailed;
    }
    PrintPaneText(console, values->m_strText);
    return kExitDone;
}

} // namespace ovl::cli
