#pragma once

#include "ui/ListCtrlEx.h"

#include <wx/listctrl.h>

namespace ovl::gui {

// The window of an extended list: a virtual report list that draws every row from its
// `ui::CListCtrlEx` and hands it the user's clicks. Per-cell colours need the platform's own
// list; the generic list of GTK colours whole rows, so it draws each row's own colours.
class WxListCtrlEx : public wxListCtrl {
public:
    WxListCtrlEx(wxWindow* parent, int id, ui::CListCtrlEx& model);

    ui::CListCtrlEx& Model() { return m_model; }

    // What the list asks before it draws a row; public so that a test sees what it is told.
    wxString OnGetItemText(long item, long column) const override;
    bool OnGetItemIsChecked(long item) const override;
    wxItemAttr* OnGetItemAttr(long item) const override;
    wxItemAttr* OnGetItemColumnAttr(long item, long column) const override;

private:
    // wxListCtrl already has SetColumnWidth and EnableCheckBoxes as virtual functions that
    // answer a bool, so the view's interface lives in a member that forwards to the list.
    class View : public ui::ListCtrlExView {
    public:
        explicit View(WxListCtrlEx& list) : m_list(list) {}
        void InsertColumn(int column, const std::string& heading, ui::ColumnAlignment alignment,
                          int width) override;
        int GetColumnCount() const override { return m_list.GetColumnCount(); }
        int GetColumnWidth(int column) const override { return m_list.GetColumnWidth(column); }
        void SetColumnWidth(int column, int width) override {
            m_list.SetColumnWidth(column, width);
        }
        void EnableCheckBoxes(bool enable) override { m_list.EnableCheckBoxes(enable); }
        void SetRowCount(int count) override;
        void RedrawRow(int row) override;
        void SetRedraw(bool redraw) override;
        void ShowSortMark(int column, ui::SortMark mark) override;
        ui::Colour DefaultBackground() const override;
        ui::Colour DefaultText() const override;

    private:
        WxListCtrlEx& m_list;
        bool m_bRedrawing = true;
    };

    // The attribute of one row or cell, none when it keeps the list's own colours.
    wxItemAttr* AttrFor(const ui::CellColours& colours) const;

    void OnHeaderClick(wxListEvent& event);
    void OnChecked(wxListEvent& event);
    void OnUnchecked(wxListEvent& event);
    void OnRowChanged(wxListEvent& event);
    void OnCharHook(wxKeyEvent& event);

    ui::CListCtrlEx& m_model;
    View m_view;
    mutable wxItemAttr m_attr;
};

} // namespace ovl::gui
