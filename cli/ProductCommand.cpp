#include "cli/ProductCommand.h"

#include "app/NotFound.h"
#include "cli/Arguments.h"
#include "cli/ExitCode.h"
#include "cli/PaneText.h"
#include "cli/Session.h"

#include <CLI/CLI.hpp>

namespace ovl::cli {

ProductCommand::ProductCommand()
    : Command("product", "PRODUCT_ID",
              "The detail text of one reference product, as the window's left pane holds it.",
              " (a whole number)") {}

void ProductCommand::DeclareArguments(CLI::App& command) {
    AddIdArgument(command, "PRODUCT_ID", m_nProductId, "The reference product")->required();
}

int ProductCommand::Run(Console& console, Session& session) {
    const auto pane = session.Actions().ShowProduct(m_nProductId);
    if (!pane) {
        console.ErrorLine("error: " + NotFound::Product(m_nProductId).Text());
        return kExitFailed;
    }
    if (pane->obsolete) {
        console.PrintLine(pane->detail.m_strText);
        return kExitFailed;
    }
    PrintPaneText(console, pane->detail.m_strText);
    return kExitDone;
}

} // namespace ovl::cli
