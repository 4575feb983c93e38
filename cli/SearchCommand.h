#pragma once

#include "cli/Command.h"

#include "ui/ReferenceSearch.h"

namespace ovl::cli {

// The reference search of the window's left list, with the same rules and order.
class SearchCommand : public Command {
public:
    const char* Name() const override { return "search"; }
    const char* Synopsis() const override {
        return "[--name T] [--code T] [--source T] [--supplier ID] [--group ID] [--all-suppliers]";
    }
    const char* Summary() const override {
        return "The reference search of the window's left list, with the same rules and order.";
    }
    void DeclareArguments(CLI::App& command) override;
    int Run(Console& console, Session& session) override;

private:
    ReferenceSearchInputs m_inputs;
    bool m_bAllSuppliers = false;
};

} // namespace ovl::cli
