#include "central/TextColumn.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace ovl {

void CTextColumn::Clear() {
    m_strBuffer.clear();
    m_offsets.assign(1, 0);
}

void CTextColumn::Append(std::string_view text) {
    if (m_strBuffer.size() + text.size() > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("text column larger than 4 GB");
    m_strBuffer.append(text);
    m_offsets.push_back(static_cast<std::uint32_t>(m_strBuffer.size()));
}

void CTextColumn::ShrinkToFit() {
    m_strBuffer.shrink_to_fit();
    m_offsets.shrink_to_fit();
}

size_t CTextColumn::MemoryUsed() const {
    return m_strBuffer.capacity() + m_offsets.capacity() * sizeof(std::uint32_t);
}

// The row whose text holds the byte at nOffset; rows before nFromRow are known to end
// before it. Hits are usually near, so a short walk comes before the binary search.
size_t CTextColumn::RowOfOffset(size_t nOffset, size_t nFromRow) const {
    constexpr size_t kWalk = 8;
    for (size_t nRow = nFromRow; nRow < nFromRow + kWalk && nRow < GetCount(); ++nRow)
        if (nOffset < m_offsets[nRow + 1])
            return nRow;
    const auto it = std::upper_bound(m_offsets.begin() + static_cast<std::ptrdiff_t>(nFromRow),
                                     m_offsets.end(), nOffset);
    return static_cast<size_t>(it - m_offsets.begin()) - 1;
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
        const void* pHit =
            memmem(pFrom, static_cast<size_t>(pEnd - pFrom), needle.data(), needle.size());
        if (pHit == nullptr)
            return nRows;
        const size_t nHit = static_cast<size_t>(static_cast<const char*>(pHit) - pBegin);
        nRow = RowOfOffset(nHit, nRow);
        // A hit that runs over the end of its row joins two texts: look again after it.
        if (nHit + needle.size() <= m_offsets[nRow + 1])
            return nRow;
        pFrom = pBegin + nHit + 1;
    }
    return nRows;
}

} // namespace ovl
