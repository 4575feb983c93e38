#include "central/GrpIndex.h"

#include "app/TextCodec.h"
#include "central/OvlNutriGrpSet.h"

namespace ovl {

void CGrpIndex::Build(db::Connection& central, int nLanguageIndex) {
    m_names.clear();
    m_index.Clear();
    m_bLoaded = false;
    COvlNutriGrpSet rs(&central, nLanguageIndex);
    rs.m_strSort = rs.NameColumn();
    rs.Open();
    for (; !rs.IsEOF(); rs.MoveNext()) {
        m_index.Set(rs.m_ID, static_cast<std::int32_t>(m_names.size()));
        m_names.push_back(DecodedDbText(rs.m_NAME.Value()));
    }
    m_bLoaded = true;
}

const std::string& CGrpIndex::GetName(std::int32_t nGroupId) const {
    static const std::string kNoText;
    const std::int32_t nRow = m_bLoaded ? m_index.Lookup(nGroupId) : -1;
    return nRow < 0 ? kNoText : m_names[static_cast<size_t>(nRow)];
}

} // namespace ovl
