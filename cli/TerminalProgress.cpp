#include "cli/TerminalProgress.h"

#include <algorithm>
#include <ostream>

namespace ovl::cli {

void TerminalProgress::Update(std::size_t done, std::size_t total, const std::string& text) {
    if (m_console.IsTerminal())
        DrawBar(done, total);
    else if (!text.empty())
        m_console.ErrorLine(text);
}

void TerminalProgress::Report(const std::string& text) {
    if (m_console.IsTerminal())
        m_console.Err() << '\r' << std::string(50, ' ') << '\r';
    m_console.ErrorLine(text);
}

void TerminalProgress::DrawBar(std::size_t done, std::size_t total) {
    std::ostream& err = m_console.Err();
    constexpr std::size_t kWidth = 30;
    if (total == 0) {
        err << '\r' << done; // the count is not known yet
    } else {
        const std::size_t filled = std::min(done, total) * kWidth / total;
        err << "\r[" << std::string(filled, '#') << std::string(kWidth - filled, ' ') << "] "
            << done << '/' << total;
    }
    if (done == total)
        err << '\n';
    err.flush();
}

} // namespace ovl::cli
