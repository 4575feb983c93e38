#include "central/MsLibCache.h"

#include "app/Language.h"
#include "app/TextCodec.h"
#include "central/OvlNutriMsLibSet.h"
#include "local/LibellesPreEmballeSet.h"

namespace ovl {

namespace {

const std::string kNoText;
constexpr int kDenominationType = 0;

int ValidLanguage(int nLanguageIndex) {
    return nLanguageIndex >= 0 && nLanguageIndex < kLanguageCount ? nLanguageIndex
                                                                  : kFrenchLanguage;
}

bool IsSpecificMention(int nType) {
    return nType == 7 || nType == 8;
}

} // namespace

void CMsLibCache::Reset() {
    m_records.clear();
    m_labels.clear();
    m_localIndex.Clear();
    m_mentionIndex.Clear();
    m_keys.clear();
    m_bLoaded = false;
}

std::string CMsLibCache::MapKey(int nType, std::string_view text) const {
    return std::to_string(nType) + ":" + SearchKey(std::string(text));
}

void CMsLibCache::Build(db::Connection& central, db::Connection& local, int nLanguageIndex) {
    Reset();
    m_nLanguageIndex = ValidLanguage(nLanguageIndex);
    ReadLabels(central);
    m_bLoaded = true;
    MatchLocalLabels(local, nLanguageIndex);
}

void CMsLibCache::ReadLabels(db::Connection& central) {
    COvlNutriMsLibSet rs(&central);
    rs.m_strFilter = "[TYPE] IN (0, 1, 6, 7, 8)";
    rs.m_strSort = "[TYPE] ASC, [ID] ASC";
    rs.Open();
    for (; !rs.IsEOF(); rs.MoveNext()) {
        MSLIBCACHE record;
        record.m_nID = rs.m_ID;
        record.m_nTYPE = rs.m_TYPE;
        const int nRow = static_cast<int>(m_records.size());
        m_records.push_back(record);
        m_labels.push_back(
            {DecodedDbText(rs.m_LIBELLE_FR.Value()), DecodedDbText(rs.m_LIBELLE_EN.Value()),
             DecodedDbText(rs.m_LIBELLE_DE.Value()), DecodedDbText(rs.m_LIBELLE_SP.Value()),
             DecodedDbText(rs.m_LIBELLE_IT.Value())});
        // A later label with the same key replaces the earlier one.
        m_keys[MapKey(record.m_nTYPE, m_labels.back()[m_nLanguageIndex])] = nRow + 1;
        m_mentionIndex.Set(record.m_nID, nRow);
    }
}

// Each specific mention is looked up by its French text among the local mentions. The text
// goes into the filter in its stored form, as a quoted literal.
void CMsLibCache::MatchLocalLabels(db::Connection& local, int nLanguageIndex) {
    CLibellesPreEmballeSet rs(&local, false, nLanguageIndex);
    for (size_t nRow = 0; nRow < m_records.size(); ++nRow) {
        MSLIBCACHE& record = m_records[nRow];
        if (record.m_nLocalId != -1 || !IsSpecificMention(record.m_nTYPE))
            continue;
        rs.m_strFilter = "([NAME_1]=" + local.QuoteText(EncodedDbText(m_labels[nRow][0])) +
                         ") AND ([TYPE] IN (7,8))";
        if (rs.IsOpen())
            rs.Requery();
        else
            rs.Open(db::OpenType::ForwardOnly);
        if (rs.IsEOF())
            continue;
        record.m_nLocalId = rs.m_ID;
        m_localIndex.Set(record.m_nLocalId, static_cast<std::int32_t>(nRow));
    }
}

const std::string& CMsLibCache::GetLabel(std::int32_t nMentionId, int nLanguageIndex) const {
    const std::int32_t nRow = m_bLoaded ? m_mentionIndex.Lookup(nMentionId) : -1;
    return nRow < 0 ? kNoText : m_labels[static_cast<size_t>(nRow)][ValidLanguage(nLanguageIndex)];
}

const std::string& CMsLibCache::GetLabelByRow(int nRow, int nLanguageIndex) const {
    if (nRow < 0 || nRow >= GetCount())
        return kNoText;
    return m_labels[static_cast<size_t>(nRow)][ValidLanguage(nLanguageIndex)];
}

int CMsLibCache::FindDenomination(std::string_view text) const {
    if (!m_bLoaded)
        return -1;
    const auto it = m_keys.find(MapKey(kDenominationType, text));
    return it == m_keys.end() ? -1 : it->second - 1;
}

const MSLIBCACHE* CMsLibCache::FindRecord(std::int32_t nMentionId) const {
    const std::int32_t nRow = m_bLoaded ? m_mentionIndex.Lookup(nMentionId) : -1;
    return nRow < 0 ? nullptr : &m_records[static_cast<size_t>(nRow)];
}

int CMsLibCache::FindRowByLocalId(std::int32_t nLocalId) const {
    return m_bLoaded ? m_localIndex.Lookup(nLocalId) : -1;
}

} // namespace ovl
