#pragma once

#include "gui/DialogBuilder.h"
#include "gui/WxControls.h"
#include "suppliers/ProvInfDlg.h"
#include "ui/ListCtrlEx.h"

#include <wx/dialog.h>

#include <cstdint>
#include <memory>

namespace ovl {

class SettingsStore;

namespace gui {

class WxListCtrlEx;

// The suppliers updated since the last acknowledgement: OK acknowledges, "show again" keeps
// the notice for the next start. Its filter and check box have no effect here.
class SupplierNoticeDialog : public wxDialog, private ui::DialogEnding {
public:
    SupplierNoticeDialog(wxWindow* parent, const CProvCache& suppliers, SettingsStore& settings,
                         std::int64_t acknowledged);
    ~SupplierNoticeDialog() override;

    ui::CListCtrlEx& List() { return m_list; }

private:
    void EndDialog(bool ok) override { EndModal(ok ? wxID_OK : wxID_CANCEL); }
    ui::DialogEnding& Ending() { return *this; }

    DialogBuilder m_builder;
    ui::CListCtrlEx m_list;
    std::unique_ptr<WxLabel> m_heading;
    std::unique_ptr<WxButton> m_ok;
    std::unique_ptr<ui::CProvInfDlg> m_pLogic;
};

} // namespace gui
} // namespace ovl
