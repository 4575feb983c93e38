#pragma once

#include <cstdint>
#include <memory>

namespace ovl {

// Direct-address table from an integer key to a row number of a cache: key k lives in slot
// k - base. Lookups cost one subtraction and one array access; the table is sized by the
// largest key stored, four bytes per possible key.
class CIntIndex {
public:
    static constexpr std::int32_t kEmpty = -1;

    explicit CIntIndex(std::int32_t nBase = 0, std::int32_t nStep = 50,
                       std::int32_t nEmpty = kEmpty, std::int32_t nInitialSize = 100);
    virtual ~CIntIndex();
    CIntIndex(const CIntIndex&) = delete;
    CIntIndex& operator=(const CIntIndex&) = delete;

    // The row stored at the key, or the empty value when the key is outside the table or
    // was never set.
    std::int32_t Lookup(std::int64_t nKey) const;
    // Stores the row at the key, growing the table as needed. A key below the base, or one
    // the table cannot grow to, is silently not indexed.
    void Set(std::int64_t nKey, std::int32_t nRow);
    // Grows the table once, as Set would for this key, without storing a row. Lets a
    // builder that knows its largest key avoid growing step by step.
    void Reserve(std::int64_t nKey);
    // Frees the table; size and base become 0.
    void Clear();

    std::int32_t Size() const { return m_nSize; }

protected:
    // A table of the given number of slots, or null when there is no memory for it.
    virtual std::unique_ptr<std::int32_t[]> AllocateSlots(std::int64_t nSlots);

private:
    bool GrowFor(std::int64_t nSlot);

    std::int32_t m_nBase;
    std::int32_t m_nStep;
    std::int32_t m_nEmpty;
    std::int32_t m_nSize = 0;
    std::unique_ptr<std::int32_t[]> m_pSlots;
};

} // namespace ovl
