#pragma once

#include "cli/Command.h"

#include <string>

namespace ovl::cli {

// Imports many product and ingredient pairs from a file, each on its own.
class BatchCommand : public Command {
public:
    const char* Name() const override { return "batch"; }
    const char* Synopsis() const override { return "FILE"; }
    const char* Summary() const override {
        return "Imports many product and ingredient pairs from a file, each on its own.";
    }
    void DeclareArguments(CLI::App& command) override;
    int Run(Console& console, Session& session) override;

private:
    std::string m_strFile;
};

} // namespace ovl::cli
