#pragma once

#include "cli/Command.h"

#include <cstdint>

namespace ovl::cli {

// The detail text of one reference product, as the window's left pane holds it.
class ProductCommand : public Command {
public:
    ProductCommand();
    void DeclareArguments(CLI::App& command) override;
    int Run(Console& console, Session& session) override;

private:
    std::int32_t m_nProductId = 0;
};

} // namespace ovl::cli
