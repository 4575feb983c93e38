#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <vector>

namespace ovl {

// Sorts the items by an unsigned integer key, keeping the order of items with equal keys:
// one counting pass per byte of the key, least significant first, skipping the bytes in
// which all keys agree. Large result sets sort in a few linear passes instead of n log n
// comparisons.
template <class Item, class KeyOf>
void RadixSortBy(std::vector<Item>& items, KeyOf keyOf) {
    using Key = std::invoke_result_t<KeyOf, const Item&>;
    static_assert(std::is_unsigned_v<Key>, "the key must be an unsigned integer");
    if (items.size() < 2)
        return;
    Key nAny = 0;
    Key nAll = static_cast<Key>(~Key{0});
    for (const Item& item : items) {
        nAny |= keyOf(item);
        nAll &= keyOf(item);
    }
    const Key nVarying = nAny ^ nAll;
    std::vector<Item> sorted(items.size());
    for (unsigned nShift = 0; nShift < 8 * sizeof(Key); nShift += 8) {
        if ((nVarying >> nShift & 0xFF) == 0)
            continue;
        std::array<size_t, 257> starts{};
        for (const Item& item : items)
            ++starts[(keyOf(item) >> nShift & 0xFF) + 1];
        for (size_t i = 1; i < starts.size(); ++i)
            starts[i] += starts[i - 1];
        for (const Item& item : items)
            sorted[starts[keyOf(item) >> nShift & 0xFF]++] = item;
        items.swap(sorted);
    }
}

} // namespace ovl
