#pragma once

#include "cli/Command.h"

#include "app/AppActions.h"

#include <cstdint>

namespace ovl::cli {

// Creates an ingredient from a reference product and imports the product into it.
class CreateCommand : public Command {
public:
    CreateCommand();
    void DeclareArguments(CLI::App& command) override;
    int Run(Console& console, Session& session) override;

private:
    std::int32_t m_nProductId = 0;
    AppActions::NameChoices m_names;
};

} // namespace ovl::cli
