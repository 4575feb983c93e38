#include "cli/CommandLine.h"

#include "cli/AcceptTermsCommand.h"
#include "cli/BatchCommand.h"
#include "cli/ClearCommand.h"
#include "cli/CompareCommand.h"
#include "cli/CreateCommand.h"
#include "cli/ExitCode.h"
#include "cli/ImportCommand.h"
#include "cli/IngredientCommand.h"
#include "cli/IngredientsCommand.h"
#include "cli/MessagesCommand.h"
#include "cli/ProductCommand.h"
#include "cli/SearchCommand.h"
#include "cli/StatusCommand.h"
#include "cli/UpdateLegalNamesCommand.h"
#include "platform/TextConvert.h"

#include <ostream>

namespace ovl::cli {

CommandLine::CommandLine() {
    m_commands.push_back(std::make_unique<AcceptTermsCommand>());
    m_commands.push_back(std::make_unique<MessagesCommand>());
    m_commands.push_back(std::make_unique<StatusCommand>());
    m_commands.push_back(std::make_unique<SearchCommand>());
    m_commands.push_back(std::make_unique<ProductCommand>());
    m_commands.push_back(std::make_unique<IngredientsCommand>());
    m_commands.push_back(std::make_unique<IngredientCommand>());
    m_commands.push_back(std::make_unique<CompareCommand>());
    m_commands.push_back(std::make_unique<ImportCommand>());
    m_commands.push_back(std::make_unique<ClearCommand>());
    m_commands.push_back(std::make_unique<CreateCommand>());
    m_commands.push_back(std::make_unique<UpdateLegalNamesCommand>());
    m_commands.push_back(std::make_unique<BatchCommand>());
}

Command* CommandLine::Find(const std::string& name) const {
    for (const auto& command : m_commands)
        if (name == command->Name())
            return command.get();
    return nullptr;
}

void CommandLine::PrintUsage(Console& console) const {
    std::ostream& err = console.Err();
    err << "usage: ovlnutriimport [/DB:name | --db NAME] COMMAND [ARGS]\n\ncommands:\n";
    for (const auto& command : m_commands) {
        err << "  " << command->Name();
        if (*command->Synopsis())
            err << ' ' << command->Synopsis();
        err << '\n';
    }
}

int CommandLine::Run(Console& console, const std::vector<std::string>& utf8Args) {
    Invocation invocation;
    Command* command = nullptr;
    for (size_t i = 0; i < utf8Args.size(); ++i) {
        const std::string arg = text::Utf8ToCp1252(utf8Args[i]);
        if (command) {
            invocation.args.push_back(arg);
        } else if (arg == "--db") {
            if (i + 1 >= utf8Args.size()) {
                console.ErrorLine("--db needs a data-source sub-name");
                return kExitUsage;
            }
            invocation.startupArgs.push_back("/DB:" + text::Utf8ToCp1252(utf8Args[++i]));
        } else if (arg == "-h" || arg == "--help" || arg == "help") {
            PrintUsage(console);
            return kExitDone;
        } else if (arg.size() > 1 && (arg[0] == '/' || arg[0] == '-')) {
            // Start-up switches, "/DB:name" among them, as the window takes them.
            invocation.startupArgs.push_back(arg);
        } else if (!(command = Find(arg))) {
            console.ErrorLine("unknown command: " + arg);
            PrintUsage(console);
            return kExitUsage;
        }
    }
    if (!command) {
        PrintUsage(console);
        return kExitUsage;
    }
    return command->Run(console, invocation);
}

} // namespace ovl::cli
