#pragma once

#include "central/IntIndex.h"
#include "platform/Connection.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ovl {

struct MSLIBCACHE {
    std::int32_t m_nID = 0;       // mention identifier
    std::int32_t m_nLocalId = -1; // local label (LibellesPreEmballe ID); -1 until matched
    std::uint8_t m_nTYPE = 0;
};

// The central pre-packaging labels of types 0, 1, 6, 7 and 8 in the five languages; the
// specific mentions (types 7 and 8) are matched to the local labels of the same French text.
class CMsLibCache {
public:
    void Build(db::Connection& central, db::Connection& local, int nLanguageIndex);
    bool IsLoaded() const { return m_bLoaded; }

    // Empty text when the mention is not cached.
    const std::string& GetLabel(std::int32_t nMentionId, int nLanguageIndex) const;
    // Empty text for a row outside the rows.
    const std::string& GetLabelByRow(int nRow, int nLanguageIndex) const;
    // The row of the type-0 label whose search key equals the text's (the last read when
    // several do), or -1.
    int FindDenomination(std::string_view text) const;
    // Null when the mention is not cached.
    const MSLIBCACHE* FindRecord(std::int32_t nMentionId) const;
    // The row of the mention matched to a local label, or -1.
    int FindRowByLocalId(std::int32_t nLocalId) const;

    int GetCount() const { return static_cast<int>(m_records.size()); }

private:
    void Reset();
    void ReadLabels(db::Connection& central);
    void MatchLocalLabels(db::Connection& local, int nLanguageIndex);
    std::string MapKey(int nType, std::string_view text) const;

    std::vector<MSLIBCACHE> m_records;
    std::vector<std::array<std::string, 5>> m_labels;
    CIntIndex m_localIndex;
    CIntIndex m_mentionIndex;
    std::unordered_map<std::string, int> m_keys; // "%d:" type + search key -> row + 1
    int m_nLanguageIndex = 0;
    bool m_bLoaded = false;
};

} // namespace ovl
