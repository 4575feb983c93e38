#include "ui/ListSorting.h"

#include <cstdlib>
#include <cstring>

namespace ovl {

int SortKeyAfterHeaderClick(int key, int column, int columnCount) {
    if (column < 0 || column >= columnCount)
        return key;
    return std::abs(key) == column + 1 ? -key : column + 1;
}

std::string DateSortText(const std::string& date) {
    if (date.empty())
        return date;
    // Shorter texts than the column's own form are taken as far as they go.
    const std::string year = date.size() >= 4 ? date.substr(date.size() - 4) : date;
    const std::string month = date.size() > 3 ? date.substr(3, 2) : std::string();
    return year + "/" + month + "/" + date.substr(0, 2);
}

int CompareBytes(const std::string& a, const std::string& b) {
    const int c = std::memcmp(a.data(), b.data(), a.size() < b.size() ? a.size() : b.size());
    if (c != 0)
        return c;
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

} // namespace ovl
