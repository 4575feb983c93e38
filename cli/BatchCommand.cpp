#include "cli/BatchCommand.h"

#include "app/BatchPair.h"
#include "cli/ExitCode.h"
#include "cli/Session.h"
#include "cli/TerminalProgress.h"

#include <CLI/CLI.hpp>

#include <fstream>

namespace ovl::cli {

BatchCommand::BatchCommand()
    : Command("batch", "FILE",
              "Imports many product and ingredient pairs from a file, each on its own.") {}

void BatchCommand::DeclareArguments(CLI::App& command) {
    command.add_option("FILE", m_strFile, "Lines of PRODUCT_ID;INGRED_ID")->required();
}

int BatchCommand::Run(Console& console, Session& session) {
    std::ifstream file(m_strFile);
    if (!file) {
        console.ErrorLine("error: cannot read " + m_strFile);
        return kExitFailed;
    }
    std::vector<std::string> badLines;
    const std::vector<BatchPair> pairs = ReadBatchPairs(file, badLines);
    for (const std::string& message : badLines)
        console.ErrorLine(message);

    TerminalProgress progress(console);
    const AppActions::BatchSummary summary = session.Actions().Batch(pairs, progress);
    const int failed = summary.failed + static_cast<int>(badLines.size());
    console.PrintLine(std::to_string(summary.imported) + " imported, " + std::to_string(failed) +
                      " failed");
    return failed == 0 ? kExitDone : kExitFailed;
}

} // namespace ovl::cli
