#pragma once

#include "cli/Command.h"

#include <cstdint>

namespace ovl::cli {

// Compares a product's detail with an ingredient's values: the mark, then the lines that differ.
class CompareCommand : public Command {
public:
    const char* Name() const override { return "compare"; }
    const char* Synopsis() const override { return "PRODUCT_ID INGRED_ID"; }
    const char* Summary() const override {
        return "Compares a product's detail with an ingredient's values: the mark, then the lines "
               "that differ.";
    }
    const char* UsageNote() const override { return " (whole numbers)"; }
    void DeclareArguments(CLI::App& command) override;
    int Run(Console& console, Session& session) override;

private:
    std::int32_t m_nProductId = 0;
    std::int32_t m_nIngredientId = 0;
};

} // namespace ovl::cli
