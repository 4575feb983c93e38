#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ovl {

class CGrpIndex;
class CProdCache;
class CProvCache;
class CSrcCache;

// Orders product cache rows as the reference-list comparator orders their displayed rows,
// without making the rows: names and codes are compared in the cache's own folded form, the
// few supplier, group and source names are folded once each, dates compare as numbers.
class ReferenceSortKeys {
public:
    ReferenceSortKeys(const CProdCache& products, const CProvCache& suppliers,
                      const CGrpIndex& groups, const CSrcCache& sources)
        : m_products(products), m_suppliers(suppliers), m_groups(groups), m_sources(sources) {}

    // Sorts by the list's sort key; rows that compare equal keep their order.
    void Sort(std::vector<int>& rows, int sortKey);

private:
    struct Key {
        std::uint64_t head; // the first eight bytes, most significant first
        std::string_view text;
        std::int32_t date;
        int row;
        size_t position; // in the scan's order
    };

    Key MakeKey(int row, int column);
    std::string_view Folded(std::unordered_map<std::int64_t, std::string>& memo, std::int64_t id,
                            const std::string& text);

    const CProdCache& m_products;
    const CProvCache& m_suppliers;
    const CGrpIndex& m_groups;
    const CSrcCache& m_sources;
    std::unordered_map<std::int64_t, std::string> m_supplierKeys;
    std::unordered_map<std::int64_t, std::string> m_groupKeys;
    std::unordered_map<std::int64_t, std::string> m_sourceKeys;
};

} // namespace ovl
