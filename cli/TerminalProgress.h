#pragma once

#include "app/Progress.h"
#include "cli/Console.h"

namespace ovl::cli {

// Progress on stderr: a bar on a terminal; elsewhere only the texts of the updates, one line
// each, so that a log of the run keeps them.
class TerminalProgress : public ProgressObserver {
public:
    explicit TerminalProgress(Console& console) : m_console(console) {}

    void Update(std::size_t done, std::size_t total, const std::string& text) override;
    // A report between updates of the bar starts on its own line.
    void Report(const std::string& text) override;

private:
    void DrawBar(std::size_t done, std::size_t total);

    Console& m_console;
};

} // namespace ovl::cli
