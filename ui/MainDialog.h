#pragma once

#include "app/AppActions.h"
#include "app/Progress.h"
#include "central/GrpIndex.h"
#include "central/ProvCache.h"
#include "ui/Controls.h"
#include "ui/IngredientList.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ovl::ui {

// The controls of the main window that its logic reads and writes.
struct MainDialogControls {
    ComboBox& supplier;
    TextField& source;
    TextField& name;
    TextField& code;
    ComboBox& category;
    ListView& refList;
    TextField& localFilter;
    ListView& localList;
    Button& importButton;
    Button& clearButton;
    Button& reportButton;
    Button& createButton;
    Label& status;
    Label& refCount;
    Label& localCount;
    Label& mark;
    Pane& refPane;
    Pane& ingPane;
    Timer& timer1;
    Timer& timer2;
    Clipboard& clipboard;
};

// A new ingredient made by the creation dialog.
struct CreatedIngredient {
    std::int32_t ingredientId = -1; // -1 when the insertion failed
    std::string frenchName;
};

// What the main window does for its logic beyond its controls: its title, its end, the
// dialogs it opens and the feedback it gives.
class MainDialogHost {
public:
    virtual ~MainDialogHost() = default;
    virtual void SetTitle(const std::string& title) = 0;
    // Ends the window as cancelled: the program then shuts down.
    virtual void EndDialog() = 0;
    virtual void Beep() = 0;
    // Shows or ends the wait cursor.
    virtual void SetBusy(bool busy) = 0;
    // Where the first search's product cache build shows how far it has come; none by
    // default.
    virtual ProgressObserver* CacheBuildProgress() { return nullptr; }
    // The terms of use in review mode; true when the user accepts them again.
    virtual bool RunTermsReview() = 0;
    virtual void RunAbout() = 0;
    // The creation dialog for a product; nothing when it was cancelled.
    virtual std::optional<CreatedIngredient> RunCreateIngredient(std::int32_t productId) = 0;
    // The supplier selection; true on OK, with the strict-filter choice.
    virtual bool RunSupplierSelection(bool& strictFilter) = 0;
    // The supplier update notice shown at start.
    virtual void RunSupplierNotice() = 0;
    // The error report of a product; true on OK.
    virtual bool RunErrorReport(std::int32_t productId, const std::string& name,
                                const std::string& supplier, const std::string& reference) = 0;
};

// The commands the window adds to its system menu, by identifier.
enum SystemCommand { kCmdAbout = 16, kCmdSuppliers = 32, kCmdTerms = 48, kCmdLegalNames = 64 };

struct SystemMenuEntry {
    int command = 0;
    std::string text;
    bool separatorBefore = false;
};

// The logic of the main window: the search and its list, the ingredient list, both panes,
// the comparison mark, the buttons, the settings kept between runs. Every event handler
// shows a database error in a box and leaves the window as the error found it.
class CovlnutriimportDlg {
public:
    static constexpr int kSearchDelayMs = 200;
    static constexpr int kRefColumns = 6;
    static constexpr int kLocalColumns = 2;

    CovlnutriimportDlg(AppActions& actions, MainDialogControls controls, MainDialogHost& host);

    // The start-up of the window: title, status, columns, stored settings, combo boxes,
    // empty lists, then the first-run supplier selection or the supplier notice.
    void OnInitDialog();
    // Writes the column widths and sort keys; pending timers are stopped.
    void OnDestroy();

    std::vector<SystemMenuEntry> SystemMenuEntries() const;
    void OnSystemCommand(int command);

    // Input events.
    void OnSearchInputChanged(); // name, code, source text; supplier or category selection
    void OnSupplierTextEdited();
    void OnLocalFilterChanged();
    void OnTimer1();
    void OnTimer2();
    void OnReset();
    void OnRefHeaderClick(int column);
    void OnLocalHeaderClick(int column);
    // A mouse click on a row (-1: on empty space).
    void OnProductClick(int row);
    void OnIngredientClick(int row);

    // Buttons.
    void OnImport();
    void OnClear();
    void OnCreateIngredient();
    void OnReport();
    void OnSuppliers();
    // Escape, Enter, the close box, a posted close request: asks before ending.
    void OnCloseRequest();

    // The tooltip of a control: its title and text; an empty text shows no tooltip.
    struct Tooltip {
        std::string title;
        std::string text;
    };
    Tooltip TooltipFor(int controlId) const;

    // The list models the views draw their rows from.
    const ListModel& RefListModel() const { return m_refModel; }
    const ListModel& LocalListModel() const { return m_localModel; }
    // The product of a reference row, the ingredient of a local row.
    std::int32_t RefItemData(int row) const;
    std::int32_t LocalItemData(int row) const;

    // State kept by the window, read by its view and the tests.
    int m_nRefSortKey = 0;
    int m_nLocalSortKey = 0;
    int m_nRefCount = 0;
    bool m_bStrictSupplierFilter = true;
    Colour m_clrStatus = Colour::Rgb(0, 0, 0);
    Colour m_clrSelectedBk;
    std::string m_strLocalFilter;
    bool m_bSuppressFilterChange = false;
    bool m_bValuesDiffer = false;
    std::string m_strIngAllergens, m_strIngTraces;
    std::string m_strRefAllergens, m_strRefTraces;
    std::string m_strReportTip;

private:
    class RefModel : public ListModel {
    public:
        explicit RefModel(const CovlnutriimportDlg& owner) : m_owner(owner) {}
        std::string CellText(int row, int column) const override;

    private:
        const CovlnutriimportDlg& m_owner;
    };
    class LocalModel : public ListModel {
    public:
        explicit LocalModel(const CovlnutriimportDlg& owner) : m_owner(owner) {}
        std::string CellText(int row, int column) const override;

    private:
        const CovlnutriimportDlg& m_owner;
    };

    void Guarded(const std::function<void()>& handler);
    CovlnutriimportApp& App() const { return m_actions.App(); }

    std::string TitleText() const;
    void ShowStatus();
    void RestoreListSettings();
    void SaveListSettings();
    void FillSupplierCombo(const std::string* filter);
    void FillCategoryCombo();
    void ScheduleReferenceSearch();
    void RefreshReferenceList();
    void UpdateReferenceCount();
    void SortReferenceRows();
    void ScheduleLocalRefresh();
    void RefreshLocalList();
    void ResetSearch();
    bool IsCentralInMaintenance();

    void ShowReferenceDetail(std::int32_t productId);
    void ShowIngredientValues(std::int32_t ingredientId);
    void ShowValues(const IngredientValues& values);
    void ImportInto(std::int32_t productId, std::int32_t ingredientId);
    void CompareValueTexts();
    void RunSupplierSelection();
    // False, after saying so, when the installation has no account to store its choices under.
    bool HasAccount();

    AppActions& m_actions;
    MainDialogControls m_c;
    MainDialogHost& m_host;

    // The rows of the last search: product cache rows in list order, with the supplier and
    // group names read for it, from which rows are made when they are drawn.
    std::vector<int> m_refRows;
    std::unique_ptr<CProvCache> m_pSearchSuppliers;
    std::unique_ptr<CGrpIndex> m_pSearchGroups;
    std::vector<IngredientRow> m_localRows;
    RefModel m_refModel{*this};
    LocalModel m_localModel{*this};
};

} // namespace ovl::ui
