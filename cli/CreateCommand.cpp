#include "cli/CreateCommand.h"

#include "app/TextCodec.h"
#include "cli/Arguments.h"
#include "cli/ExitCode.h"
#include "cli/Session.h"
#include "import/IngredientCreation.h"
#include "import/LocalTransaction.h"

#include <array>

namespace ovl::cli {

namespace {

constexpr const char* kNameOptions[] = {"--fr", "--en", "--de", "--sp", "--it"};

// The NAME_n columns of Ingredients hold this many bytes.
constexpr size_t kStoredNameLimit = 255;

// Escaping lengthens quotes and percent signs, and cuts a text made mostly of them: such a
// name would not come back as typed.
bool StoresWhole(const std::string& name) {
    const std::string stored = EncodedDbText(name);
    return stored.size() <= kStoredNameLimit && DecodedDbText(stored) == name;
}

// The names given on the command line, by language index; unset ones stay empty.
bool ParseNames(const std::vector<std::string>& args,
                std::array<std::optional<std::string>, 5>& names) {
    for (size_t i = 1; i < args.size(); i += 2) {
        size_t language = 5;
        for (size_t l = 0; l < 5; ++l)
            if (args[i] == kNameOptions[l])
                language = l;
        if (language == 5 || i + 1 >= args.size())
            return false;
        names[language] = args[i + 1];
    }
    return true;
}

} // namespace

int CreateCommand::Run(Console& console, const Invocation& invocation) {
    const auto& args = invocation.args;
    const auto productId = args.empty() ? std::nullopt : ParseId(args[0]);
    std::array<std::optional<std::string>, 5> names;
    if (!productId || !ParseNames(args, names)) {
        console.ErrorLine("usage: ovlnutriimport create PRODUCT_ID [--fr T] [--en T] [--de T] "
                          "[--sp T] [--it T]");
        return kExitUsage;
    }
    Session session(console);
    if (const int code = session.Start(invocation); code != kExitDone)
        return code;
    return session.Guard([&] {
        if (!session.RequireProduct(*productId))
            return kExitFailed;
        ImportContext context = session.MakeImportContext();
        CIngredientCreation creation(context, *productId);
        creation.LoadProduct();
        // The names default to the product's own, as the dialog proposes them.
        for (size_t language = 0; language < 5; ++language) {
            if (!names[language])
                continue;
            if (!creation.SetName(static_cast<int>(language), *names[language]))
                return kExitUsage;
            if (!StoresWhole(*names[language])) {
                console.ErrorLine(std::string("error: the ") + kNameOptions[language] +
                                  " name cannot be stored as typed: too many quotes or "
                                  "percent signs");
                return kExitUsage;
            }
        }
        if (!creation.IsOkEnabled()) {
            console.ErrorLine("error: every one of the five names must be given");
            return kExitUsage;
        }
        {
            LocalTransaction transaction(context);
            if (!creation.OnOK())
                return kExitDuplicateNames;
            if (creation.GetNewIngredientId() == -1)
                return kExitFailed;
            transaction.Commit();
        }
        const std::int32_t ingredientId = creation.GetNewIngredientId();
        console.PrintLine(std::to_string(ingredientId));
        session.PrintValues(session.ImportProduct(*productId, ingredientId));
        return kExitDone;
    });
}

} // namespace ovl::cli
