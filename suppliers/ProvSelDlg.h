#pragma once

#include "suppliers/SupplierChoice.h"
#include "ui/Controls.h"
#include "ui/ListCtrlEx.h"

namespace ovl {

class MessageSink;
class SettingsStore;

namespace ui {

// The controls of the supplier selection that its logic reads and writes.
struct ProvSelControls {
    CListCtrlEx& list;
    TextField& filter;
    CheckBox& strict;
    Button& ok;
    Timer& filterTimer;
};

// The supplier selection: every enabled supplier with a check box, narrowed by a filter
// typed above the list, and whether the search keeps to the selected suppliers. The ticks
// live in the supplier cache; OK stores them as the installation's selection.
class CProvSelDlg {
public:
    static constexpr int kFilterDelayMs = 800;
    static constexpr int kColumns = 3;
    static constexpr const char* kColsSection = "Providers list\\Tab cols";

    CProvSelDlg(SupplierChoice& choice, SettingsStore& settings, MessageSink& messages,
                ProvSelControls controls, DialogEnding& ending);

    void OnInitDialog();
    void OnFilterChanged();
    void OnTimer();
    void OnStrictClicked();
    // A row changed: its check box, or the selection or focus moved to it.
    void OnItemChanged(int row);
    // Stores the choice; the dialog closes only when the old selection could be deleted.
    void OnOK();
    // Kills the filter timer and keeps the column widths, after OK and Cancel alike.
    void OnDestroy();

    void FillSupplierList();
    bool StoreSupplierChoice();

    bool m_bStrictFilter = true;
    bool m_bChanged = false;
    bool m_bFilling = false;

private:
    void MarkChanged();

    SupplierChoice& m_choice;
    SettingsStore& m_settings;
    MessageSink& m_messages;
    ProvSelControls m_c;
    DialogEnding& m_ending;
};

} // namespace ui
} // namespace ovl
