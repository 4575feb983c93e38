#include "ui/ReferenceSearch.h"

#include "app/Language.h"
#include "app/TextCodec.h"
#include "central/GrpIndex.h"
#include "central/ProdCache.h"
#include "central/ProvCache.h"
#include "central/SrcCache.h"
#include "ui/ListSorting.h"
#include "ui/ReferenceSortKeys.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

namespace ovl {

namespace {

// A name of at least three characters ending in "*" asks for names starting with the rest.
bool TakePrefixMark(std::string& name) {
    if (name.size() >= 3 && name.back() == '*') {
        name.pop_back();
        return true;
    }
    return false;
}

} // namespace

const std::string& ReferenceRow::Column(int column) const {
    static const std::string kNone;
    switch (column) {
    case 0:
        return supplier;
    case 1:
        return name;
    case 2:
        return code;
    case 3:
        return category;
    case 4:
        return lastUpdate;
    case 5:
        return source;
    default:
        return kNone;
    }
}

bool ReferenceSearch::HasCriteria(const ReferenceSearchInputs& inputs) {
    std::string name = inputs.name;
    TakePrefixMark(name);
    return inputs.supplierId != -1 || inputs.groupId != -1 || name.size() >= 2 ||
           inputs.code.size() >= 2 || inputs.source.size() >= 2;
}

std::vector<ReferenceRow> ReferenceSearch::Run(const ReferenceSearchInputs& inputs,
                                               bool strictFilter, int sortKey) {
    m_caches.ProdCache();
    if (!HasCriteria(inputs))
        return {};
    // Supplier and group names are read again for each search, so that a selection made
    // meanwhile shows.
    CProvCache suppliers;
    suppliers.Build(m_central, m_nAccountId);
    CGrpIndex groups;
    groups.Build(m_central, m_nLanguage);
    std::vector<ReferenceRow> rows;
    for (int cacheRow : FindRows(inputs, strictFilter, sortKey, suppliers, groups))
        rows.push_back(MakeRow(cacheRow, suppliers, groups));
    return rows;
}

std::vector<int> ReferenceSearch::FindRows(const ReferenceSearchInputs& inputs, bool strictFilter,
                                           int sortKey, const CProvCache& suppliers,
                                           const CGrpIndex& groups) {
    CProdCache& products = m_caches.ProdCache();
    std::vector<int> rows;
    if (!HasCriteria(inputs))
        return rows;
    std::string name = inputs.name;
    const bool prefix = TakePrefixMark(name);
    for (int row = products.StartSearch(name, inputs.code, inputs.groupId, inputs.supplierId,
                                        inputs.source, prefix);
         row != -1; row = products.FindNext()) {
        if (strictFilter) {
            const PROVCACHE* supplier = suppliers.FindRecord(products.GetRecord(row).m_nPROVID);
            if (!supplier || !supplier->m_bSelected)
                continue;
        }
        rows.push_back(row);
    }
    ReferenceSortKeys keys(products, suppliers, groups, m_caches.SrcCache());
    keys.Sort(rows, sortKey);
    return rows;
}

ReferenceRow ReferenceSearch::MakeRow(int cacheRow, const CProvCache& suppliers,
                                      const CGrpIndex& groups) {
    CProdCache& products = m_caches.ProdCache();
    const PRODCACHE product = products.GetRecord(cacheRow);
    ReferenceRow r;
    r.productId = product.m_nID;
    r.supplier = suppliers.GetName(product.m_nPROVID);
    r.name = products.GetName(cacheRow);
    r.code = products.GetRefFab(cacheRow);
    r.category = groups.GetName(product.m_nGRPID);
    r.lastUpdate = products.GetDateText(cacheRow);
    r.source =
        product.m_nSRCID != -1 ? m_caches.SrcCache().GetCitation(product.m_nSRCID) : r.supplier;
    return r;
}

void SortReferenceRows(std::vector<ReferenceRow>& rows, int sortKey) {
    if (sortKey == 0 || rows.size() < 2)
        return;
    // Each row's sort text is made once, not at every comparison.
    const int column = std::abs(sortKey) - 1;
    std::vector<std::string> keys(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        keys[i] =
            column == 4 ? DateSortText(rows[i].Column(column)) : SearchKey(rows[i].Column(column));
    std::vector<size_t> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    // Equal texts keep the scan order.
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const int c = CompareBytes(keys[a], keys[b]);
        return sortKey > 0 ? c < 0 : c > 0;
    });
    std::vector<ReferenceRow> sorted;
    sorted.reserve(rows.size());
    for (size_t i : order)
        sorted.push_back(std::move(rows[i]));
    rows = std::move(sorted);
}

std::string ReferenceCountText(int count) {
    const std::string format = LoadLangString(count > 1 ? 2022 : 2021);
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, format.c_str(), count);
    return buffer;
}

} // namespace ovl
