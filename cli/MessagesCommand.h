#pragma once

#include "cli/Command.h"

#include <string>

namespace ovl::cli {

// Prints the catalogue texts of one language, one line each.
class MessagesCommand : public Command {
public:
    const char* Name() const override { return "messages"; }
    const char* Synopsis() const override { return "[--lang N]"; }
    const char* Summary() const override {
        return "Prints the catalogue texts of one language, one line each.";
    }
    const char* UsageNote() const override { return ", N from 0 to 4"; }
    void DeclareArguments(CLI::App& command) override;
    bool NeedsDatabases() const override { return false; }
    int RunOffline(Console& console) override;

private:
    std::string m_strLanguage = "0";
};

} // namespace ovl::cli
