#include "cli/BatchCommand.h"

#include "central/ProdCache.h"
#include "cli/Arguments.h"
#include "cli/ExitCode.h"
#include "cli/Session.h"
#include "import/IngredientOperations.h"
#include "platform/DbException.h"

#include <fstream>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <unistd.h>

namespace ovl::cli {

namespace {

struct Pair {
    int line = 0;
    std::int32_t productId = 0;
    std::int32_t ingredientId = 0;
};

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// "PRODUCT_ID;INGRED_ID", with ';', ',' or a tab between; nothing for a bad line.
std::optional<Pair> ParsePair(const std::string& text, int line) {
    const size_t separator = text.find_first_of(";,\t");
    if (separator == std::string::npos)
        return std::nullopt;
    const auto product = ParseId(Trimmed(text.substr(0, separator)));
    const auto ingredient = ParseId(Trimmed(text.substr(separator + 1)));
    if (!product || !ingredient)
        return std::nullopt;
    return Pair{line, *product, *ingredient};
}

// Progress on stderr: a bar on a terminal, a plain line per pair otherwise.
class Progress {
public:
    Progress(Console& console, size_t total)
        : m_console(console), m_nTotal(total), m_bTerminal(isatty(STDERR_FILENO) != 0) {}

    void Done(size_t count, const Pair& pair, bool ok) {
        if (!m_bTerminal) {
            m_console.ErrorLine("line " + std::to_string(pair.line) + ": product " +
                                std::to_string(pair.productId) + " into ingredient " +
                                std::to_string(pair.ingredientId) +
                                (ok ? ": imported" : ": failed"));
            return;
        }
        const size_t width = 30;
        const size_t filled = m_nTotal ? count * width / m_nTotal : width;
        m_console.Err() << "\r[" << std::string(filled, '#') << std::string(width - filled, ' ')
                        << "] " << count << '/' << m_nTotal << (count == m_nTotal ? "\n" : "");
        m_console.Err().flush();
    }

    // A message between updates of the bar starts on its own line.
    void Report(const std::string& message) {
        if (m_bTerminal)
            m_console.Err() << '\r' << std::string(50, ' ') << '\r';
        m_console.ErrorLine(message);
    }

private:
    Console& m_console;
    size_t m_nTotal;
    bool m_bTerminal;
};

} // namespace

int BatchCommand::Run(Console& console, const Invocation& invocation) {
    if (invocation.args.size() != 1) {
        console.ErrorLine("usage: ovlnutriimport batch FILE");
        return kExitUsage;
    }
    std::ifstream file(invocation.args[0]);
    if (!file) {
        console.ErrorLine("error: cannot read " + invocation.args[0]);
        return kExitFailed;
    }
    std::vector<Pair> pairs;
    int failed = 0;
    std::string text;
    for (int line = 1; std::getline(file, text); ++line) {
        const std::string trimmed = Trimmed(text);
        if (trimmed.empty() || trimmed[0] == '#')
            continue;
        if (auto pair = ParsePair(trimmed, line))
            pairs.push_back(*pair);
        else {
            console.ErrorLine("line " + std::to_string(line) +
                              ": error: expected PRODUCT_ID;INGRED_ID, found: " + trimmed);
            ++failed;
        }
    }

    Session session(console);
    if (const int code = session.Start(invocation); code != kExitDone)
        return code;
    Progress progress(console, pairs.size());
    int imported = 0;
    for (size_t i = 0; i < pairs.size(); ++i) {
        const Pair& pair = pairs[i];
        const std::string where = "line " + std::to_string(pair.line) + ": ";
        bool ok = false;
        try {
            if (!IngredientExists(*session.App().m_pLocalDb, pair.ingredientId))
                progress.Report(where + "error: no ingredient has the identifier " +
                                std::to_string(pair.ingredientId));
            else if (session.App().ProdCache().FindRow(pair.productId) < 0)
                progress.Report(where + "error: no reference product has the identifier " +
                                std::to_string(pair.productId));
            else {
                session.ImportProduct(pair.productId, pair.ingredientId);
                ok = true;
            }
        } catch (const db::DbException& e) {
            progress.Report(where + "error: " + e.Message());
        } catch (const std::invalid_argument& e) {
            progress.Report(where + "error: " + e.what());
        }
        ok ? ++imported : ++failed;
        progress.Done(i + 1, pair, ok);
    }
    console.PrintLine(std::to_string(imported) + " imported, " + std::to_string(failed) +
                      " failed");
    return failed == 0 ? kExitDone : kExitFailed;
}

} // namespace ovl::cli
