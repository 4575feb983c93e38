#include "central/RadixSort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

namespace ovl {
namespace {

struct Item {
    std::uint64_t key;
    int position;
};

// Compared with a stable comparison sort on keys that differ in high and low bytes only,
// with many ties.
TEST(RadixSortTest, SortsLikeAStableSort) {
    std::mt19937_64 random(7);
    for (const std::uint64_t mask : {std::uint64_t{0xFF}, std::uint64_t{0xFF00000000000003},
                                     ~std::uint64_t{0}}) {
        std::vector<Item> items;
        for (int i = 0; i < 2000; ++i)
            items.push_back({random() & mask, i});
        std::vector<Item> expected = items;
        std::stable_sort(expected.begin(), expected.end(),
                         [](const Item& a, const Item& b) { return a.key < b.key; });
        RadixSortBy(items, [](const Item& item) { return item.key; });
        for (size_t i = 0; i < items.size(); ++i) {
            ASSERT_EQ(items[i].key, expected[i].key) << i;
            ASSERT_EQ(items[i].position, expected[i].position) << i;
        }
    }
}

TEST(RadixSortTest, EqualKeysKeepTheirOrder) {
    std::vector<Item> items = {{5, 0}, {5, 1}, {5, 2}};
    RadixSortBy(items, [](const Item& item) { return item.key; });
    EXPECT_EQ(items[0].position, 0);
    EXPECT_EQ(items[2].position, 2);
}

} // namespace
} // namespace ovl
