#include "cli/MessagesCommand.h"

#include "app/Language.h"
#include "app/MessageCatalogue.h"
#include "cli/ExitCode.h"

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

int MessagesCommand::Run(Console& console, const Invocation& invocation) {
    int language = 0;
    const auto& args = invocation.args;
    if (args.size() == 2 && args[0] == "--lang" && args[1].size() == 1 && args[1][0] >= '0' &&
        args[1][0] <= '4') {
        language = args[1][0] - '0';
    } else if (!args.empty()) {
        console.ErrorLine("usage: ovlnutriimport messages [--lang N], N from 0 to 4");
        return kExitUsage;
    }
    const int offset = LanguageOffsetOf(language);
    for (int id : MessageCatalogue::Instance().Ids()) {
        if (id < 2000 || id > 2999)
            continue;
        console.Out() << id << '\t' << ToTerminal(Escaped(CatalogueText(id + offset))) << '\n';
    }
    return kExitDone;
}

} // namespace ovl::cli
