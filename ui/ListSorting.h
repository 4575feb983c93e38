#pragma once

#include <string>

namespace ovl {

// The sort keys of the two lists: the absolute value is the column index plus 1, positive
// ascending, negative descending, 0 no order.
constexpr int kDefaultRefSortKey = 2;   // product name, ascending
constexpr int kDefaultLocalSortKey = 1; // ingredient name, ascending

// The key after a click on the heading of `column` of a list with `columnCount` columns:
// the same column inverts the order, another column sorts by it ascending.
int SortKeyAfterHeaderClick(int key, int column, int columnCount);

// "dd/mm/yyyy" rewritten as "yyyy/mm/dd", so dates compare as text; empty stays empty.
std::string DateSortText(const std::string& date);

// Byte-wise comparison on unsigned bytes: negative, zero or positive.
int CompareBytes(const std::string& a, const std::string& b);

} // namespace ovl
