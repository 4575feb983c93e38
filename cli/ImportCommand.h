#pragma once

#include "cli/Command.h"

#include <cstdint>

namespace ovl::cli {

// Imports a reference product into an ingredient, then prints the ingredient's values text.
class ImportCommand : public Command {
public:
    const char* Name() const override { return "import"; }
    const char* Synopsis() const override { return "PRODUCT_ID INGRED_ID [--update-legal-names]"; }
    const char* Summary() const override {
        return "Imports a reference product into an ingredient, then prints the ingredient's "
               "values text.";
    }
    const char* UsageNote() const override { return " (whole numbers)"; }
    void DeclareArguments(CLI::App& command) override;
    // The legal-names question is answered yes only with the flag.
    bool AnswersYes() const override { return m_bUpdateLegalNames; }
    int Run(Console& console, Session& session) override;

private:
    std::int32_t m_nProductId = 0;
    std::int32_t m_nIngredientId = 0;
    bool m_bUpdateLegalNames = false;
};

} // namespace ovl::cli
