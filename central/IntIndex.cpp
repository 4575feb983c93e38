#include "central/IntIndex.h"

#include <algorithm>
#include <limits>
#include <new>

namespace ovl {

CIntIndex::CIntIndex(std::int32_t nBase, std::int32_t nStep, std::int32_t nEmpty,
                     std::int32_t nInitialSize)
    : m_nBase(nBase), m_nStep(nStep > 0 ? nStep : 1), m_nEmpty(nEmpty) {
    m_pSlots = CIntIndex::AllocateSlots(nInitialSize); // no override runs during construction
    if (m_pSlots) {
        m_nSize = nInitialSize;
        std::fill_n(m_pSlots.get(), m_nSize, m_nEmpty);
    }
}

CIntIndex::~CIntIndex() = default;

std::unique_ptr<std::int32_t[]> CIntIndex::AllocateSlots(std::int64_t nSlots) {
    if (nSlots <= 0 || static_cast<std::uint64_t>(nSlots) >
                           std::numeric_limits<size_t>::max() / sizeof(std::int32_t))
        return nullptr;
    return std::unique_ptr<std::int32_t[]>(new (std::nothrow)
                                               std::int32_t[static_cast<size_t>(nSlots)]);
}

std::int32_t CIntIndex::Lookup(std::int64_t nKey) const {
    const std::int64_t nSlot = nKey - m_nBase;
    if (!m_pSlots || nSlot < 0 || nSlot >= m_nSize)
        return m_nEmpty;
    return m_pSlots[static_cast<size_t>(nSlot)];
}

void CIntIndex::Set(std::int64_t nKey, std::int32_t nRow) {
    const std::int64_t nSlot = nKey - m_nBase;
    if (nSlot < 0)
        return;
    if (nSlot >= m_nSize && !GrowFor(nSlot))
        return;
    m_pSlots[static_cast<size_t>(nSlot)] = nRow;
}

void CIntIndex::Reserve(std::int64_t nKey) {
    const std::int64_t nSlot = nKey - m_nBase;
    if (nSlot >= m_nSize)
        GrowFor(nSlot);
}

// New size for slot i beyond the size s: i + step - ((i - s + 1) mod step) + 1, so that
// s = 100 gives 150 for i = 100 or 120, and 200 for i = 149. When there is no memory for
// the new table, the old one stays.
bool CIntIndex::GrowFor(std::int64_t nSlot) {
    const std::int64_t nNewSize = nSlot + m_nStep - ((nSlot - m_nSize + 1) % m_nStep) + 1;
    if (nNewSize > std::numeric_limits<std::int32_t>::max())
        return false;
    std::unique_ptr<std::int32_t[]> pNew = AllocateSlots(nNewSize);
    if (!pNew)
        return false;
    std::fill_n(pNew.get(), nNewSize, m_nEmpty);
    if (m_pSlots)
        std::copy_n(m_pSlots.get(), m_nSize, pNew.get());
    m_pSlots = std::move(pNew);
    m_nSize = static_cast<std::int32_t>(nNewSize);
    return true;
}

void CIntIndex::Clear() {
    m_pSlots.reset();
    m_nSize = 0;
    m_nBase = 0;
}

} // namespace ovl
