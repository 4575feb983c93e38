#pragma once

#include "cli/Command.h"

#include <string>

namespace ovl::cli {

// Imports many product and ingredient pairs from a file, each on its own.
class BatchCommand : public Command {
public:
    BatchCommand();
    void DeclareArguments(CLI::App& command) override;
    int Run(Console& console, Session& session) override;

private:
    std::string m_strFile;
};

} // namespace ovl::cli
