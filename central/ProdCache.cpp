#include "central/ProdCache.h"

#include "app/OperationCancelled.h"
#include "app/Progress.h"
#include "app/TextCodec.h"
#include "central/CacheProvider.h"
#include "central/OvlNutriProdSet.h"
#include "central/ProvCache.h"
#include "central/SrcCache.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <unordered_map>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace ovl {

namespace {

constexpr std::int32_t kNoDate = -1;
constexpr size_t kSampleRows = 4096;   // rows read before the texts' sizes are guessed
constexpr size_t kProgressRows = 8192; // rows read between two progress reports

std::int32_t PackDate(const db::DateTime& date) {
    return date.year * 10000 + date.month * 100 + date.day;
}

} // namespace

void CProdCache::Reset() {
    m_ids.clear();
    m_groupIds.clear();
    m_provIds.clear();
    m_srcIds.clear();
    m_hasCiqId.clear();
    m_names.Clear();
    m_nameKeys.Clear();
    m_refFabs.Clear();
    m_refFabKeys.Clear();
    m_sourceKeys.Clear();
    m_sourceOfRow.clear();
    m_dates.clear();
    m_nameRanks.clear();
    m_refFabRanks.clear();
    m_index.Clear();
    m_bLoaded = false;
    m_bActive = false;
    m_nPosition = -1;
}

void CProdCache::Build(db::Connection& central, int nLanguageIndex, CacheProvider& provider,
                       ProgressObserver* pProgress) {
    Reset();
    m_pProvider = &provider;
    ReadProducts(central, nLanguageIndex, provider, pProgress);
    IndexProducts();
    RankTexts();
    m_bLoaded = true;
    ReleaseFreedMemory();
}

// Growing columns of a million rows leaves freed blocks as large as the columns behind;
// handing them back keeps the process's footprint to what the cache holds.
void CProdCache::ReleaseFreedMemory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

void CProdCache::ReportRows(ProgressObserver& progress, size_t nRows, long nExpected) {
    progress.Update(nRows, nExpected > 0 ? static_cast<size_t>(nExpected) : 0, std::string());
    if (progress.IsCancelled())
        throw OperationCancelled();
}

void CProdCache::ReadProducts(db::Connection& central, int nLanguageIndex, CacheProvider& provider,
                              ProgressObserver* pProgress) {
    const CSrcCache& sources = provider.SrcCache();
    const CProvCache& suppliers = provider.ProvCache();
    // Source texts met so far, by supplier (even keys) or source (odd keys).
    std::unordered_map<std::int64_t, std::uint32_t> sourceIds;
    std::string strText; // reused for every row: no allocation once it is long enough

    COvlNutriProdSet rs(&central, nLanguageIndex, true);
    rs.Open();
    const long nExpected = rs.GetRowCountHint();
    if (nExpected > 0)
        ReserveRows(static_cast<size_t>(nExpected));
    for (; !rs.IsEOF(); rs.MoveNext()) {
        const std::int32_t nProvId = rs.IsFieldNull(rs.m_PROVID) ? -1 : rs.m_PROVID.Value();
        const bool bSupplier = rs.IsFieldNull(rs.m_SRCID);
        const std::int32_t nSrcId = bSupplier ? -1 : rs.m_SRCID.Value();
        m_ids.push_back(rs.m_ID);
        m_groupIds.push_back(rs.IsFieldNull(rs.m_GRPID) ? -1 : rs.m_GRPID.Value());
        m_provIds.push_back(nProvId);
        m_srcIds.push_back(nSrcId);
        m_hasCiqId.push_back(!rs.IsFieldNull(rs.m_CIQID));

        // The supplier is the source of a product without SRCID; a source that is not cited
        // gives an empty text.
        const std::int32_t nSourceOwner = bSupplier ? nProvId : nSrcId;
        const std::int64_t nSourceKey = std::int64_t{nSourceOwner} * 2 + (bSupplier ? 0 : 1);
        auto [it, bNew] = sourceIds.try_emplace(nSourceKey, 0);
        if (bNew) {
            strText =
                bSupplier ? suppliers.GetName(nSourceOwner) : sources.GetCitation(nSourceOwner);
            MakeSearchKey(strText);
            it->second = static_cast<std::uint32_t>(m_sourceKeys.GetCount());
            m_sourceKeys.Append(strText);
        }
        m_sourceOfRow.push_back(it->second);

        strText = rs.m_NAME.Value();
        DecodeDbText(strText);
        m_names.Append(strText);
        MakeSearchKey(strText);
        m_nameKeys.Append(strText);

        strText = rs.m_REFFAB.Value(); // empty when NULL
        m_refFabs.Append(strText);
        MakeSearchKey(strText);
        m_refFabKeys.Append(strText);

        m_dates.push_back(rs.IsFieldNull(rs.m_LASTUPDATE) ? kNoDate : PackDate(rs.m_LASTUPDATE));
        if (nExpected > 0 && m_ids.size() == kSampleRows)
            ReserveTexts(static_cast<size_t>(nExpected));
        if (pProgress && m_ids.size() % kProgressRows == 0)
            ReportRows(*pProgress, m_ids.size(), nExpected);
    }
    if (pProgress)
        ReportRows(*pProgress, m_ids.size(), static_cast<long>(m_ids.size()));
}

// When the driver tells the row count up front, every array is sized once: growing a
// million rows step by step copies each array again and again, and the copies are what
// the shrinking at the end would copy once more.
void CProdCache::ReserveRows(size_t nRows) {
    m_ids.reserve(nRows);
    m_groupIds.reserve(nRows);
    m_provIds.reserve(nRows);
    m_srcIds.reserve(nRows);
    m_hasCiqId.reserve(nRows);
    m_sourceOfRow.reserve(nRows);
    m_dates.reserve(nRows);
    m_names.Reserve(nRows, 0);
    m_nameKeys.Reserve(nRows, 0);
    m_refFabs.Reserve(nRows, 0);
    m_refFabKeys.Reserve(nRows, 0);
}

// The texts' sizes are guessed from the first rows, with a little room to spare.
void CProdCache::ReserveTexts(size_t nRows) {
    const auto guess = [nRows](const CTextColumn& column) {
        return column.GetByteCount() / kSampleRows * nRows * 9 / 8 + kSampleRows;
    };
    m_names.Reserve(nRows, guess(m_names));
    m_nameKeys.Reserve(nRows, guess(m_nameKeys));
    m_refFabs.Reserve(nRows, guess(m_refFabs));
    m_refFabKeys.Reserve(nRows, guess(m_refFabKeys));
}

// The index is sized once for the largest identifier: growing it by small steps while a
// million ascending identifiers arrive would copy the whole table again every 50 rows.
void CProdCache::IndexProducts() {
    std::int32_t nHighest = -1;
    for (std::int32_t nId : m_ids)
        nHighest = std::max(nHighest, nId);
    m_index.Reserve(nHighest);
    for (size_t nRow = 0; nRow < m_ids.size(); ++nRow)
        m_index.Set(m_ids[nRow], static_cast<std::int32_t>(nRow));

    m_ids.shrink_to_fit();
    m_groupIds.shrink_to_fit();
    m_provIds.shrink_to_fit();
    m_srcIds.shrink_to_fit();
    m_hasCiqId.shrink_to_fit();
    m_names.ShrinkToFit();
    m_nameKeys.ShrinkToFit();
    m_refFabs.ShrinkToFit();
    m_refFabKeys.ShrinkToFit();
    m_sourceKeys.ShrinkToFit();
    m_sourceOfRow.shrink_to_fit();
    m_dates.shrink_to_fit();
}

// A search can find a large part of the cache; ranking the texts once here lets the list
// order those rows by integers.
void CProdCache::RankTexts() {
    m_nameRanks = m_nameKeys.RankRows();
    m_refFabRanks = m_refFabKeys.RankRows();
}

int CProdCache::FindRow(std::int32_t nProdId) const {
    return m_bLoaded ? m_index.Lookup(nProdId) : -1;
}

size_t CProdCache::CheckRow(int nRow) const {
    if (nRow < 0 || nRow >= GetCount())
        throw std::invalid_argument("product row " + std::to_string(nRow) + " out of range");
    return static_cast<size_t>(nRow);
}

PRODCACHE CProdCache::GetRecord(int nRow) const {
    const size_t nAt = CheckRow(nRow);
    return {m_ids[nAt], m_groupIds[nAt], m_provIds[nAt], m_srcIds[nAt], m_hasCiqId[nAt]};
}

std::string_view CProdCache::GetName(int nRow) const {
    return m_names.Get(CheckRow(nRow));
}

std::string_view CProdCache::GetRefFab(int nRow) const {
    return m_refFabs.Get(CheckRow(nRow));
}

std::string CProdCache::GetDateText(int nRow) const {
    const std::int32_t nDate = m_dates[CheckRow(nRow)];
    if (nDate == kNoDate)
        return {};
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", nDate % 100, nDate / 100 % 100,
                  nDate / 10000);
    return text;
}

std::uint32_t CProdCache::GetNameRank(int nRow) const {
    return m_nameRanks[CheckRow(nRow)];
}

std::uint32_t CProdCache::GetRefFabRank(int nRow) const {
    return m_refFabRanks[CheckRow(nRow)];
}

std::int32_t CProdCache::GetDateKey(int nRow) const {
    const std::int32_t nDate = m_dates[CheckRow(nRow)];
    return nDate == kNoDate ? -1 : nDate;
}

size_t CProdCache::MemoryUsed() const {
    constexpr size_t kIdArrays = 4;
    return kIdArrays * m_ids.capacity() * sizeof(std::int32_t) + m_hasCiqId.capacity() / 8 +
           m_names.MemoryUsed() + m_nameKeys.MemoryUsed() + m_refFabs.MemoryUsed() +
           m_refFabKeys.MemoryUsed() + m_sourceKeys.MemoryUsed() +
           m_sourceOfRow.capacity() * sizeof(std::uint32_t) +
           (m_dates.capacity() + m_nameRanks.capacity() + m_refFabRanks.capacity()) *
               sizeof(std::int32_t) +
           static_cast<size_t>(m_index.Size()) * sizeof(std::int32_t);
}

int CProdCache::StartSearch(std::string_view name, std::string_view code, std::int32_t nGroupId,
                            std::int32_t nProvId, std::string_view source, bool bPrefix) {
    if (!m_bLoaded)
        return -1;
    m_strNameKey = SearchKey(std::string(name));
    m_strCodeKey = SearchKey(std::string(code));
    m_strSourceKey = SearchKey(std::string(source));
    m_nGroupId = nGroupId;
    m_nProvId = nProvId;
    m_bPrefix = bPrefix;
    m_nPosition = -1;
    m_bActive = !m_strNameKey.empty() || !m_strCodeKey.empty() || !m_strSourceKey.empty() ||
                nGroupId != -1 || nProvId != -1;
    if (!m_bActive)
        return -1;
    PrepareSourceMatches();
    return FindNext();
}

// Products share few source texts, so each is tested once per search, not once per row.
void CProdCache::PrepareSourceMatches() {
    m_sourceMatches.assign(m_sourceKeys.GetCount(), 1);
    if (m_strSourceKey.empty())
        return;
    for (size_t i = 0; i < m_sourceKeys.GetCount(); ++i)
        m_sourceMatches[i] =
            m_sourceKeys.Get(i).find(m_strSourceKey) != std::string_view::npos ? 1 : 0;
}

// A product whose supplier is not in the supplier cache is treated like one of a withdrawn
// supplier: without the enabled flag there is nothing that allows listing it.
bool CProdCache::IsSupplierEnabled(SupplierMemo& memo, std::int32_t nProvId) {
    if (nProvId != memo.nProvId) {
        const PROVCACHE* pSupplier = memo.prov.FindRecord(nProvId);
        memo.nProvId = nProvId;
        memo.bEnabled = pSupplier != nullptr && pSupplier->m_bEnabled;
    }
    return memo.bEnabled;
}

CProdCache::Driver CProdCache::SearchDriver() const {
    if (!m_strNameKey.empty())
        return m_bPrefix ? Driver::NamePrefix : Driver::Name;
    if (!m_strCodeKey.empty())
        return Driver::Code;
    return Driver::None;
}

// The next row at or after nRow that can hold the name (or, without one, the code): one
// search through the whole column skips the rows that cannot. The name, when given, always
// drives, so it is never tested again row by row.
size_t CProdCache::NextCandidate(Driver driver, size_t nRow) const {
    switch (driver) {
    case Driver::Name:
        return m_nameKeys.FindRowContaining(m_strNameKey, nRow);
    case Driver::NamePrefix:
        return m_nameKeys.FindRowStartingWith(m_strNameKey, nRow);
    case Driver::Code:
        return m_refFabKeys.FindRowContaining(m_strCodeKey, nRow);
    case Driver::None:
        break;
    }
    return nRow;
}

// The cheap tests come first; the text that chose the row is not tested again.
bool CProdCache::MatchesRow(size_t nRow, Driver driver, SupplierMemo& memo) const {
    if (m_nGroupId != -1 && m_groupIds[nRow] != m_nGroupId)
        return false;
    if (m_nProvId != -1 && m_provIds[nRow] != m_nProvId)
        return false;
    if (!m_sourceMatches[m_sourceOfRow[nRow]])
        return false;
    if (!m_strCodeKey.empty() && driver != Driver::Code &&
        m_refFabKeys.Get(nRow).find(m_strCodeKey) == std::string_view::npos)
        return false;
    return IsSupplierEnabled(memo, m_provIds[nRow]);
}

int CProdCache::FindNext() {
    if (!m_bActive)
        return -1;
    SupplierMemo memo{m_pProvider->ProvCache()};
    const Driver driver = SearchDriver();
    const size_t nRows = m_ids.size();
    size_t nRow = m_nPosition < 0 ? 0 : static_cast<size_t>(m_nPosition);
    while ((nRow = NextCandidate(driver, nRow)) < nRows) {
        const bool bMatch = MatchesRow(nRow, driver, memo);
        ++nRow;
        if (bMatch) {
            m_nPosition = static_cast<int>(nRow);
            return static_cast<int>(nRow - 1);
        }
    }
    m_nPosition = static_cast<int>(nRows);
    return -1;
}

} // namespace ovl
