#pragma once

#include "central/IntIndex.h"
#include "platform/Connection.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace ovl {

struct LIBCACHE {
    std::int32_t m_nID = 0;    // central nutrient identifier
    std::int32_t m_nIDOVL = 0; // local nutrient identifier
    std::uint8_t m_nCATEG = 0; // 0 when NULL; 4: listed together and summed with weights
    double m_dPARAM1 = 0;      // weight in the category-4 sum; 0 when NULL
};

// The nutrients that have a local counterpart, with their labels in the five languages and
// their unit; translates between central and local nutrient identifiers.
class CLibCache {
public:
    void Build(db::Connection& central, int nLanguageIndex);
    bool IsLoaded() const { return m_bLoaded; }

    // By local nutrient identifier; empty text or null when not cached.
    const std::string& GetLabel(std::int32_t nLocalId) const;
    const std::string& GetUnit(std::int32_t nLocalId) const;
    const LIBCACHE* FindRecord(std::int32_t nLocalId) const;

    // By central nutrient identifier; empty text or null when not cached.
    const std::string& GetLabelByCentralId(std::int32_t nCentralId) const;
    const std::string& GetUnitByCentralId(std::int32_t nCentralId) const;
    const LIBCACHE* FindRecordByCentralId(std::int32_t nCentralId) const;

    // The category-4 nutrients in read order, e.g. "12,13,40".
    const std::string& Categ4CentralIds() const { return m_strCateg4CentralIds; }
    const std::string& Categ4LocalIds() const { return m_strCateg4LocalIds; }

    int GetCount() const { return static_cast<int>(m_records.size()); }

private:
    void Reset();
    std::int32_t RowOfLocal(std::int32_t nLocalId) const;
    std::int32_t RowOfCentral(std::int32_t nCentralId) const;
    const std::string& LabelOfRow(std::int32_t nRow) const;
    const std::string& UnitOfRow(std::int32_t nRow) const;
    static void AppendId(std::string& list, std::int32_t nId);

    std::vector<LIBCACHE> m_records;
    std::vector<std::array<std::string, 5>> m_labels;
    std::vector<std::string> m_units;
    CIntIndex m_localIndex;
    CIntIndex m_centralIndex;
    std::string m_strCateg4CentralIds;
    std::string m_strCateg4LocalIds;
    int m_nLanguageIndex = 0;
    bool m_bLoaded = false;
};

} // namespace ovl
