#pragma once

#include "cli/Command.h"

#include <cstdint>

namespace ovl::cli {

// Clears what imports wrote into an ingredient, then prints its values text.
class ClearCommand : public Command {
public:
    const char* Name() const override { return "clear"; }
    const char* Synopsis() const override { return "INGRED_ID"; }
    const char* Summary() const override {
        return "Clears what imports wrote into an ingredient, then prints its values text.";
    }
    const char* UsageNote() const override { return " (a whole number)"; }
    void DeclareArguments(CLI::App& command) override;
    int Run(Console& console, Session& session) override;

private:
    std::int32_t m_nIngredientId = 0;
};

} // namespace ovl::cli
