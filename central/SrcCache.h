#pragma once

#include "central/IntIndex.h"
#include "platform/Connection.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ovl {

// The citations of the data sources that are cited (SOURCE NULL).
class CSrcCache {
public:
    void Build(db::Connection& central);
    bool IsLoaded() const { return m_bLoaded; }

    // Empty text for a source that is not cached.
    const std::string& GetCitation(std::int32_t nSrcId) const;
    int GetCount() const { return static_cast<int>(m_citations.size()); }

private:
    std::vector<std::string> m_citations;
    CIntIndex m_index;
    bool m_bLoaded = false;
};

} // namespace ovl
