#include "central/TextColumn.h"

#include "central/RadixSort.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <stdexcept>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace ovl {

namespace {

// The first occurrence of the needle (two bytes or more) in [pText, pText + nText), or null.
// Sixteen positions are tested at once on their first and last byte; only positions where
// both agree are compared in full. Unlike memmem, it has no set-up cost per call, which
// matters when a search stops at every few rows.
const char* FindBytes(const char* pText, size_t nText, std::string_view needle) {
    const size_t nNeedle = needle.size();
    if (nNeedle == 1)
        return static_cast<const char*>(std::memchr(pText, needle[0], nText));
    if (nText < nNeedle)
        return nullptr;
    size_t i = 0;
#if defined(__SSE2__)
    const __m128i first = _mm_set1_epi8(needle.front());
    const __m128i last = _mm_set1_epi8(needle.back());
    constexpr size_t kBlock = 16;
    for (; i + nNeedle - 1 + kBlock <= nText; i += kBlock) {
        const __m128i blockFirst = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pText + i));
        const __m128i blockLast =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(pText + i + nNeedle - 1));
        auto mask = static_cast<unsigned>(_mm_movemask_epi8(
            _mm_and_si128(_mm_cmpeq_epi8(blockFirst, first), _mm_cmpeq_epi8(blockLast, last))));
        while (mask != 0) {
            const size_t nAt = i + static_cast<size_t>(__builtin_ctz(mask));
            // Two-byte needles are settled by the first and last byte alone.
            if (nNeedle == 2 || std::memcmp(pText + nAt + 1, needle.data() + 1, nNeedle - 2) == 0)
                return pText + nAt;
            mask &= mask - 1;
        }
    }
#endif
    return static_cast<const char*>(memmem(pText + i, nText - i, needle.data(), nNeedle));
}

// The first eight bytes, most significant first, zero-padded: a smaller head means a smaller
// text; equal heads leave the order to the whole texts.
std::uint64_t OrderHead(std::string_view text) {
    std::uint64_t nHead = 0;
    for (size_t i = 0; i < 8; ++i)
        nHead = nHead << 8 | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
    return nHead;
}

// Shrinking copies the whole container: worth it only for more than an eighth to spare.
template <class Container>
void ShrinkIfSpare(Container& container) {
    if (container.capacity() - container.size() > container.size() / 8)
        container.shrink_to_fit();
}

bool TextLess(std::string_view a, std::string_view b) {
    const int c = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
    return c != 0 ? c < 0 : a.size() < b.size();
}

} // namespace

void CTextColumn::Clear() {
    m_strBuffer.clear();
    m_offsets.assign(1, 0);
    m_heads.clear();
}

void CTextColumn::Reserve(size_t nRows, size_t nBytes) {
    m_strBuffer.reserve(nBytes);
    m_offsets.reserve(nRows + 1);
    if (m_bKeepHeads)
        m_heads.reserve(nRows);
}

std::uint32_t CTextColumn::HeadOf(std::string_view text) {
    std::uint32_t nHead = 0;
    for (size_t i = 0; i < text.size() && i < sizeof nHead; ++i)
        nHead |= static_cast<std::uint32_t>(static_cast<unsigned char>(text[i])) << (8 * i);
    return nHead;
}

void CTextColumn::Append(std::string_view text) {
    if (m_strBuffer.size() + text.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("text column larger than 4 GB");
    m_strBuffer.append(text);
    m_offsets.push_back(static_cast<std::uint32_t>(m_strBuffer.size()));
    if (m_bKeepHeads)
        m_heads.push_back(HeadOf(text));
}

void CTextColumn::ShrinkToFit() {
    ShrinkIfSpare(m_strBuffer);
    ShrinkIfSpare(m_offsets);
    ShrinkIfSpare(m_heads);
}

// Product names repeat across suppliers and pack sizes, so the distinct texts are gathered
// first, through an open-addressing table of row numbers, and only those are sorted.
std::vector<std::uint32_t> CTextColumn::RankRows() const {
    const size_t nRows = GetCount();
    std::vector<std::uint32_t> slotOfRow(nRows);
    std::vector<std::uint32_t> distinctRows; // the first row of each distinct text
    {
        size_t nTableSize = 16;
        while (nTableSize < 2 * nRows)
            nTableSize *= 2;
        constexpr std::uint32_t kEmpty = ~std::uint32_t{0};
        std::vector<std::uint32_t> table(nTableSize, kEmpty); // slot of a distinct text
        const std::hash<std::string_view> hash;
        for (size_t nRow = 0; nRow < nRows; ++nRow) {
            const std::string_view text = Get(nRow);
            size_t nAt = hash(text) & (nTableSize - 1);
            while (table[nAt] != kEmpty && Get(distinctRows[table[nAt]]) != text)
                nAt = (nAt + 1) & (nTableSize - 1);
            if (table[nAt] == kEmpty) {
                table[nAt] = static_cast<std::uint32_t>(distinctRows.size());
                distinctRows.push_back(static_cast<std::uint32_t>(nRow));
            }
            slotOfRow[nRow] = table[nAt];
        }
    }
    struct Entry {
        std::uint64_t nHead;
        std::uint32_t nSlot;
    };
    std::vector<Entry> order(distinctRows.size());
    for (size_t i = 0; i < distinctRows.size(); ++i)
        order[i] = {OrderHead(Get(distinctRows[i])), static_cast<std::uint32_t>(i)};
    // The heads settle the order of most texts; those that share their first eight bytes
    // are then compared in full.
    RadixSortBy(order, [](const Entry& e) { return e.nHead; });
    for (size_t nFirst = 0, nEnd = 0; nFirst < order.size(); nFirst = nEnd) {
        nEnd = nFirst + 1;
        while (nEnd < order.size() && order[nEnd].nHead == order[nFirst].nHead)
            ++nEnd;
        if (nEnd - nFirst > 1)
            std::sort(order.begin() + static_cast<std::ptrdiff_t>(nFirst),
                      order.begin() + static_cast<std::ptrdiff_t>(nEnd),
                      [&](const Entry& a, const Entry& b) {
                          return TextLess(Get(distinctRows[a.nSlot]), Get(distinctRows[b.nSlot]));
                      });
    }
    std::vector<std::uint32_t> rankOfSlot(distinctRows.size());
    for (size_t i = 0; i < order.size(); ++i)
        rankOfSlot[order[i].nSlot] = static_cast<std::uint32_t>(i);
    for (std::uint32_t& nSlot : slotOfRow)
        nSlot = rankOfSlot[nSlot];
    return slotOfRow;
}

size_t CTextColumn::MemoryUsed() const {
    return m_strBuffer.capacity() +
           (m_offsets.capacity() + m_heads.capacity()) * sizeof(std::uint32_t);
}

// The row whose text holds the byte at nOffset; rows before nFromRow are known to end
// before it. Hits are usually a few rows apart: the search widens from nFromRow in doubling
// steps, then halves the last step, so it stays within a few nearby cache lines.
size_t CTextColumn::RowOfOffset(size_t nOffset, size_t nFromRow) const {
    const size_t nRows = GetCount();
    size_t nLow = nFromRow; // starts at or before nOffset
    size_t nStep = 1;
    while (nLow + nStep < nRows && m_offsets[nLow + nStep] <= nOffset) {
        nLow += nStep;
        nStep *= 2;
    }
    const size_t nHigh = std::min(nLow + nStep, nRows); // starts beyond nOffset
    const auto first = m_offsets.begin() + static_cast<std::ptrdiff_t>(nLow + 1);
    const auto last = m_offsets.begin() + static_cast<std::ptrdiff_t>(nHigh + 1);
    return static_cast<size_t>(std::upper_bound(first, last, nOffset) - m_offsets.begin()) - 1;
}

size_t CTextColumn::FindRowStartingWith(std::string_view needle, size_t nFromRow) const {
    const size_t nRows = GetCount();
    const size_t nHeadBytes = std::min(needle.size(), sizeof(std::uint32_t));
    const std::uint32_t nMask = nHeadBytes == sizeof(std::uint32_t)
                                    ? ~std::uint32_t{0}
                                    : (std::uint32_t{1} << (8 * nHeadBytes)) - 1;
    const std::uint32_t nWanted = HeadOf(needle) & nMask;
    for (size_t nRow = nFromRow; nRow < nRows; ++nRow)
        if ((m_heads[nRow] & nMask) == nWanted && Get(nRow).starts_with(needle))
            return nRow;
    return nRows;
}

size_t CTextColumn::FindRowContaining(std::string_view needle, size_t nFromRow) const {
    const size_t nRows = GetCount();
    if (nFromRow >= nRows)
        return nRows;
    const char* const pBegin = m_strBuffer.data();
    const char* const pEnd = pBegin + m_strBuffer.size();
    const char* pFrom = pBegin + m_offsets[nFromRow];
    size_t nRow = nFromRow;
    while (static_cast<size_t>(pEnd - pFrom) >= needle.size()) {
        const char* pHit = FindBytes(pFrom, static_cast<size_t>(pEnd - pFrom), needle);
        if (pHit == nullptr)
            return nRows;
        const size_t nHit = static_cast<size_t>(pHit - pBegin);
        nRow = RowOfOffset(nHit, nRow);
        // A hit that runs over the end of its row joins two texts: look again after it.
        if (nHit + needle.size() <= m_offsets[nRow + 1])
            return nRow;
        pFrom = pBegin + nHit + 1;
    }
    return nRows;
}

} // namespace ovl
