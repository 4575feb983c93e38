#include "central/AlrgCache.h"

#include "app/Language.h"
#include "app/TextCodec.h"
#include "central/OvlNutriAlrgSet.h"
#include "local/CategoriesSet.h"

#include <stdexcept>

namespace ovl {

namespace {

const std::string kNoText;
constexpr int kMaskBits = 64;

std::uint64_t Bit(int n) {
    return std::uint64_t{1} << n;
}

std::int32_t ValueOrMinusOne(const db::Recordset& rs, const db::LongField& field) {
    return rs.IsFieldNull(field) ? -1 : field.Value();
}

} // namespace

void CAlrgCache::Reset() {
    m_records.clear();
    m_names.clear();
    m_codes.clear();
    m_localIndex.Clear();
    m_idIndex.Clear();
    m_nGroup29 = m_nGroup30 = m_nGroup27 = 0;
    m_nHighestId = -1;
    m_bLoaded = false;
}

void CAlrgCache::Build(db::Connection& central, db::Connection& local, int nLanguageIndex) {
    Reset();
    ReadAllergens(central, nLanguageIndex);
    m_bLoaded = true;
    ResolveLocalClasses(local, nLanguageIndex);
}

void CAlrgCache::ReadAllergens(db::Connection& central, int nLanguageIndex) {
    COvlNutriAlrgSet rs(&central, nLanguageIndex);
    rs.Open();
    for (; !rs.IsEOF(); rs.MoveNext()) {
        ALRGCACHE record;
        record.m_nID = rs.m_ID;
        record.m_nIDOVL = ValueOrMinusOne(rs, rs.m_IDOVL);
        record.m_nGROUPE = ValueOrMinusOne(rs, rs.m_GROUPE);
        record.m_nPARENTOVL = ValueOrMinusOne(rs, rs.m_PARENTOVL);
        if (record.m_nID > m_nHighestId)
            m_nHighestId = record.m_nID;
        const auto nRow = static_cast<std::int32_t>(m_records.size());
        m_records.push_back(record);
        m_names.push_back(DecodedDbText(rs.m_LIBELLE.Value()));
        m_codes.push_back(rs.m_CODE.Value());
        if (record.m_nIDOVL != -1)
            m_localIndex.Set(record.m_nIDOVL, nRow);
        m_idIndex.Set(record.m_nID, nRow);
        AddToGroup(record.m_nID, record.m_nGROUPE);
    }
}

std::uint64_t& CAlrgCache::MembersOf(int nGroup) {
    return nGroup == 29 ? m_nGroup29 : nGroup == 30 ? m_nGroup30 : m_nGroup27;
}

// Only allergens that fit in a mask join a group; a group's own row is no member of it.
void CAlrgCache::AddToGroup(std::int32_t nId, std::int32_t nGroup) {
    if (nId == nGroup || nId < 0 || nId >= kMaskBits)
        return;
    if (nGroup == 29 || nGroup == 30 || nGroup == 27)
        MembersOf(nGroup) |= Bit(nId);
}

// An allergen without a local class is matched by name to a class whose parent is already
// known as an allergen class. The name is compared with the name column of the user's
// language (NAME_1..NAME_5): the cached name is in that language, so comparing it with the
// French column, as was once done, found nothing outside French.
void CAlrgCache::ResolveLocalClasses(db::Connection& local, int nLanguageIndex) {
    const std::string strColumn = "[NAME" + LocalColumnSuffix(nLanguageIndex) + "]";
    CCategoriesSet rs(&local);
    for (size_t nRow = 0; nRow < m_records.size(); ++nRow) {
        ALRGCACHE& record = m_records[nRow];
        if (record.m_nIDOVL != -1)
            continue;
        rs.m_strFilter = strColumn + "=" + local.QuoteText(EncodedDbText(m_names[nRow]));
        if (rs.IsOpen())
            rs.Requery();
        else
            rs.Open(db::OpenType::ForwardOnly);
        for (; !rs.IsEOF(); rs.MoveNext()) {
            if (rs.IsFieldNull(rs.m_PERE_ID) || m_localIndex.Lookup(rs.m_PERE_ID) == -1)
                continue;
            record.m_nIDOVL = rs.m_CLASS_ID;
            record.m_nPARENTOVL = rs.m_PERE_ID;
            m_localIndex.Set(record.m_nIDOVL, static_cast<std::int32_t>(nRow));
            break;
        }
    }
}

const std::string& CAlrgCache::GetName(std::int32_t nAllergenId) const {
    const std::int32_t nRow = m_bLoaded ? m_idIndex.Lookup(nAllergenId) : -1;
    return nRow < 0 ? kNoText : m_names[static_cast<size_t>(nRow)];
}

const ALRGCACHE* CAlrgCache::FindRecord(std::int32_t nAllergenId) const {
    const std::int32_t nRow = m_bLoaded ? m_idIndex.Lookup(nAllergenId) : -1;
    return nRow < 0 ? nullptr : &m_records[static_cast<size_t>(nRow)];
}

const ALRGCACHE* CAlrgCache::FindRecordByLocalClass(std::int32_t nClassId) const {
    const std::int32_t nRow = m_bLoaded ? m_localIndex.Lookup(nClassId) : -1;
    return nRow < 0 ? nullptr : &m_records[static_cast<size_t>(nRow)];
}

size_t CAlrgCache::CheckRow(int nRow) const {
    if (nRow < 0 || nRow >= GetCount())
        throw std::invalid_argument("allergen row " + std::to_string(nRow) + " out of range");
    return static_cast<size_t>(nRow);
}

const ALRGCACHE& CAlrgCache::GetRecord(int nRow) const {
    return m_records[CheckRow(nRow)];
}

const std::string& CAlrgCache::GetNameByRow(int nRow) const {
    return m_names[CheckRow(nRow)];
}

const std::string& CAlrgCache::GetCodeByRow(int nRow) const {
    return m_codes[CheckRow(nRow)];
}

std::uint64_t CAlrgCache::GetGroupMembers(int nGroup) const {
    switch (nGroup) {
    case 29:
        return m_nGroup29;
    case 30:
        return m_nGroup30;
    case 27:
        return m_nGroup27;
    default:
        return 0;
    }
}

// A group without members is never complete: its bit would otherwise be added to every
// mask, declaring an allergen that nothing in the product names.
bool CAlrgCache::IsComplete(int nGroup, std::uint64_t nMask) const {
    const std::uint64_t nMembers = GetGroupMembers(nGroup);
    return nMembers != 0 && (nMask & nMembers) == nMembers;
}

std::uint64_t CAlrgCache::MarkCompleteGroups(std::uint64_t nMask) const {
    for (int nGroup : kGroups)
        if (IsComplete(nGroup, nMask))
            nMask |= Bit(nGroup);
    return nMask;
}

std::uint64_t CAlrgCache::CollapseGroups(std::uint64_t nMask) const {
    for (int nGroup : kGroups)
        if (nMask & Bit(nGroup))
            nMask &= ~GetGroupMembers(nGroup);
    return nMask;
}

std::uint64_t CAlrgCache::FoldGroupsForDisplay(std::uint64_t nMask) const {
    for (int nGroup : {29, 30})
        if (IsComplete(nGroup, nMask))
            nMask = (nMask | Bit(nGroup)) & ~GetGroupMembers(nGroup);
    return nMask;
}

} // namespace ovl
