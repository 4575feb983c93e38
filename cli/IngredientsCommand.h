#pragma once

#include "cli/Command.h"

#include <string>

namespace ovl::cli {

// The local ingredients whose name or code contains the filter, as the window's right list shows
// them.
class IngredientsCommand : public Command {
public:
    IngredientsCommand();
    void DeclareArguments(CLI::App& command) override;
    int Run(Console& console, Session& session) override;

private:
    std::string m_strFilter;
};

} // namespace ovl::cli
