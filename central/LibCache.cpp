#include "central/LibCache.h"

#include "app/Language.h"
#include "app/TextCodec.h"
#include "central/OvlNutriLibSet.h"

namespace ovl {

namespace {

const std::string kNoText;
constexpr std::uint8_t kSummedCategory = 4;

} // namespace

void CLibCache::Reset() {
    m_records.clear();
    m_labels.clear();
    m_units.clear();
    m_localIndex.Clear();
    m_centralIndex.Clear();
    m_strCateg4CentralIds.clear();
    m_strCateg4LocalIds.clear();
    m_bLoaded = false;
}

void CLibCache::AppendId(std::string& list, std::int32_t nId) {
    if (!list.empty())
        list += ',';
    list += std::to_string(nId);
}

void CLibCache::Build(db::Connection& central, int nLanguageIndex) {
    Reset();
    m_nLanguageIndex =
        nLanguageIndex >= 0 && nLanguageIndex < kLanguageCount ? nLanguageIndex : kFrenchLanguage;
    COvlNutriLibSet rs(&central);
    rs.m_strFilter = "[IDOVL]<>-1";
    rs.Open();
    for (; !rs.IsEOF(); rs.MoveNext()) {
        LIBCACHE record;
        record.m_nID = rs.m_ID;
        record.m_nIDOVL = rs.m_IDOVL;
        record.m_nCATEG = rs.IsFieldNull(rs.m_CATEG) ? std::uint8_t{0} : rs.m_CATEG.Value();
        record.m_dPARAM1 = rs.IsFieldNull(rs.m_PARAM1) ? 0.0 : rs.m_PARAM1.Value();
        const auto nRow = static_cast<std::int32_t>(m_records.size());
        m_records.push_back(record);
        m_labels.push_back(
            {DecodedDbText(rs.m_LIBELLE_FR.Value()), DecodedDbText(rs.m_LIBELLE_EN.Value()),
             DecodedDbText(rs.m_LIBELLE_DE.Value()), DecodedDbText(rs.m_LIBELLE_SP.Value()),
             DecodedDbText(rs.m_LIBELLE_IT.Value())});
        m_units.push_back(DecodedDbText(rs.m_UNITE.Value()));
        m_localIndex.Set(record.m_nIDOVL, nRow);
        m_centralIndex.Set(record.m_nID, nRow);
        if (record.m_nCATEG == kSummedCategory) {
            AppendId(m_strCateg4CentralIds, record.m_nID);
            AppendId(m_strCateg4LocalIds, record.m_nIDOVL);
        }
    }
    m_bLoaded = true;
}

std::int32_t CLibCache::RowOfLocal(std::int32_t nLocalId) const {
    return m_bLoaded ? m_localIndex.Lookup(nLocalId) : -1;
}

std::int32_t CLibCache::RowOfCentral(std::int32_t nCentralId) const {
    return m_bLoaded ? m_centralIndex.Lookup(nCentralId) : -1;
}

const std::string& CLibCache::LabelOfRow(std::int32_t nRow) const {
    return nRow < 0 ? kNoText : m_labels[static_cast<size_t>(nRow)][m_nLanguageIndex];
}

const std::string& CLibCache::UnitOfRow(std::int32_t nRow) const {
    return nRow < 0 ? kNoText : m_units[static_cast<size_t>(nRow)];
}

const std::string& CLibCache::GetLabel(std::int32_t nLocalId) const {
    return LabelOfRow(RowOfLocal(nLocalId));
}

const std::string& CLibCache::GetUnit(std::int32_t nLocalId) const {
    return UnitOfRow(RowOfLocal(nLocalId));
}

const LIBCACHE* CLibCache::FindRecord(std::int32_t nLocalId) const {
    const std::int32_t nRow = RowOfLocal(nLocalId);
    return nRow < 0 ? nullptr : &m_records[static_cast<size_t>(nRow)];
}

const std::string& CLibCache::GetLabelByCentralId(std::int32_t nCentralId) const {
    return LabelOfRow(RowOfCentral(nCentralId));
}

const std::string& CLibCache::GetUnitByCentralId(std::int32_t nCentralId) const {
    return UnitOfRow(RowOfCentral(nCentralId));
}

const LIBCACHE* CLibCache::FindRecordByCentralId(std::int32_t nCentralId) const {
    const std::int32_t nRow = RowOfCentral(nCentralId);
    return nRow < 0 ? nullptr : &m_records[static_cast<size_t>(nRow)];
}

} // namespace ovl
