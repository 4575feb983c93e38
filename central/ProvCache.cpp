#include "central/ProvCache.h"

#include "app/TextCodec.h"
#include "central/OvlNutriProvSet.h"
#include "central/OvlNutriUsrProvSet.h"

#include <ctime>
#include <stdexcept>
#include <utility>

namespace ovl {

namespace {

const std::string kNoText;

std::int64_t CalendarTime(const db::DateTime& date) {
    std::tm tm{};
    tm.tm_year = date.year - 1900;
    tm.tm_mon = date.month - 1;
    tm.tm_mday = date.day;
    tm.tm_hour = date.hour;
    tm.tm_min = date.minute;
    tm.tm_sec = date.second;
    tm.tm_isdst = -1; // let the time zone decide
    return static_cast<std::int64_t>(std::mktime(&tm));
}

bool IsAvailable(std::uint8_t nOpenBar) {
    return nOpenBar == 1 || nOpenBar == 254 || nOpenBar == 255;
}

} // namespace

std::int64_t CProvCache::DefaultDateMaj() {
    return CalendarTime(db::DateTime{2019, 12, 31, 0, 0, 0});
}

void CProvCache::Reset() {
    m_records.clear();
    m_names.clear();
    m_keys.clear();
    m_index.Clear();
    m_bLoaded = false;
}

void CProvCache::Build(db::Connection& central, int nAccountId) {
    Reset();
    ReadSuppliers(central);
    m_bLoaded = true;
    ReadSelection(central, nAccountId);
}

void CProvCache::ReadSuppliers(db::Connection& central) {
    COvlNutriProvSet rs(&central);
    rs.Open();
    for (; !rs.IsEOF(); rs.MoveNext()) {
        PROVCACHE record;
        record.m_nID = rs.m_ID;
        record.m_nOPENBAR = rs.IsFieldNull(rs.m_OPENBAR) ? std::uint8_t{255} : rs.m_OPENBAR.Value();
        record.m_bEnabled = IsAvailable(record.m_nOPENBAR);
        record.m_tDATEMAJ =
            rs.IsFieldNull(rs.m_DATEMAJ) ? DefaultDateMaj() : CalendarTime(rs.m_DATEMAJ);
        const auto nRow = static_cast<std::int32_t>(m_records.size());
        m_records.push_back(record);
        m_names.push_back(DecodedDbText(rs.m_PROV.Value()));
        m_keys.push_back(SearchKey(m_names.back()));
        m_index.Set(record.m_nID, nRow);
    }
}

// A withdrawn supplier never counts as selected, whatever the stored selection says.
void CProvCache::ReadSelection(db::Connection& central, int nAccountId) {
    COvlNutriUsrProvSet rs(&central);
    rs.m_strFilter = "[IDSERNUM]=" + std::to_string(nAccountId);
    rs.Open();
    for (; !rs.IsEOF(); rs.MoveNext()) {
        if (PROVCACHE* pRecord = FindRecord(rs.m_IDPROV))
            pRecord->m_bSelected = pRecord->m_bEnabled;
    }
}

const std::string& CProvCache::GetName(std::int32_t nProvId) const {
    const std::int32_t nRow = m_bLoaded ? m_index.Lookup(nProvId) : -1;
    return nRow < 0 ? kNoText : m_names[static_cast<size_t>(nRow)];
}

const PROVCACHE* CProvCache::FindRecord(std::int32_t nProvId) const {
    const std::int32_t nRow = m_bLoaded ? m_index.Lookup(nProvId) : -1;
    return nRow < 0 ? nullptr : &m_records[static_cast<size_t>(nRow)];
}

PROVCACHE* CProvCache::FindRecord(std::int32_t nProvId) {
    return const_cast<PROVCACHE*>(std::as_const(*this).FindRecord(nProvId));
}

size_t CProvCache::CheckRow(int nRow) const {
    if (nRow < 0 || nRow >= GetCount())
        throw std::invalid_argument("supplier row " + std::to_string(nRow) + " out of range");
    return static_cast<size_t>(nRow);
}

const PROVCACHE& CProvCache::GetRecord(int nRow) const {
    return m_records[CheckRow(nRow)];
}

PROVCACHE& CProvCache::GetRecord(int nRow) {
    return m_records[CheckRow(nRow)];
}

const std::string& CProvCache::GetNameByRow(int nRow) const {
    return m_names[CheckRow(nRow)];
}

const std::string& CProvCache::GetSearchKeyByRow(int nRow) const {
    return m_keys[CheckRow(nRow)];
}

} // namespace ovl
