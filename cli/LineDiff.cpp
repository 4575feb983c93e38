#include "cli/LineDiff.h"

namespace ovl::cli {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> LineDiff(const std::vector<std::string>& a,
                                  const std::vector<std::string>& b) {
    // common[i][j]: length of the longest common subsequence of a[i..] and b[j..].
    const size_t n = a.size(), m = b.size();
    std::vector<std::vector<size_t>> common(n + 1, std::vector<size_t>(m + 1, 0));
    for (size_t i = n; i-- > 0;)
        for (size_t j = m; j-- > 0;)
            common[i][j] = a[i] == b[j] ? common[i + 1][j + 1] + 1
                                        : std::max(common[i + 1][j], common[i][j + 1]);
    std::vector<std::string> out;
    size_t i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && a[i] == b[j]) {
            out.push_back("  " + a[i++]);
            ++j;
        } else if (i < n && (j == m || common[i + 1][j] >= common[i][j + 1])) {
            out.push_back("- " + a[i++]);
        } else {
            out.push_back("+ " + b[j++]);
        }
    }
    return out;
}

} // namespace ovl::cli
