#pragma once

#include "central/CacheProvider.h"
#include "platform/Connection.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ovl {

class CGrpIndex;
class CProvCache;

// The five inputs of the reference search, as typed (code page 1252).
struct ReferenceSearchInputs {
    std::string name;
    std::string code;
    std::string source;
    std::int32_t supplierId = -1; // -1: no supplier chosen
    std::int32_t groupId = -1;    // -1: no category chosen
};

// One row of the reference list, its six columns as displayed.
struct ReferenceRow {
    std::int32_t productId = 0;
    std::string supplier;   // column 0
    std::string name;       // column 1
    std::string code;       // column 2
    std::string category;   // column 3
    std::string lastUpdate; // column 4, dd/mm/yyyy
    std::string source;     // column 5

    const std::string& Column(int column) const;
};

// The search of the reference list: reads fresh supplier and group names, scans the product
// cache, leaves out unselected suppliers under the strict filter and sorts by `sortKey`.
// Inputs too short to search give no rows.
class ReferenceSearch {
public:
    ReferenceSearch(db::Connection& central, CacheProvider& caches, int languageIndex,
                    int accountId)
        : m_central(central), m_caches(caches), m_nLanguage(languageIndex),
          m_nAccountId(accountId) {}

    std::vector<ReferenceRow> Run(const ReferenceSearchInputs& inputs, bool strictFilter,
                                  int sortKey);

    // The scan and the sort of Run, given the supplier and group names to show: the product
    // cache rows found, in list order. Rows are made for display by MakeRow.
    std::vector<int> FindRows(const ReferenceSearchInputs& inputs, bool strictFilter, int sortKey,
                              const CProvCache& suppliers, const CGrpIndex& groups);
    ReferenceRow MakeRow(int cacheRow, const CProvCache& suppliers, const CGrpIndex& groups);

    // Whether the inputs ask for a search at all.
    static bool HasCriteria(const ReferenceSearchInputs& inputs);

private:
    db::Connection& m_central;
    CacheProvider& m_caches;
    int m_nLanguage;
    int m_nAccountId;
};

// Sorts rows with the reference-list comparator; rows that compare equal keep their order.
void SortReferenceRows(std::vector<ReferenceRow>& rows, int sortKey);

// The count label: catalogue 2022 for more than one row, 2021 otherwise.
std::string ReferenceCountText(int count);

} // namespace ovl
