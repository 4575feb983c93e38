#include "cli/MessagesCommand.h"

#include "app/Language.h"
#include "app/MessageCatalogue.h"
#include "cli/ExitCode.h"

#include <CLI/CLI.hpp>

#include <ostream>

namespace ovl::cli {

namespace {

// Line feeds and carriage returns written as \n and \r, so each text stays on one line.
std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

} // namespace

MessagesCommand::MessagesCommand()
    : Command("messages", "[--lang N]",
              "Prints the catalogue texts of one language, one line each.", ", N from 0 to 4") {}

void MessagesCommand::DeclareArguments(CLI::App& command) {
    command.add_option("--lang", m_strLanguage, "The language index: 0 French ... 4 Italian")
        ->type_name("N")
        ->check(CLI::IsMember({"0", "1", "2", "3", "4"}));
}

int MessagesCommand::RunOffline(Console& console) {
    const int offset = LanguageOffsetOf(m_strLanguage[0] - '0');
    for (int id : MessageCatalogue::Instance().Ids()) {
        if (id < 2000 || id > 2999)
            continue;
        console.Out() << id << '\t' << ToTerminal(Escaped(CatalogueText(id + offset))) << '\n';
    }
    return kExitDone;
}

} // namespace ovl::cli
