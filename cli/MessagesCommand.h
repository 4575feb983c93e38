#pragma once

#include "cli/Command.h"

namespace ovl::cli {

// Prints the message catalogue of one language, for translators; needs no database.
class MessagesCommand : public Command {
public:
    const char* Name() const override { return "messages"; }
    const char* Synopsis() const override { return "[--lang N]"; }
    int Run(Console& console, const Invocation& invocation) override;
};

} // namespace ovl::cli
