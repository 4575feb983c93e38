#pragma once

#include "central/ProvCache.h"
#include "platform/DateTime.h"
#include "ui/Controls.h"
#include "ui/ListCtrlEx.h"

#include <cstdint>
#include <functional>

namespace ovl {

class SettingsStore;

namespace ui {

// The controls of the supplier update notice that its logic reads and writes.
struct ProvInfControls {
    CListCtrlEx& list;
    Label& heading;
    Button& ok;
};

// The notice of the suppliers updated since the user last acknowledged it. Suppliers the
// installation has not selected are drawn in another colour. OK acknowledges today; the
// other button ("show again") leaves the notice for the next start.
class CProvInfDlg {
public:
    static constexpr int kColumns = 2;
    static constexpr const char* kColsSection = "Providers list info\\Tab cols";
    // Unselected suppliers: this text colour on white.
    static constexpr Colour kUnselectedText{48, 48, 196, false};
    static constexpr Colour kUnselectedBackground{255, 255, 255, false};

    CProvInfDlg(const CProvCache& suppliers, SettingsStore& settings, ProvInfControls controls,
                DialogEnding& ending, std::int64_t acknowledged);

    void OnInitDialog();
    // Records today as acknowledged and closes.
    void OnOK();
    void OnDestroy();

    // The calendar time of the last acknowledgement, 0 for none.
    std::int64_t m_tAcknowledged = 0;
    // Today, for the acknowledgement; tests set their own day.
    std::function<db::DateTime()> m_today = [] { return db::DateTime::Now(); };

private:
    void FillList();

    const CProvCache& m_suppliers;
    SettingsStore& m_settings;
    ProvInfControls m_c;
    DialogEnding& m_ending;
};

// Reads the last acknowledgement and, when a supplier (any supplier) changed since, shows the
// notice through `show` with that date. True when the notice was shown.
bool CheckSupplierUpdates(const CProvCache& suppliers, const SettingsStore& settings,
                          const std::function<void(std::int64_t acknowledged)>& show);

} // namespace ui
} // namespace ovl
