#pragma once

#include "gui/DialogBuilder.h"
#include "gui/WxControls.h"
#include "ui/MainDialog.h"

#include <wx/dialog.h>
#include <wx/gauge.h>
#include <wx/timer.h>

#include <memory>

namespace ovl::gui {

// The main window: the controls of its template and the routing of their events to the
// window logic, which decides everything.
class MainDialogView : public wxDialog, public ui::MainDialogHost {
public:
    MainDialogView(wxWindow* parent, AppActions& actions);
    ~MainDialogView() override;

    ui::CovlnutriimportDlg& Logic() { return *m_pLogic; }
    // The window's own menu: the commands a system menu would carry.
    void ShowWindowMenu();
    wxWindow* Control(int id) const { return m_builder.Window(id); }

    // MainDialogHost
    void SetTitle(const std::string& title) override;
    void EndDialog() override;
    void Beep() override;
    void SetBusy(bool busy) override;
    ProgressObserver* CacheBuildProgress() override { return &m_cacheProgress; }
    bool RunTermsReview() override;
    void RunAbout() override;
    std::optional<ui::CreatedIngredient> RunCreateIngredient(std::int32_t productId) override;
    bool RunSupplierSelection(bool& strictFilter) override;
    void RunSupplierNotice() override;
    bool RunErrorReport(std::int32_t productId, const std::string& name,
                        const std::string& supplier, const std::string& reference) override;

private:
    // A bar over the status line while the product cache is read: the window is busy, but
    // not frozen.
    class GaugeProgress : public ProgressObserver {
    public:
        void Update(std::size_t done, std::size_t total, const std::string& text) override;
        void Hide();
        wxGauge* m_gauge = nullptr;
    };

    // The lists are made before the window logic whose models they draw from.
    class ForwardingModel : public ui::ListModel {
    public:
        std::string CellText(int row, int column) const override {
            return m_target ? m_target->CellText(row, column) : std::string();
        }
        const ui::ListModel* m_target = nullptr;
    };

    void MakeControls();
    void BindEvents();
    void BindListClicks(WxVirtualList* list, bool reference);
    void BindTooltips();
    void OnCharHook(wxKeyEvent& event);
    void OnClose(wxCloseEvent& event);
    void OnHoverTimer(wxTimerEvent& event);

    AppActions& m_actions;
    DialogBuilder m_builder;
    int m_nBusy = 0;
    bool m_bEnding = false;

    std::unique_ptr<WxComboBox> m_supplier, m_category;
    std::unique_ptr<WxTextField> m_source, m_name, m_code, m_localFilter;
    WxVirtualList* m_refList = nullptr;
    WxVirtualList* m_localList = nullptr;
    std::unique_ptr<WxButton> m_import, m_clear, m_report, m_create;
    std::unique_ptr<WxLabel> m_status, m_refCount, m_localCount, m_mark;
    std::unique_ptr<WxPane> m_refPane, m_ingPane;
    std::unique_ptr<WxTimer> m_timer1, m_timer2;
    WxClipboard m_clipboard;
    ForwardingModel m_refModel, m_localModel;
    GaugeProgress m_cacheProgress;
    std::unique_ptr<ui::CovlnutriimportDlg> m_pLogic;

    // The panes' tooltips have a title and an icon: shown after the mouse rests on a pane.
    wxTimer m_hoverTimer;
    wxWindow* m_pHovered = nullptr;
};

} // namespace ovl::gui
