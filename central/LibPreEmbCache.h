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

struct LIBPREEMBCACHE {
    std::int32_t m_nID = 0; // local label identifier
    std::uint8_t m_nTYPE = 0;
};

// The local pre-packaging labels of types 0, 1, 6, 7 and 8 in the user's language; the one
// cache that grows after its build, when AddLabel creates a label.
class CLibPreEmbCache {
public:
    void Build(db::Connection& local, int nLanguageIndex);
    bool IsLoaded() const { return m_bLoaded; }

    // The row of the label of that type whose search key equals the text's, or -1.
    int FindLabel(std::string_view text, int nType) const;
    // Empty text when the label is not cached.
    const std::string& GetLabel(std::int32_t nLocalId) const;
    // The row of a label, or -1.
    int FindRow(std::int32_t nLocalId) const;

    // By row; throw std::invalid_argument outside the rows.
    int GetCount() const { return static_cast<int>(m_records.size()); }
    const LIBPREEMBCACHE& GetRecord(int nRow) const;
    const std::string& GetLabelByRow(int nRow) const;

    // Inserts a local label with one text per language (plain texts, French first) and
    // returns its identifier; the cache learns it at once.
    std::int32_t AddLabel(db::Connection& local, const std::array<std::string, 5>& texts,
                          int nType);

    // Labels added after this point can be forgotten again with ForgetLabelsAfter, when the
    // operation that added them is rolled back and their rows no longer exist.
    int Checkpoint() const { return GetCount(); }
    void ForgetLabelsAfter(int nCheckpoint);

private:
    void Reset();
    void Append(std::int32_t nId, std::uint8_t nType, std::string label);
    static std::int32_t NextLabelId(db::Connection& local);
    static std::string MapKey(int nType, std::string_view text);
    size_t CheckRow(int nRow) const;

    std::vector<LIBPREEMBCACHE> m_records;
    std::vector<std::string> m_labels;
    CIntIndex m_index;
    std::unordered_map<std::string, int> m_keys; // "%d:" type + search key -> row + 1
    int m_nLanguageIndex = 0;
    bool m_bLoaded = false;
};

} // namespace ovl
