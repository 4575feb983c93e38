#pragma once

#include "central/IntIndex.h"
#include "platform/Connection.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ovl {

// The product group names of one language, built for one search.
class CGrpIndex {
public:
    void Build(db::Connection& central, int nLanguageIndex);
    bool IsLoaded() const { return m_bLoaded; }

    // Empty text for a group that is not indexed.
    const std::string& GetName(std::int32_t nGroupId) const;
    int GetCount() const { return static_cast<int>(m_names.size()); }

private:
    std::vector<std::string> m_names;
    CIntIndex m_index;
    bool m_bLoaded = false;
};

} // namespace ovl
