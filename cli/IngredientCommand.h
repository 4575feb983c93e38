#pragma once

#include "cli/Command.h"

#include <cstdint>

namespace ovl::cli {

// The values text of one ingredient, as the window's right pane holds it.
class IngredientCommand : public Command {
public:
    IngredientCommand();
    void DeclareArguments(CLI::App& command) override;
    int Run(Console& console, Session& session) override;

private:
    std::int32_t m_nIngredientId = 0;
};

} // namespace ovl::cli
