#include "cli/SearchCommand.h"

#include "cli/Arguments.h"
#include "cli/ExitCode.h"
#include "cli/Session.h"
#include "ui/ListSorting.h"

#include <CLI/CLI.hpp>

namespace ovl::cli {

SearchCommand::SearchCommand()
    : Command("search",
              "[--name T] [--code T] [--source T] [--supplier ID] [--group ID] [--all-suppliers]",
              "The reference search of the window's left list, with the same rules and order.") {}

void SearchCommand::DeclareArguments(CLI::App& command) {
    command.add_option("--name", m_inputs.name, "Part of the product's name")->type_name("T");
    command.add_option("--code", m_inputs.code, "Part of the product's code")->type_name("T");
    command.add_option("--source", m_inputs.source, "Part of the source's name")->type_name("T");
    AddIdArgument(command, "--supplier", m_inputs.supplierId, "Only this supplier's products");
    AddIdArgument(command, "--group", m_inputs.groupId, "Only this product group");
    command.add_flag("--all-suppliers", m_bAllSuppliers,
                     "Also the suppliers that the installation did not select");
}

int SearchCommand::Run(Console& console, Session& session) {
    const SettingsStore& settings = session.Settings();
    const bool strict =
        !m_bAllSuppliers && settings.GetInt("Config", "Strict Prov. Filter", 1) != 0;
    const int sortKey = settings.GetInt("Mainframe\\Tab cols", "Ref Tab Sort", kDefaultRefSortKey);
    const std::vector<ReferenceRow> rows = session.Actions().Search(m_inputs, strict, sortKey);
    for (const ReferenceRow& row : rows)
        console.PrintLine(std::to_string(row.productId) + '\t' + row.supplier + '\t' + row.name +
                          '\t' + row.code + '\t' + row.category + '\t' + row.lastUpdate + '\t' +
                          row.source);
    console.PrintLine(ReferenceCountText(static_cast<int>(rows.size())));
    return kExitDone;
}

} // namespace ovl::cli
