#include "cli/CreateCommand.h"

#include "cli/Arguments.h"
#include "cli/ExitCode.h"
#include "cli/PaneText.h"
#include "cli/Session.h"

#include <CLI/CLI.hpp>

namespace ovl::cli {

namespace {

constexpr const char* kNameOptions[] = {"--fr", "--en", "--de", "--sp", "--it"};

} // namespace

CreateCommand::CreateCommand()
    : Command("create", "PRODUCT_ID [--fr T] [--en T] [--de T] [--sp T] [--it T]",
              "Creates an ingredient from a reference product and imports the product into it.") {}

void CreateCommand::DeclareArguments(CLI::App& command) {
    AddIdArgument(command, "PRODUCT_ID", m_nProductId, "The reference product")->required();
    for (size_t language = 0; language < 5; ++language)
        command
            .add_option_function<std::string>(
                kNameOptions[language],
                [this, language](const std::string& name) { m_names[language] = name; },
                "The name in this language; the product's own by default")
            ->type_name("T");
}

int CreateCommand::Run(Console& console, Session& session) {
    using Outcome = AppActions::NewIngredient::Outcome;
    const auto created = session.Actions().CreateFromProduct(m_nProductId, m_names);
    if (!created) {
        console.ErrorLine("error: " + created.Missing().Text());
        return kExitFailed;
    }
    switch (created->outcome) {
    case Outcome::Created:
        console.PrintLine(std::to_string(created->ingredientId));
        PrintPaneText(console, created->values.m_strText);
        return kExitDone;
    case Outcome::NameRefused:
        return kExitUsage;
    case Outcome::NameNotStorable:
        console.ErrorLine(std::string("error: the ") +
                          kNameOptions[static_cast<size_t>(created->language)] +
                          " name cannot be stored as typed: too many quotes or percent signs");
        return kExitUsage;
    case Outcome::NamesMissing:
        console.ErrorLine("error: every one of the five names must be given");
        return kExitUsage;
    case Outcome::NameExists:
        return kExitDuplicateNames;
    case Outcome::InsertFailed:
        break;
    }
    return kExitFailed;
}

} // namespace ovl::cli
