#pragma once

#include "cli/Command.h"

#include <cstdint>

namespace ovl::cli {

// Compares a product's detail with an ingredient's values: the mark, then the lines that differ.
class CompareCommand : public Command {
public:
    CompareCommand();
    void DeclareArguments(CLI::App& command) override;
    int Run(Console& console, Session& session) override;

private:
    std::int32_t m_nProductId = 0;
    std::int32_t m_nIngredientId = 0;
};

} // namespace ovl::cli
