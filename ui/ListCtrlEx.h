#pragma once

#include "ui/Controls.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ovl::ui {

// Colours of a cell; a level whose both colours are kDefaultColour sets none.
struct CellInfo {
    int column = 0;
    Colour background = kDefaultColour;
    Colour text = kDefaultColour;
};

// The control's own record behind a row: the caller's value and optional colours.
struct ItemData {
    std::intptr_t userValue = 0;
    Colour background = kDefaultColour;
    Colour text = kDefaultColour;
    std::vector<CellInfo> cells; // take precedence over the row's colours
};

// Sort flags of a column.
enum SortFlag : unsigned { kSortAscending = 1, kSortDescending = 2, kSortable = 4 };

// How the texts of a sorted column compare.
enum SortType {
    SortNone = 0,                // always equal
    SortInteger = 1,             // leading integers
    SortFloat = 2,               // leading numbers, difference truncated to an integer
    SortText = 3,                // bytes, case-sensitive
    SortIntegerOrText = 4,       // plain non-zero decimal integers, else as 3
    SortTextNoCase = 5,          // case-insensitive in code page 1252
    SortIntegerOrTextNoCase = 6, // as 4, falling back to 5
    SortDateTime = 7,            // date and time values
};

struct ColumnInfo {
    int column = 0;
    unsigned sortFlags = 0;
    int sortType = SortNone;
    Colour background = kDefaultColour;
    Colour text = kDefaultColour;
};

enum class ColumnAlignment { Left, Centre, Right };
enum class SortMark { None, Up, Down };

// The resolved colours of one cell.
struct CellColours {
    Colour background;
    Colour text;
    bool operator==(const CellColours&) const = default;
};

// What the control's window does for it. The window draws every row from the control:
// texts, check boxes and colours.
class ListCtrlExView {
public:
    virtual ~ListCtrlExView() = default;
    virtual void InsertColumn(int column, const std::string& heading, ColumnAlignment alignment,
                              int width) = 0;
    virtual int GetColumnCount() const = 0;
    virtual int GetColumnWidth(int column) const = 0;
    virtual void SetColumnWidth(int column, int width) = 0;
    virtual void EnableCheckBoxes(bool enable) = 0;
    // The number of rows changed: every row is redrawn, the selection is cleared.
    virtual void SetRowCount(int count) = 0;
    virtual void RedrawRow(int row) = 0;
    // Redrawing off while many rows change, on again after.
    virtual void SetRedraw(bool redraw) = 0;
    virtual void ShowSortMark(int column, SortMark mark) = 0;
    // The list's own colours, taken as the control's defaults when it is attached.
    virtual Colour DefaultBackground() const = 0;
    virtual Colour DefaultText() const = 0;
};

// A report-view list with a record of its own behind every row, columns sorted by a declared
// comparison type when their heading is clicked, and row and cell colours.
class CListCtrlEx {
public:
    CListCtrlEx() = default;
    CListCtrlEx(const CListCtrlEx&) = delete;
    CListCtrlEx& operator=(const CListCtrlEx&) = delete;

    // Records the view's colours as the defaults.
    void Attach(ListCtrlExView& view);

    void InsertColumn(int column, const std::string& heading, ColumnAlignment alignment, int width);
    int GetColumnWidth(int column) const;
    void SetColumnWidth(int column, int width);
    void EnableCheckBoxes(bool enable);

    // Rows.
    int GetItemCount() const;
    // Appends a row with the text of column 0; returns its index.
    int InsertItem(const std::string& text);
    void SetItemText(int row, int column, const std::string& text);
    std::string GetItemText(int row, int column) const;
    // A change of check state raises the row changed notice, as the user's click does.
    void SetCheck(int row, bool checked);
    bool GetCheck(int row) const;
    // Deletes every row and the records behind them.
    void DeleteAllItems();
    void SetRedraw(bool redraw);
    void RedrawItem(int row);

    // The row's record: the caller's value and colours.
    void SetItemUserData(int row, std::intptr_t value);
    std::optional<std::intptr_t> GetItemUserData(int row) const;
    // Null when the row has no record yet.
    ItemData* GetItemData(int row);

    // Sorting.
    void SetColumnSortType(int column, int type);
    const ColumnInfo* FindColumnInfo(int column) const;
    void SortByColumn(int column, bool byUser);
    int GetSortedColumn() const { return m_nSortedColumn; }
    // How two texts compare under a type: negative, zero or positive, before the direction.
    static int CompareTexts(int type, const std::string& a, const std::string& b);
    // Two automation dates as points in time: -1, 0 (less than half a second apart) or 1.
    static int CompareDateValues(double a, double b);

    // Drawing: the colours of a cell by cell, row, column, then the defaults.
    CellColours GetCellColours(int row, int column) const;
    // For a view that colours whole rows only: the row's record, then the defaults.
    CellColours GetRowColours(int row) const;

    // Events from the view.
    void OnHeaderClick(int column) { SortByColumn(column, true); }
    // The user toggled a row's check box.
    void OnCheckToggled(int row, bool checked) { SetCheck(row, checked); }
    // The selection or focus moved to a row.
    void OnRowSelected(int row);
    // Enter and Escape stop at the list: they neither close its dialog nor reach its buttons.
    static bool ConsumesKey(int keyCode);

    // Told of every change of a row: check state, selection, focus.
    std::function<void(int row)> m_onItemChanged;

private:
    struct Row {
        std::vector<std::string> texts;
        bool checked = false;
        ItemData* data = nullptr;
    };
    Row& RowAt(int row);
    const Row& RowAt(int row) const;
    void NotifyChanged(int row);
    const ItemData* DataAt(int row) const;
    // A level's colours, each unset one replaced by the default.
    CellColours Resolve(Colour background, Colour text) const;

    ListCtrlExView* m_pView = nullptr;
    std::vector<Row> m_rows;
    std::vector<std::unique_ptr<ItemData>> m_itemData;
    std::vector<ColumnInfo> m_columns;
    int m_nColumnCount = 0;
    int m_nSortedColumn = -1;
    Colour m_defaultBackground = kDefaultColour;
    Colour m_defaultText = kDefaultColour;
};

} // namespace ovl::ui
