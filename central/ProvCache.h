#pragma once

#include "central/IntIndex.h"
#include "platform/Connection.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ovl {

struct PROVCACHE {
    std::int32_t m_nID = 0;
    std::uint8_t m_nOPENBAR = 255; // 255 when NULL
    bool m_bEnabled = false;       // OPENBAR is 1, 254 or 255
    bool m_bSelected = false;      // chosen by this installation (and enabled)
    bool m_bTicked = false;        // working flag of the supplier selection dialog
    std::int64_t m_tDATEMAJ = 0;   // calendar time, seconds
};

// The suppliers, with this installation's selection.
class CProvCache {
public:
    // Reads every supplier, then the selection of the installation account.
    void Build(db::Connection& central, int nAccountId);
    bool IsLoaded() const { return m_bLoaded; }

    // Empty text for a supplier that is not cached.
    const std::string& GetName(std::int32_t nProvId) const;
    // Null for a supplier that is not cached.
    const PROVCACHE* FindRecord(std::int32_t nProvId) const;
    PROVCACHE* FindRecord(std::int32_t nProvId);

    // By row; throw std::invalid_argument outside the rows.
    int GetCount() const { return static_cast<int>(m_records.size()); }
    const PROVCACHE& GetRecord(int nRow) const;
    PROVCACHE& GetRecord(int nRow);
    const std::string& GetNameByRow(int nRow) const;
    const std::string& GetSearchKeyByRow(int nRow) const;

    // Calendar time that stands for a supplier without DATEMAJ: 31/12/2019 00:00:00 local.
    static std::int64_t DefaultDateMaj();

private:
    void Reset();
    void ReadSuppliers(db::Connection& central);
    void ReadSelection(db::Connection& central, int nAccountId);
    size_t CheckRow(int nRow) const;

    std::vector<PROVCACHE> m_records;
    std::vector<std::string> m_names;
    std::vector<std::string> m_keys;
    CIntIndex m_index;
    bool m_bLoaded = false;
};

} // namespace ovl
