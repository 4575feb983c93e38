#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ovl {

// An append-only column of texts held end to end in one buffer, with one offset per row:
// a million rows cost one allocation and four bytes of bookkeeping each, and a scan over
// the column walks contiguous memory.
class CTextColumn {
public:
    // With bKeepHeads, the first four bytes of every text are also kept in an array of
    // their own, so that a test of how texts start reads 4 bytes per row, not the texts.
    explicit CTextColumn(bool bKeepHeads = false) : m_offsets{0}, m_bKeepHeads(bKeepHeads) {}

    void Clear();
    // Room for nRows texts of nBytes in all, so that a column filled row by row is not
    // copied again each time it outgrows its memory.
    void Reserve(size_t nRows, size_t nBytes);
    void Append(std::string_view text);
    // Drops the spare capacity left by growing, unless it is small: shrinking copies the
    // whole column.
    void ShrinkToFit();

    size_t GetCount() const { return m_offsets.size() - 1; }
    size_t GetByteCount() const { return m_strBuffer.size(); }
    // The text of a row; the caller checks the row.
    std::string_view Get(size_t nRow) const {
        return std::string_view(m_strBuffer.data() + m_offsets[nRow],
                                m_offsets[nRow + 1] - m_offsets[nRow]);
    }

    // The first row at or after nFromRow whose text contains the needle, or GetCount() when
    // none does. The needle must not be empty. One pass over the buffer, no allocation.
    size_t FindRowContaining(std::string_view needle, size_t nFromRow) const;
    // The first row at or after nFromRow whose text starts with the needle, or GetCount().
    // Needs the heads; the needle must not be empty.
    size_t FindRowStartingWith(std::string_view needle, size_t nFromRow) const;

    // The rank of every row's text among the column's distinct texts, in byte order on
    // unsigned bytes with a prefix first: equal texts share a rank, so that rows can later be
    // ordered by comparing integers instead of texts.
    std::vector<std::uint32_t> RankRows() const;

    size_t MemoryUsed() const;

private:
    size_t RowOfOffset(size_t nOffset, size_t nFromRow) const;
    static std::uint32_t HeadOf(std::string_view text);

    std::string m_strBuffer;
    std::vector<std::uint32_t> m_offsets;
    std::vector<std::uint32_t> m_heads; // first four bytes, zero-padded, first byte lowest
    bool m_bKeepHeads;
};

} // namespace ovl
