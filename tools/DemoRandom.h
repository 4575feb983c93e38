#pragma once

#include <cstdint>

namespace ovl::demo {

// A small deterministic generator (SplitMix64): the same seed gives the same numbers on
// every platform, unlike the distributions of the standard library.
class DemoRandom {
public:
    explicit DemoRandom(std::uint64_t nSeed) : m_nState(nSeed) {}
    // A generator for one item of a stream, independent of how many items come before it.
    DemoRandom(std::uint64_t nSeed, std::uint64_t nStream, std::uint64_t nItem)
        : m_nState(nSeed ^ (nStream * 0xD1B54A32D192ED03ULL) ^ (nItem * 0x9E3779B97F4A7C15ULL)) {
        Next();
    }

    std::uint64_t Next() {
        std::uint64_t z = (m_nState += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // 0 <= result < nCount.
    int Below(int nCount) { return static_cast<int>(Next() % static_cast<std::uint64_t>(nCount)); }
    // nLow <= result <= nHigh.
    int Between(int nLow, int nHigh) { return nLow + Below(nHigh - nLow + 1); }
    // True with the given chance in percent.
    bool Percent(int nChance) { return Below(100) < nChance; }
    // 0 <= result < 1.
    double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

private:
    std::uint64_t m_nState;
};

} // namespace ovl::demo
