#pragma once

#include "gui/DialogBuilder.h"
#include "gui/WxControls.h"
#include "suppliers/ProvSelDlg.h"
#include "ui/ListCtrlEx.h"

#include <wx/dialog.h>

#include <memory>

namespace ovl {

class MessageSink;
class SettingsStore;

namespace gui {

class WxListCtrlEx;

// The supplier selection: OK stores the ticked suppliers as the installation's selection.
class SupplierSelectionDialog : public wxDialog, private ui::DialogEnding {
public:
    SupplierSelectionDialog(wxWindow* parent, SupplierChoice& choice, SettingsStore& settings,
                            MessageSink& messages);
    ~SupplierSelectionDialog() override;

    // The search restriction chosen with OK.
    bool StrictFilter() const { return m_pLogic->m_bStrictFilter; }
    ui::CListCtrlEx& List() { return m_list; }

private:
    void EndDialog(bool ok) override { EndModal(ok ? wxID_OK : wxID_CANCEL); }
    ui::DialogEnding& Ending() { return *this; }
    void BindEvents();

    DialogBuilder m_builder;
    ui::CListCtrlEx m_list;
    WxListCtrlEx* m_pListView = nullptr;
    std::unique_ptr<WxTextField> m_filter;
    std::unique_ptr<WxCheckBox> m_strict;
    std::unique_ptr<WxButton> m_ok;
    WxTimer m_timer;
    std::unique_ptr<ui::CProvSelDlg> m_pLogic;
};

} // namespace gui
} // namespace ovl
