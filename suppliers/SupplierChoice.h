#pragma once

#include "central/ProvCache.h"
#include "platform/Connection.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ovl {

class MessageSink;

// The installation's choice of suppliers, made on the supplier cache: the suppliers offered,
// their working ticks, and the ticks stored as the installation's selection in the central
// database (one OVLNUTRIUSRPROV row per selected supplier under the installation account).
class SupplierChoice {
public:
    SupplierChoice(db::Connection& central, CProvCache& suppliers, int accountId);

    // Whether the installation has an account; without one nothing may be stored.
    bool HasAccount() const { return m_nAccountId != -1; }
    // Why nothing can be stored, naming the setting to fill in, in the user's language.
    static std::string NoAccountMessage();

    // Each enabled supplier's tick starts as its stored selection.
    void ResetTicks();
    // The cache rows of the enabled suppliers whose folded name holds the folded filter, in
    // cache order; every enabled supplier for an empty filter.
    std::vector<int> OfferedRows(const std::string& filter) const;
    // False when the supplier is not cached.
    bool SetTicked(std::int32_t supplierId, bool ticked);

    // Replaces the stored selection by the ticked suppliers and makes them the selected ones.
    // A failed deletion of the old rows is shown in `messages` and the new rows are still
    // appended; the answer is then false. A failure while appending is raised.
    bool Store(MessageSink& messages);

    CProvCache& Suppliers() { return m_suppliers; }

private:
    void AppendTickedRows();

    db::Connection& m_central;
    CProvCache& m_suppliers;
    int m_nAccountId;
};

} // namespace ovl
