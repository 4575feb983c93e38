#pragma once

#include "cli/Command.h"

#include <cstdint>

namespace ovl::cli {

// Imports a reference product into an ingredient, then prints the ingredient's values text.
class ImportCommand : public Command {
public:
    ImportCommand();
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
