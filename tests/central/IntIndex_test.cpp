#include "central/IntIndex.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

namespace ovl {
namespace {

TEST(IntIndexTest, GrowsToTheSizeOfTheGrowthRule) {
    struct Case {
        std::int64_t key;
        std::int32_t size;
    } const cases[] = {{0, 100},   {99, 100},  {100, 150}, {120, 150},  {149, 200},
                       {150, 200}, {151, 200}, {250, 300}, {1000, 1050}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.key);
        CIntIndex index;
        index.Set(c.key, 7);
        EXPECT_EQ(index.Size(), c.size);
        EXPECT_EQ(index.Lookup(c.key), 7);
    }
}

TEST(IntIndexTest, AbsentKeysGiveTheEmptyValue) {
    CIntIndex index;
    index.Set(150, 7);
    index.Set(-3, 9); // below the base: not indexed
    for (std::int64_t key : {-1, -3, 0, 149, 199, 200, 1000000})
        EXPECT_EQ(index.Lookup(key), -1) << "key " << key;
    EXPECT_EQ(index.Size(), 200);

    index.Clear();
    EXPECT_EQ(index.Size(), 0);
    EXPECT_EQ(index.Lookup(150), -1);
    index.Set(5, 2); // a cleared index grows again
    EXPECT_EQ(index.Lookup(5), 2);
}

TEST(IntIndexTest, ReserveGrowsOnceAsSetWould) {
    CIntIndex index;
    index.Set(3, 1);
    index.Reserve(149);
    EXPECT_EQ(index.Size(), 200);
    EXPECT_EQ(index.Lookup(3), 1);
    EXPECT_EQ(index.Lookup(149), -1);
}

// An index whose growth finds no memory.
class NoMemoryIndex : public CIntIndex {
public:
    bool m_bFail = false;

protected:
    std::unique_ptr<std::int32_t[]> AllocateSlots(std::int64_t nSlots) override {
        return m_bFail ? nullptr : CIntIndex::AllocateSlots(nSlots);
    }
};

TEST(IntIndexTest, FailedGrowthKeepsTheOldTable) {
    NoMemoryIndex index;
    index.Set(12, 4);
    index.m_bFail = true;
    index.Set(150, 7);
    EXPECT_EQ(index.Size(), 100);
    EXPECT_EQ(index.Lookup(150), -1);
    EXPECT_EQ(index.Lookup(12), 4);
    index.Set(13, 5); // within the table: still stored
    EXPECT_EQ(index.Lookup(13), 5);
}

} // namespace
} // namespace ovl
