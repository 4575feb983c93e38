#pragma once

#include <string>
#include <vector>

namespace ovl::cli {

// A line-by-line difference of two texts: "  " before a line both hold, "- " before a line
// only the first holds, "+ " before a line only the second holds (longest common subsequence).
std::vector<std::string> LineDiff(const std::vector<std::string>& first,
                                  const std::vector<std::string>& second);

// The lines of a text; CR LF and LF both end a line.
std::vector<std::string> SplitLines(const std::string& text);

} // namespace ovl::cli
