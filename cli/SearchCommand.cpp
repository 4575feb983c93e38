#include "cli/SearchCommand.h"

#include "cli/Arguments.h"
#include "cli/ExitCode.h"
#include "cli/Session.h"
#include "ui/ListSorting.h"
#include "ui/ReferenceSearch.h"

namespace ovl::cli {

namespace {

constexpr const char* kUsage =
    "usage: ovlnutriimport search [--name T] [--code T] [--source T] [--supplier ID] "
    "[--group ID] [--all-suppliers]";

bool ParseInputs(const std::vector<std::string>& args, ReferenceSearchInputs& inputs,
                 bool& allSuppliers) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--all-suppliers") {
            allSuppliers = true;
            continue;
        }
        if (i + 1 >= args.size())
            return false;
        const std::string& value = args[++i];
        if (option == "--name") {
            inputs.name = value;
        } else if (option == "--code") {
            inputs.code = value;
        } else if (option == "--source") {
            inputs.source = value;
        } else if (option == "--supplier" || option == "--group") {
            const auto id = ParseId(value);
            if (!id)
                return false;
            (option == "--supplier" ? inputs.supplierId : inputs.groupId) = *id;
        } else {
            return false;
        }
    }
    return true;
}

} // namespace

int SearchCommand::Run(Console& console, const Invocation& invocation) {
    ReferenceSearchInputs inputs;
    bool allSuppliers = false;
    if (!ParseInputs(invocation.args, inputs, allSuppliers)) {
        console.ErrorLine(kUsage);
        return kExitUsage;
    }
    Session session(console);
    if (const int code = session.Start(invocation); code != kExitDone)
        return code;
    CovlnutriimportApp& app = session.App();
    const bool strict =
        !allSuppliers && app.Settings().GetInt("Config", "Strict Prov. Filter", 1) != 0;
    const int sortKey =
        app.Settings().GetInt("Mainframe\\Tab cols", "Ref Tab Sort", kDefaultRefSortKey);

    return session.Guard([&] {
        ReferenceSearch search(*app.m_pCentralDb, app, app.m_nLangue, app.m_nAccountId);
        const std::vector<ReferenceRow> rows = search.Run(inputs, strict, sortKey);
        for (const ReferenceRow& row : rows)
            console.PrintLine(std::to_string(row.productId) + '\t' + row.supplier + '\t' +
                              row.name + '\t' + row.code + '\t' + row.category + '\t' +
                              row.lastUpdate + '\t' + row.source);
        console.PrintLine(ReferenceCountText(static_cast<int>(rows.size())));
        return kExitDone;
    });
}

} // namespace ovl::cli
