#include "gui/MainDialogView.h"

#include "app/Language.h"
#include "gui/AboutDialog.h"
#include "gui/AppIcon.h"
#include "gui/CreateIngredientDialog.h"
#include "gui/ErrorReportDialog.h"
#include "gui/SupplierNoticeDialog.h"
#include "gui/SupplierSelectionDialog.h"
#include "gui/TermsDialog.h"
#include "gui/WxText.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/gauge.h>
#include <wx/menu.h>
#include <wx/richtooltip.h>
#include <wx/utils.h>

namespace ovl::gui {

namespace ids = ui::main_ids;

namespace {

constexpr int kTimer1 = 1, kTimer2 = 2;
constexpr int kHoverTimer = 3;
constexpr int kMenuBase = wxID_HIGHEST + 100;

} // namespace

MainDialogView::MainDialogView(wxWindow* parent, AppActions& actions)
    : wxDialog(parent, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxMINIMIZE_BOX | wxCLOSE_BOX),
      m_actions(actions), m_builder(this, ui::MainDialogTemplate()),
      m_hoverTimer(this, kHoverTimer) {
    SetIcons(AppIcons());
    MakeControls();
    BindEvents();
    BindTooltips();
    Centre();
}

MainDialogView::~MainDialogView() {
    // The controls still exist here: the settings read their widths.
    m_pLogic->OnDestroy();
}

void MainDialogView::MakeControls() {
    m_builder.Build(
        [](const ui::TemplateControl& control) {
            if (control.catalogueId == 0)
                return control.text;
            std::string text = LoadLangString(control.catalogueId);
            // The reset button's letters stand one per line.
            if (control.kind == ui::ControlKind::MultiLineButton) {
                std::string lines;
                for (char c : text)
                    if (c != '\r' && c != '\n')
                        lines += lines.empty() ? std::string(1, c) : std::string("\n") + c;
                return lines;
            }
            return text;
        },
        [&](wxWindow* parent, const ui::TemplateControl& control) -> wxWindow* {
            if (control.kind != ui::ControlKind::ListView)
                return nullptr;
            const ui::ListModel& model =
                control.id == ids::kRefList ? m_refModel : m_localModel;
            return new WxVirtualList(parent, control.id, model);
        });

    auto* supplierBox = m_builder.Get<wxComboBox>(ids::kSupplier);
    m_supplier = std::make_unique<WxComboBox>(supplierBox, supplierBox);
    m_category = std::make_unique<WxComboBox>(m_builder.Get<wxChoice>(ids::kCategory));
    m_source = std::make_unique<WxTextField>(m_builder.Get<wxTextCtrl>(ids::kSource));
    m_name = std::make_unique<WxTextField>(m_builder.Get<wxTextCtrl>(ids::kName));
    m_code = std::make_unique<WxTextField>(m_builder.Get<wxTextCtrl>(ids::kCode));
    m_localFilter = std::make_unique<WxTextField>(m_builder.Get<wxTextCtrl>(ids::kLocalFilter));
    m_refList = m_builder.Get<WxVirtualList>(ids::kRefList);
    m_localList = m_builder.Get<WxVirtualList>(ids::kLocalList);
    m_import = std::make_unique<WxButton>(m_builder.Get<wxButton>(ids::kImport));
    m_clear = std::make_unique<WxButton>(m_builder.Get<wxButton>(ids::kClear));
    m_report = std::make_unique<WxButton>(m_builder.Get<wxButton>(ids::kReport));
    m_create = std::make_unique<WxButton>(m_builder.Get<wxButton>(ids::kCreate));
    m_status = std::make_unique<WxLabel>(m_builder.Get<wxStaticText>(ids::kStatus));
    m_refCount = std::make_unique<WxLabel>(m_builder.Get<wxStaticText>(ids::kRefCount));
    m_localCount = std::make_unique<WxLabel>(m_builder.Get<wxStaticText>(ids::kLocalCount));
    m_mark = std::make_unique<WxLabel>(m_builder.Get<wxStaticText>(ids::kMark));
    m_refPane = std::make_unique<WxPane>(m_builder.Get<wxTextCtrl>(ids::kRefPane));
    m_ingPane = std::make_unique<WxPane>(m_builder.Get<wxTextCtrl>(ids::kIngPane));
    m_timer1 = std::make_unique<WxTimer>(this, kTimer1);
    m_timer2 = std::make_unique<WxTimer>(this, kTimer2);

    m_cacheProgress.m_gauge =
        new wxGauge(this, wxID_ANY, 100, m_builder.Window(ids::kStatus)->GetPosition(),
                    m_builder.Window(ids::kStatus)->GetSize());
    m_cacheProgress.m_gauge->Hide();

    const wxColour darkBlue(0, 0, 192);
    for (int id : {ids::kIngredientsTitle, ids::kOwnValuesTitle, ids::kFilterTitle})
        m_builder.Window(id)->SetForegroundColour(darkBlue);

    m_pLogic = std::make_unique<ui::CovlnutriimportDlg>(
        m_actions,
        ui::MainDialogControls{*m_supplier,  *m_source,     *m_name,      *m_code,
                               *m_category,  *m_refList,    *m_localFilter, *m_localList,
                               *m_import,    *m_clear,      *m_report,    *m_create,
                               *m_status,    *m_refCount,   *m_localCount, *m_mark,
                               *m_refPane,   *m_ingPane,    *m_timer1,    *m_timer2,
                               m_clipboard},
        *this);
    m_refModel.m_target = &m_pLogic->RefListModel();
    m_localModel.m_target = &m_pLogic->LocalListModel();
}

void MainDialogView::BindEvents() {
    ui::CovlnutriimportDlg& logic = *m_pLogic;
    for (int id : {ids::kSource, ids::kName, ids::kCode})
        m_builder.Window(id)->Bind(wxEVT_TEXT, [&logic](wxCommandEvent&) {
            logic.OnSearchInputChanged();
        });
    auto* supplierBox = m_builder.Get<wxComboBox>(ids::kSupplier);
    supplierBox->Bind(wxEVT_COMBOBOX, [&logic](wxCommandEvent&) { logic.OnSearchInputChanged(); });
    supplierBox->Bind(wxEVT_TEXT, [this, &logic, supplierBox](wxCommandEvent&) {
        // Picking an item also changes the text: only the user's typing narrows the list.
        const int selection = supplierBox->GetSelection();
        if (m_supplier->IsUpdating() ||
            (selection != wxNOT_FOUND &&
             supplierBox->GetValue() == supplierBox->GetString(static_cast<unsigned>(selection))))
            return;
        logic.OnSupplierTextEdited();
    });
    m_builder.Window(ids::kCategory)->Bind(wxEVT_CHOICE, [&logic](wxCommandEvent&) {
        logic.OnSearchInputChanged();
    });
    m_builder.Window(ids::kLocalFilter)->Bind(wxEVT_TEXT, [&logic](wxCommandEvent&) {
        logic.OnLocalFilterChanged();
    });
    Bind(wxEVT_TIMER, [&logic](wxTimerEvent&) { logic.OnTimer1(); }, kTimer1);
    Bind(wxEVT_TIMER, [&logic](wxTimerEvent&) { logic.OnTimer2(); }, kTimer2);
    Bind(wxEVT_TIMER, &MainDialogView::OnHoverTimer, this, kHoverTimer);

    const auto onButton = [this](int id, std::function<void()> action) {
        m_builder.Window(id)->Bind(wxEVT_BUTTON, [action](wxCommandEvent&) { action(); });
    };
    onButton(ids::kReset, [&logic] { logic.OnReset(); });
    onButton(ids::kSuppliersButton, [&logic] { logic.OnSuppliers(); });
    onButton(ids::kReport, [&logic] { logic.OnReport(); });
    onButton(ids::kCreate, [&logic] { logic.OnCreateIngredient(); });
    onButton(ids::kImport, [&logic] { logic.OnImport(); });
    onButton(ids::kClear, [&logic] { logic.OnClear(); });
    onButton(ids::kMenuButton, [this] { ShowWindowMenu(); });

    BindListClicks(m_refList, true);
    BindListClicks(m_localList, false);
    m_refList->Bind(wxEVT_LIST_COL_CLICK, [&logic](wxListEvent& event) {
        logic.OnRefHeaderClick(event.GetColumn());
    });
    m_localList->Bind(wxEVT_LIST_COL_CLICK, [&logic](wxListEvent& event) {
        logic.OnLocalHeaderClick(event.GetColumn());
    });

    Bind(wxEVT_CHAR_HOOK, &MainDialogView::OnCharHook, this);
    Bind(wxEVT_CLOSE_WINDOW, &MainDialogView::OnClose, this);
    // The window's own menu on a right-click in its free area; the controls keep theirs.
    Bind(wxEVT_RIGHT_UP, [this](wxMouseEvent&) { ShowWindowMenu(); });
    Bind(wxEVT_INIT_DIALOG, [&logic](wxInitDialogEvent&) { logic.OnInitDialog(); });
}

void MainDialogView::BindListClicks(WxVirtualList* list, bool reference) {
    // Only a mouse click shows a row: moving the selection with the keys does not.
    list->Bind(wxEVT_LEFT_DOWN, [this, list, reference](wxMouseEvent& event) {
        event.Skip();
        int flags = 0;
        const long row = list->HitTest(event.GetPosition(), flags);
        if (row == wxNOT_FOUND || !(flags & wxLIST_HITTEST_ONITEM))
            return;
        CallAfter([this, row, reference] {
            if (reference)
                m_pLogic->OnProductClick(static_cast<int>(row));
            else
                m_pLogic->OnIngredientClick(static_cast<int>(row));
        });
    });
}

void MainDialogView::OnCharHook(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    // Enter is the window's default command, handled as cancel, as Escape is.
    if (key == WXK_ESCAPE || key == WXK_RETURN || key == WXK_NUMPAD_ENTER) {
        m_pLogic->OnCloseRequest();
        return;
    }
    event.Skip();
}

void MainDialogView::OnClose(wxCloseEvent& event) {
    if (event.CanVeto() && !m_bEnding) {
        event.Veto();
        m_pLogic->OnCloseRequest();
        return;
    }
    event.Skip();
}

void MainDialogView::ShowWindowMenu() {
    wxMenu menu;
    for (const ui::SystemMenuEntry& entry : m_pLogic->SystemMenuEntries()) {
        if (entry.separatorBefore && menu.GetMenuItemCount() > 0)
            menu.AppendSeparator();
        menu.Append(kMenuBase + entry.command, ToWx(entry.text));
    }
    const int chosen = GetPopupMenuSelectionFromUser(menu);
    if (chosen != wxID_NONE)
        m_pLogic->OnSystemCommand(chosen - kMenuBase);
}

// ---- Tooltips ------------------------------------------------------------------------------

void MainDialogView::BindTooltips() {
    for (int id : {ids::kRefPane, ids::kIngPane}) {
        wxWindow* pane = m_builder.Window(id);
        pane->Bind(wxEVT_ENTER_WINDOW, [this, pane](wxMouseEvent& event) {
            m_pHovered = pane;
            m_hoverTimer.StartOnce(700);
            event.Skip();
        });
        pane->Bind(wxEVT_LEAVE_WINDOW, [this](wxMouseEvent& event) {
            m_pHovered = nullptr;
            m_hoverTimer.Stop();
            event.Skip();
        });
    }
    wxWindow* report = m_builder.Window(ids::kReport);
    report->SetToolTip(ToWx(m_pLogic->TooltipFor(ids::kReport).text));
}

void MainDialogView::OnHoverTimer(wxTimerEvent&) {
    if (!m_pHovered)
        return;
    const auto tip = m_pLogic->TooltipFor(m_pHovered->GetId());
    if (tip.text.empty())
        return;
    wxRichToolTip rich(ToWx(tip.title), ToWx(tip.text));
    rich.SetIcon(wxICON_INFORMATION);
    rich.SetTimeout(10000);
    rich.ShowFor(m_pHovered);
}

// ---- Host --------------------------------------------------------------------------------

void MainDialogView::SetTitle(const std::string& title) {
    wxDialog::SetTitle(ToWx(title));
}

void MainDialogView::EndDialog() {
    m_bEnding = true;
    if (IsModal())
        EndModal(wxID_CANCEL);
    else
        Close(true);
}

void MainDialogView::Beep() {
    wxBell();
}

void MainDialogView::SetBusy(bool busy) {
    if (busy) {
        if (m_nBusy++ == 0)
            wxBeginBusyCursor();
    } else if (m_nBusy > 0 && --m_nBusy == 0) {
        wxEndBusyCursor();
        m_cacheProgress.Hide();
    }
}

void MainDialogView::GaugeProgress::Update(std::size_t done, std::size_t total,
                                          const std::string&) {
    if (!m_gauge)
        return;
    const std::size_t range = total > 0 ? total : done + done / 2 + 1;
    m_gauge->SetRange(static_cast<int>(std::min<std::size_t>(range, 1u << 30)));
    m_gauge->SetValue(static_cast<int>(std::min(done, range)));
    m_gauge->Show();
    // Painted now: the build runs on this thread until the cache is complete.
    m_gauge->Update();
}

void MainDialogView::GaugeProgress::Hide() {
    if (m_gauge && m_gauge->IsShown())
        m_gauge->Hide();
}

bool MainDialogView::RunTermsReview() {
    TermsDialog dialog(this, m_actions.App().Settings(), m_actions.App().Language(), true);
    return dialog.ShowModal() == wxID_OK;
}

void MainDialogView::RunAbout() {
    AboutDialog dialog(nullptr, m_actions.App());
    dialog.ShowModal();
}

std::optional<ui::CreatedIngredient> MainDialogView::RunCreateIngredient(std::int32_t productId) {
    CreateIngredientDialog dialog(this, m_actions, productId);
    if (dialog.ShowModal() != wxID_OK)
        return std::nullopt;
    return ui::CreatedIngredient{dialog.NewIngredientId(), dialog.FrenchName()};
}

bool MainDialogView::RunSupplierSelection(bool& strictFilter) {
    CovlnutriimportApp& app = m_actions.App();
    SupplierChoice choice(app.CentralDb(), app.ProvCache(), app.AccountId());
    SupplierSelectionDialog dialog(this, choice, app.Settings(), app.Messages());
    if (dialog.ShowModal() != wxID_OK)
        return false;
    strictFilter = dialog.StrictFilter();
    return true;
}

void MainDialogView::RunSupplierNotice() {
    CovlnutriimportApp& app = m_actions.App();
    ui::CheckSupplierUpdates(app.ProvCache(), app.Settings(), [&](std::int64_t acknowledged) {
        SupplierNoticeDialog dialog(this, app.ProvCache(), app.Settings(), acknowledged);
        dialog.ShowModal();
    });
}

bool MainDialogView::RunErrorReport(std::int32_t productId, const std::string& name,
                                    const std::string& supplier, const std::string& reference) {
    CovlnutriimportApp& app = m_actions.App();
    ErrorReports reports(app.CentralDb(), app.AccountId());
    ErrorReportDialog dialog(this, reports, app.Messages(),
                             ui::ReportedProduct{productId, name, supplier, reference});
    return dialog.ShowModal() == wxID_OK;
}

} // namespace ovl::gui
