#pragma once

#include "cli/Command.h"

#include "ui/ReferenceSearch.h"

namespace ovl::cli {

// The reference search of the window's left list, with the same rules and order.
class SearchCommand : public Command {
public:
    SearchCommand();
    void DeclareArguments(CLI::App& command) override;
    int Run(Console& console, Session& session) override;

private:
    ReferenceSearchInputs m_inputs;
    bool m_bAllSuppliers = false;
};

} // namespace ovl::cli
