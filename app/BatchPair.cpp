#include "app/BatchPair.h"

#include "app/Identifier.h"

#include <optional>

namespace ovl {

namespace {

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::optional<BatchPair> ParsePair(const std::string& text, int line) {
    const size_t separator = text.find_first_of(";,\t");
    if (separator == std::string::npos)
        return std::nullopt;
    const auto product = ParseId(Trimmed(text.substr(0, separator)));
    const auto ingredient = ParseId(Trimmed(text.substr(separator + 1)));
    if (!product || !ingredient)
        return std::nullopt;
    return BatchPair{line, *product, *ingredient};
}

} // namespace

std::vector<BatchPair> ReadBatchPairs(std::istream& in, std::vector<std::string>& errors) {
    std::vector<BatchPair> pairs;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        const std::string trimmed = Trimmed(text);
        if (trimmed.empty() || trimmed[0] == '#')
            continue;
        if (auto pair = ParsePair(trimmed, line))
            pairs.push_back(*pair);
        else
            errors.push_back("line " + std::to_string(line) +
                             ": error: expected PRODUCT_ID;INGRED_ID, found: " + trimmed);
    }
    return pairs;
}

} // namespace ovl
