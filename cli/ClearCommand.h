#pragma once

#include "cli/Command.h"

#include <cstdint>

namespace ovl::cli {

// Clears what imports wrote into an ingredient, then prints its values text.
class ClearCommand : public Command {
public:
    ClearCommand();
    void DeclareArguments(CLI::App& command) override;
    int Run(Console& console, Session& session) override;

private:
    std::int32_t m_nIngredientId = 0;
};

} // namespace ovl::cli
