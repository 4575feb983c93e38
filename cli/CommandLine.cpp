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
#include "cli/RunCommand.h"
#include "cli/SearchCommand.h"
#include "cli/StatusCommand.h"
#include "cli/UpdateLegalNamesCommand.h"
#include "platform/TextConvert.h"

#include <CLI/CLI.hpp>

#include <exception>
#include <ostream>

namespace ovl::cli {

namespace {

// A start-up switch as the window takes them, "/DB:name" among them.
bool IsSwitch(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '/';
}

} // namespace

CommandLine::CommandLine() {
    Add(std::make_unique<AcceptTermsCommand>());
    Add(std::make_unique<MessagesCommand>());
    Add(std::make_unique<StatusCommand>());
    Add(std::make_unique<SearchCommand>());
    Add(std::make_unique<ProductCommand>());
    Add(std::make_unique<IngredientsCommand>());
    Add(std::make_unique<IngredientCommand>());
    Add(std::make_unique<CompareCommand>());
    Add(std::make_unique<ImportCommand>());
    Add(std::make_unique<ClearCommand>());
    Add(std::make_unique<CreateCommand>());
    Add(std::make_unique<UpdateLegalNamesCommand>());
    Add(std::make_unique<BatchCommand>());
}

void CommandLine::Add(std::unique_ptr<Command> command) {
    m_commands.push_back(std::move(command));
}

Command* CommandLine::Find(const std::string& name) const {
    for (const auto& command : m_commands)
        if (name == command->Name())
            return command.get();
    return nullptr;
}

Command* CommandLine::Selected(const CLI::App& app) const {
    for (const CLI::App* sub : app.get_subcommands())
        if (Command* command = Find(sub->get_name()))
            return command;
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

int CommandLine::Run(Console& console, const std::vector<std::string>& args) {
    try {
        return ParseAndRun(console, args);
    } catch (const std::exception& e) {
        console.ErrorLine(std::string("error: ") + e.what());
    } catch (...) {
        console.ErrorLine("error: an exception of an unknown type");
    }
    return kExitFailed;
}

int CommandLine::ParseAndRun(Console& console, const std::vector<std::string>& utf8Args) {
    std::vector<std::string> args;
    for (const std::string& arg : utf8Args)
        args.push_back(text::Utf8ToCp1252(arg));

    CLI::App app("Imports reference nutrition products into Ovalane ingredients.",
                 "ovlnutriimport");
    app.set_help_flag();
    bool help = false;
    app.add_flag("-h,--help", help, "Lists the commands");
    std::vector<std::string> subnames;
    app.add_option("--db", subnames, "Selects the data source OVLSRV followed by NAME")
        ->type_name("NAME");
    std::vector<std::string> switches;
    app.add_option("switches", switches, "Start-up switches such as /DB:name");
    app.require_subcommand(0, 1);
    app.add_subcommand("help")->group("");
    // A repeated option keeps its last value, as the window's switch does.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    for (const auto& command : m_commands) {
        CLI::App* sub = app.add_subcommand(command->Name(), command->Summary());
        sub->set_help_flag("-h,--help", "Shows this help");
        command->DeclareArguments(*sub);
    }

    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        if (Selected(app))
            console.Out() << app.get_subcommands().front()->help();
        else
            PrintUsage(console);
        return kExitDone;
    } catch (const CLI::ParseError& error) {
        return ParseFailed(console, app, args, error);
    }

    if (help || app.got_subcommand("help")) {
        PrintUsage(console);
        return kExitDone;
    }
    for (const std::string& word : switches) {
        if (!IsSwitch(word)) {
            console.ErrorLine("unknown command: " + word);
            PrintUsage(console);
            return kExitUsage;
        }
    }
    Command* command = Selected(app);
    if (!command) {
        PrintUsage(console);
        return kExitUsage;
    }
    for (const std::string& subname : subnames)
        switches.push_back("/DB:" + subname);
    return RunCommand(*command, console, switches);
}

int CommandLine::ParseFailed(Console& console, const CLI::App& app,
                             const std::vector<std::string>& args,
                             const CLI::ParseError& error) const {
    // Options before the command that nobody takes, such as "-x".
    if (!app.remaining(false).empty()) {
        console.ErrorLine(error.what());
        PrintUsage(console);
        return kExitUsage;
    }
    if (const Command* command = Selected(app)) {
        console.ErrorLine(command->Usage());
        return kExitUsage;
    }
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--db" && ++i == args.size()) {
            console.ErrorLine("--db needs a data-source sub-name");
            return kExitUsage;
        }
        if (!IsSwitch(args[i]) && args[i][0] != '-' && !Find(args[i])) {
            console.ErrorLine("unknown command: " + args[i]);
            PrintUsage(console);
            return kExitUsage;
        }
    }
    console.ErrorLine(error.what());
    PrintUsage(console);
    return kExitUsage;
}

} // namespace ovl::cli
