#pragma once

#include "cli/Command.h"

#include <string>

namespace ovl::cli {

// Prints the catalogue texts of one language, one line each.
class MessagesCommand : public Command {
public:
    MessagesCommand();
    void DeclareArguments(CLI::App& command) override;
    bool NeedsDatabases() const override { return false; }
    int RunOffline(Console& console) override;

private:
    std::string m_strLanguage = "0";
};

} // namespace ovl::cli
