#pragma once

#include "central/IntIndex.h"
#include "central/TextColumn.h"
#include "platform/Connection.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ovl {

class CacheProvider;
class CProvCache;
class ProgressObserver;

struct PRODCACHE {
    std::int32_t m_nID = 0;
    std::int32_t m_nGRPID = -1;  // -1 when NULL
    std::int32_t m_nPROVID = -1; // -1 when NULL
    std::int32_t m_nSRCID = -1;  // -1 when NULL: the supplier is the source
    bool m_bHasCIQID = false;    // CIQID is not NULL
};

// Every reference product, with its texts folded once for the search. The product search
// scans the whole cache after each pause in typing, so texts live end to end in one buffer
// per column and the test of a row allocates nothing.
class CProdCache {
public:
    // Reads every product in light mode; takes the supplier and source caches from the
    // provider, which the search also uses later for the suppliers' enabled flags. A progress
    // observer hears the rows read every few thousand rows and at the end; when it cancels,
    // the build stops with OperationCancelled.
    void Build(db::Connection& central, int nLanguageIndex, CacheProvider& provider,
               ProgressObserver* pProgress = nullptr);
    bool IsLoaded() const { return m_bLoaded; }

    // The row of a product, or -1.
    int FindRow(std::int32_t nProdId) const;

    // By row; throw std::invalid_argument outside the rows.
    int GetCount() const { return static_cast<int>(m_ids.size()); }
    PRODCACHE GetRecord(int nRow) const;
    std::string_view GetName(int nRow) const;
    // REFFAB as stored; empty when NULL.
    std::string_view GetRefFab(int nRow) const;
    // LASTUPDATE as "dd/mm/yyyy"; empty when NULL.
    std::string GetDateText(int nRow) const;
    // The rank of the row's folded name (code) among all distinct folded names (codes), for
    // ordering the rows found: rows compare as their folded texts do.
    std::uint32_t GetNameRank(int nRow) const;
    std::uint32_t GetRefFabRank(int nRow) const;
    // LASTUPDATE as yyyymmdd, -1 when NULL: orders as the day/month/year text rewritten
    // year first does.
    std::int32_t GetDateKey(int nRow) const;

    // Starts a search: the three texts are folded here; -1 for the group or the supplier
    // means any; with bPrefix the name must start the product's name. Returns the first
    // matching row, or -1 (also when no criterion is given).
    int StartSearch(std::string_view name, std::string_view code, std::int32_t nGroupId,
                    std::int32_t nProvId, std::string_view source, bool bPrefix);
    // The next matching row, or -1.
    int FindNext();

    // Bytes held by the cache, for sizing.
    size_t MemoryUsed() const;

private:
    void Reset();
    void ReadProducts(db::Connection& central, int nLanguageIndex, CacheProvider& provider,
                      ProgressObserver* pProgress);
    static void ReportRows(ProgressObserver& progress, size_t nRows, long nExpected);
    void ReserveRows(size_t nRows);
    void ReserveTexts(size_t nRows);
    void IndexProducts();
    void RankTexts();
    static void ReleaseFreedMemory();
    std::uint32_t SourceOfProduct(bool bSupplier, std::int32_t nId, const std::string& text);
    void PrepareSourceMatches();
    // The enabled flag of the last supplier asked for; products of a supplier come together.
    struct SupplierMemo {
        const CProvCache& prov;
        std::int32_t nProvId = -1;
        bool bEnabled = false;
    };
    static bool IsSupplierEnabled(SupplierMemo& memo, std::int32_t nProvId);
    // The criterion that picks the candidate rows through a search of its whole column.
    enum class Driver { None, Name, NamePrefix, Code };
    Driver SearchDriver() const;
    size_t NextCandidate(Driver driver, size_t nRow) const;
    bool MatchesRow(size_t nRow, Driver driver, SupplierMemo& memo) const;
    size_t CheckRow(int nRow) const;

    // The record fields, one array each, so that a scan reads only the fields it tests.
    std::vector<std::int32_t> m_ids;
    std::vector<std::int32_t> m_groupIds;
    std::vector<std::int32_t> m_provIds;
    std::vector<std::int32_t> m_srcIds;
    std::vector<bool> m_hasCiqId;
    CTextColumn m_names;
    CTextColumn m_nameKeys{true};
    CTextColumn m_refFabs;
    CTextColumn m_refFabKeys;
    // Products share few source texts: each row names one of them.
    CTextColumn m_sourceKeys;
    std::vector<std::uint32_t> m_sourceOfRow;
    std::vector<std::int32_t> m_dates; // yyyymmdd, -1 when NULL
    std::vector<std::uint32_t> m_nameRanks;
    std::vector<std::uint32_t> m_refFabRanks;
    CIntIndex m_index;
    CacheProvider* m_pProvider = nullptr;
    bool m_bLoaded = false;

    // The search in progress.
    std::string m_strNameKey;
    std::string m_strCodeKey;
    std::string m_strSourceKey;
    std::int32_t m_nGroupId = -1;
    std::int32_t m_nProvId = -1;
    bool m_bPrefix = false;
    bool m_bActive = false;
    int m_nPosition = -1;
    std::vector<char> m_sourceMatches; // per source text: matches the source criterion
};

} // namespace ovl
