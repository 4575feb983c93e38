#include "ui/ReferenceSortKeys.h"

#include "app/TextCodec.h"
#include "central/GrpIndex.h"
#include "central/ProdCache.h"
#include "central/ProvCache.h"
#include "central/SrcCache.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace ovl {

namespace {

std::uint64_t HeadOf(std::string_view text) {
    std::uint64_t head = 0;
    for (size_t i = 0; i < 8; ++i)
        head = head << 8 | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
    return head;
}

// Byte-wise on unsigned bytes; a prefix is smaller.
int Compare(std::string_view a, std::string_view b) {
    const int c = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
    if (c != 0)
        return c;
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

} // namespace

std::string_view ReferenceSortKeys::Folded(std::unordered_map<std::int64_t, std::string>& memo,
                                           std::int64_t id, const std::string& text) {
    auto found = memo.find(id);
    if (found == memo.end())
        found = memo.emplace(id, SearchKey(text)).first;
    return found->second;
}

ReferenceSortKeys::Key ReferenceSortKeys::MakeKey(int row, int column) {
    Key key{0, {}, 0, row, 0};
    const PRODCACHE product = m_products.GetRecord(row);
    switch (column) {
    case 0:
        key.text =
            Folded(m_supplierKeys, product.m_nPROVID, m_suppliers.GetName(product.m_nPROVID));
        break;
    case 1:
        key.text = m_products.GetNameKey(row);
        break;
    case 2:
        key.text = m_products.GetRefFabKey(row);
        break;
    case 3:
        key.text = Folded(m_groupKeys, product.m_nGRPID, m_groups.GetName(product.m_nGRPID));
        break;
    case 4:
        key.date = m_products.GetDateKey(row);
        break;
    case 5:
        // A product without a source shows its supplier's name there.
        key.text =
            product.m_nSRCID != -1
                ? Folded(m_sourceKeys, product.m_nSRCID, m_sources.GetCitation(product.m_nSRCID))
                : Folded(m_supplierKeys, product.m_nPROVID, m_suppliers.GetName(product.m_nPROVID));
        break;
    default:
        break; // a column that does not exist compares empty texts
    }
    key.head = HeadOf(key.text);
    return key;
}

void ReferenceSortKeys::Sort(std::vector<int>& rows, int sortKey) {
    if (sortKey == 0 || rows.size() < 2)
        return;
    const int column = std::abs(sortKey) - 1;
    std::vector<Key> keys;
    keys.reserve(rows.size());
    for (int row : rows)
        keys.push_back(MakeKey(row, column));
    for (size_t i = 0; i < keys.size(); ++i)
        keys[i].position = i;
    const bool ascending = sortKey > 0;
    // Equal texts keep the scan order: the position breaks ties, which a plain sort does
    // faster than a stable one.
    std::sort(keys.begin(), keys.end(), [ascending](const Key& a, const Key& b) {
        int c = 0;
        if (a.date != b.date)
            c = a.date < b.date ? -1 : 1;
        else if (a.head != b.head)
            c = a.head < b.head ? -1 : 1;
        else
            c = Compare(a.text, b.text);
        if (c != 0)
            return ascending ? c < 0 : c > 0;
        return a.position < b.position;
    });
    for (size_t i = 0; i < keys.size(); ++i)
        rows[i] = keys[i].row;
}

} // namespace ovl
