#pragma once

#include "cli/Command.h"

namespace ovl::cli {

// The reference search of the window's left list, with the same rules and order.
class SearchCommand : public Command {
public:
    const char* Name() const override { return "search"; }
    const char* Synopsis() const override {
        return "[--name T] [--code T] [--source T] [--supplier ID] [--group ID] [--all-suppliers]";
    }
    int Run(Console& console, const Invocation& invocation) override;
};

} // namespace ovl::cli
