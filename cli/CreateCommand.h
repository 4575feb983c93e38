#pragma once

#include "cli/Command.h"

#include "app/AppActions.h"

#include <cstdint>

namespace ovl::cli {

// Creates an ingredient from a reference product and imports the product into it.
class CreateCommand : public Command {
public:
    const char* Name() const override { return "create"; }
    const char* Synopsis() const override {
        return "PRODUCT_ID [--fr T] [--en T] [--de T] [--sp T] [--it T]";
    }
    const char* Summary() const override {
        return "Creates an ingredient from a reference product and imports the product into it.";
    }
    void DeclareArguments(CLI::App& command) override;
    int Run(Console& console, Session& session) override;

private:
    std::int32_t m_nProductId = 0;
    AppActions::NameChoices m_names;
};

} // namespace ovl::cli
