#include "central/LibPreEmbCache.h"

#include "app/Language.h"
#include "app/TextCodec.h"
#include "local/LibellesPreEmballeSet.h"

#include <stdexcept>

namespace ovl {

namespace {

const std::string kNoText;
constexpr std::int32_t kFirstLabelId = 1;
constexpr std::int32_t kOwner = 0;

} // namespace

void CLibPreEmbCache::Reset() {
    m_records.clear();
    m_labels.clear();
    m_index.Clear();
    m_keys.clear();
    m_bLoaded = false;
}

std::string CLibPreEmbCache::MapKey(int nType, std::string_view text) {
    return std::to_string(nType) + ":" + SearchKey(std::string(text));
}

void CLibPreEmbCache::Append(std::int32_t nId, std::uint8_t nType, std::string label) {
    const int nRow = static_cast<int>(m_records.size());
    m_records.push_back({nId, nType});
    m_keys[MapKey(nType, label)] = nRow + 1;
    m_labels.push_back(std::move(label));
    m_index.Set(nId, nRow);
}

void CLibPreEmbCache::ForgetLabelsAfter(int nCheckpoint) {
    while (nCheckpoint >= 0 && GetCount() > nCheckpoint) {
        const int nRow = GetCount() - 1;
        const LIBPREEMBCACHE record = m_records.back();
        const std::string key = MapKey(record.m_nTYPE, m_labels.back());
        m_index.Set(record.m_nID, -1);
        m_records.pop_back();
        m_labels.pop_back();
        const auto entry = m_keys.find(key);
        if (entry == m_keys.end() || entry->second != nRow + 1)
            continue;
        // The forgotten label may have hidden an earlier one of the same key: the latest
        // remaining row with that key takes the entry back.
        m_keys.erase(entry);
        for (int nEarlier = nRow - 1; nEarlier >= 0; --nEarlier)
            if (MapKey(m_records[static_cast<size_t>(nEarlier)].m_nTYPE,
                       m_labels[static_cast<size_t>(nEarlier)]) == key) {
                m_keys[key] = nEarlier + 1;
                break;
            }
    }
}

void CLibPreEmbCache::Build(db::Connection& local, int nLanguageIndex) {
    Reset();
    m_nLanguageIndex = nLanguageIndex;
    CLibellesPreEmballeSet rs(&local, true, nLanguageIndex);
    rs.m_strFilter = "([TYPE] IN(0,1,6, 7, 8))";
    rs.Open(db::OpenType::ForwardOnly);
    for (; !rs.IsEOF(); rs.MoveNext())
        Append(rs.m_ID, rs.m_TYPE, DecodedDbText(rs.m_NAME_1.Value()));
    m_bLoaded = true;
}

// The highest identifier plus one. An empty table has no last row to count from; its first
// label gets 1, since the readers of a label identifier take -1 as "no label" and 0 is
// never handed out as one.
std::int32_t CLibPreEmbCache::NextLabelId(db::Connection& local) {
    CLibellesPreEmballeSet rs(&local, false, kFrenchLanguage);
    rs.m_strSort = "[ID] DESC";
    rs.Open(db::OpenType::ForwardOnly);
    return rs.IsEOF() ? kFirstLabelId : rs.m_ID + 1;
}

std::int32_t CLibPreEmbCache::AddLabel(db::Connection& local,
                                       const std::array<std::string, 5>& texts, int nType) {
    std::array<std::string, 5> stored;
    for (size_t i = 0; i < texts.size(); ++i)
        stored[i] = EncodedDbText(texts[i]);
    const std::int32_t nId = NextLabelId(local);
    const auto nStoredType = static_cast<std::uint8_t>(nType);

    // Written through the record set, so every value travels as a bound parameter.
    CLibellesPreEmballeSet rs(&local, false, kFrenchLanguage);
    rs.m_strFilter = "1=0";
    rs.Open(db::OpenType::ForwardOnly);
    rs.AddNew();
    rs.m_ID = nId;
    rs.m_TYPE = nStoredType;
    rs.m_OWNER = kOwner;
    rs.m_NAME_1 = stored[0];
    rs.m_NAME_2 = stored[1];
    rs.m_NAME_3 = stored[2];
    rs.m_NAME_4 = stored[3];
    rs.m_NAME_5 = stored[4];
    rs.Update();

    const int nLanguage = m_nLanguageIndex >= 0 && m_nLanguageIndex < kLanguageCount
                              ? m_nLanguageIndex
                              : kFrenchLanguage;
    Append(nId, nStoredType, DecodedDbText(stored[static_cast<size_t>(nLanguage)]));
    return nId;
}

int CLibPreEmbCache::FindLabel(std::string_view text, int nType) const {
    if (!m_bLoaded)
        return -1;
    const auto it = m_keys.find(MapKey(nType, text));
    return it == m_keys.end() ? -1 : it->second - 1;
}

int CLibPreEmbCache::FindRow(std::int32_t nLocalId) const {
    return m_bLoaded ? m_index.Lookup(nLocalId) : -1;
}

const std::string& CLibPreEmbCache::GetLabel(std::int32_t nLocalId) const {
    const int nRow = FindRow(nLocalId);
    return nRow < 0 ? kNoText : m_labels[static_cast<size_t>(nRow)];
}

size_t CLibPreEmbCache::CheckRow(int nRow) const {
    if (nRow < 0 || nRow >= GetCount())
        throw std::invalid_argument("label row " + std::to_string(nRow) + " out of range");
    return static_cast<size_t>(nRow);
}

const LIBPREEMBCACHE& CLibPreEmbCache::GetRecord(int nRow) const {
    return m_records[CheckRow(nRow)];
}

const std::string& CLibPreEmbCache::GetLabelByRow(int nRow) const {
    return m_labels[CheckRow(nRow)];
}

} // namespace ovl
