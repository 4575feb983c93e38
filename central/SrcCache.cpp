#include "central/SrcCache.h"

#include "app/TextCodec.h"
#include "central/OvlNutriSrcSet.h"

namespace ovl {

void CSrcCache::Build(db::Connection& central) {
    m_citations.clear();
    m_index.Clear();
    m_bLoaded = false;
    COvlNutriSrcSet rs(&central);
    rs.m_strFilter = "[SOURCE] IS NULL";
    rs.Open();
    for (; !rs.IsEOF(); rs.MoveNext()) {
        if (rs.IsFieldNull(rs.m_CITATION))
            continue;
        m_index.Set(rs.m_ID, static_cast<std::int32_t>(m_citations.size()));
        m_citations.push_back(DecodedDbText(rs.m_CITATION.Value()));
    }
    m_bLoaded = true;
}

const std::string& CSrcCache::GetCitation(std::int32_t nSrcId) const {
    static const std::string kNoText;
    const std::int32_t nRow = m_bLoaded ? m_index.Lookup(nSrcId) : -1;
    return nRow < 0 ? kNoText : m_citations[static_cast<size_t>(nRow)];
}

} // namespace ovl
