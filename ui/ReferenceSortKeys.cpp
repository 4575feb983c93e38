#include "ui/ReferenceSortKeys.h"

#include "app/TextCodec.h"
#include "central/GrpIndex.h"
#include "central/ProdCache.h"
#include "central/ProvCache.h"
#include "central/RadixSort.h"
#include "central/SrcCache.h"
#include "central/TextColumn.h"

#include <cstdlib>
#include <limits>
#include <string>
#include <unordered_map>

namespace ovl {

namespace {

constexpr int kNameColumn = 1;
constexpr int kCodeColumn = 2;
constexpr int kCategoryColumn = 3;
constexpr int kDateColumn = 4;
constexpr int kSourceColumn = 5;

} // namespace

void ReferenceSortKeys::Sort(std::vector<int>& rows, int sortKey) const {
    const int column = std::abs(sortKey) - 1;
    if (sortKey == 0 || column > kSourceColumn || rows.size() < 2)
        return; // a column that does not exist compares equal texts: the order stays
    const std::vector<std::uint32_t> ranks = RanksOf(rows, column);
    struct Entry {
        std::uint32_t nRank;
        int nRow;
    };
    std::vector<Entry> entries(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        entries[i] = {sortKey > 0 ? ranks[i] : ~ranks[i], rows[i]};
    // Stable, so rows of equal texts keep the scan order in both directions.
    RadixSortBy(entries, [](const Entry& e) { return e.nRank; });
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = entries[i].nRow;
}

std::vector<std::uint32_t> ReferenceSortKeys::RanksOf(const std::vector<int>& rows,
                                                      int column) const {
    if (column != kNameColumn && column != kCodeColumn && column != kDateColumn)
        return SharedTextRanks(rows, column);
    std::vector<std::uint32_t> ranks(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        const int row = rows[i];
        if (column == kNameColumn)
            ranks[i] = m_products.GetNameRank(row);
        else if (column == kCodeColumn)
            ranks[i] = m_products.GetRefFabRank(row);
        else // yyyymmdd, and -1 for no date, which comes first as an empty text does
            ranks[i] = static_cast<std::uint32_t>(m_products.GetDateKey(row) + 1);
    }
    return ranks;
}

// Supplier, category and source texts are shared by many rows: each owner's text is folded
// once and the few texts are ranked among themselves.
std::vector<std::uint32_t> ReferenceSortKeys::SharedTextRanks(const std::vector<int>& rows,
                                                              int column) const {
    std::unordered_map<std::int64_t, std::uint32_t> slotOfOwner;
    CTextColumn texts;
    std::vector<std::uint32_t> ranks(rows.size());
    std::int64_t nLastOwner = std::numeric_limits<std::int64_t>::min();
    std::uint32_t nLastSlot = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        const PRODCACHE product = m_products.GetRecord(rows[i]);
        const std::int64_t nOwner = OwnerOf(product, column);
        if (nOwner != nLastOwner) { // rows of one owner mostly come together
            auto [it, bNew] =
                slotOfOwner.try_emplace(nOwner, static_cast<std::uint32_t>(texts.GetCount()));
            if (bNew)
                texts.Append(SearchKey(SharedText(product, column)));
            nLastOwner = nOwner;
            nLastSlot = it->second;
        }
        ranks[i] = nLastSlot;
    }
    const std::vector<std::uint32_t> rankOfSlot = texts.RankRows();
    for (std::uint32_t& nRank : ranks)
        nRank = rankOfSlot[nRank];
    return ranks;
}

// Who gives the row its text in the column: a supplier (even keys) or a source (odd keys).
std::int64_t ReferenceSortKeys::OwnerOf(const PRODCACHE& product, int column) {
    if (column == kCategoryColumn)
        return std::int64_t{product.m_nGRPID} * 2;
    if (column == kSourceColumn && product.m_nSRCID != -1)
        return std::int64_t{product.m_nSRCID} * 2 + 1;
    return std::int64_t{product.m_nPROVID} * 2;
}

// The displayed text: a product without a source shows its supplier's name as its source.
std::string ReferenceSortKeys::SharedText(const PRODCACHE& product, int column) const {
    if (column == kCategoryColumn)
        return m_groups.GetName(product.m_nGRPID);
    if (column == kSourceColumn && product.m_nSRCID != -1)
        return m_sources.GetCitation(product.m_nSRCID);
    return m_suppliers.GetName(product.m_nPROVID);
}

} // namespace ovl
