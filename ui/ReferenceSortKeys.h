#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ovl {

class CGrpIndex;
class CProdCache;
class CProvCache;
class CSrcCache;
struct PRODCACHE;

// Orders product cache rows as the reference-list comparator orders their displayed rows,
// without making the rows. Every row gets an integer that orders as its folded text does:
// names and codes are ranked once by the cache, the few supplier, category and source texts
// are folded and ranked here, dates compare as numbers. The rows are then sorted by that
// integer alone.
class ReferenceSortKeys {
public:
    ReferenceSortKeys(const CProdCache& products, const CProvCache& suppliers,
                      const CGrpIndex& groups, const CSrcCache& sources)
        : m_products(products), m_suppliers(suppliers), m_groups(groups), m_sources(sources) {}

    // Sorts by the list's sort key; rows that compare equal keep their order.
    void Sort(std::vector<int>& rows, int sortKey) const;

private:
    std::vector<std::uint32_t> RanksOf(const std::vector<int>& rows, int column) const;
    std::vector<std::uint32_t> SharedTextRanks(const std::vector<int>& rows, int column) const;
    static std::int64_t OwnerOf(const PRODCACHE& product, int column);
    std::string SharedText(const PRODCACHE& product, int column) const;

    const CProdCache& m_products;
    const CProvCache& m_suppliers;
    const CGrpIndex& m_groups;
    const CSrcCache& m_sources;
};

} // namespace ovl
