#include "gui/WxListCtrlEx.h"

#include "gui/WxControls.h"
#include "gui/WxText.h"

namespace ovl::gui {

namespace {

ui::Colour FromWxColour(const wxColour& colour) {
    if (!colour.IsOk())
        return ui::kDefaultColour;
    return ui::Colour::Rgb(colour.Red(), colour.Green(), colour.Blue());
}

int ToWxAlignment(ui::ColumnAlignment alignment) {
    switch (alignment) {
    case ui::ColumnAlignment::Centre:
        return wxLIST_FORMAT_CENTRE;
    case ui::ColumnAlignment::Right:
        return wxLIST_FORMAT_RIGHT;
    case ui::ColumnAlignment::Left:
    default:
        return wxLIST_FORMAT_LEFT;
    }
}

} // namespace

WxListCtrlEx::WxListCtrlEx(wxWindow* parent, int id, ui::CListCtrlEx& model)
    : wxListCtrl(parent, id, wxDefaultPosition, wxDefaultSize,
                 wxLC_REPORT | wxLC_VIRTUAL | wxLC_SINGLE_SEL | wxBORDER_SUNKEN),
      m_model(model), m_view(*this) {
    Bind(wxEVT_LIST_COL_CLICK, &WxListCtrlEx::OnHeaderClick, this);
    Bind(wxEVT_LIST_ITEM_CHECKED, &WxListCtrlEx::OnChecked, this);
    Bind(wxEVT_LIST_ITEM_UNCHECKED, &WxListCtrlEx::OnUnchecked, this);
    Bind(wxEVT_LIST_ITEM_SELECTED, &WxListCtrlEx::OnRowChanged, this);
    Bind(wxEVT_LIST_ITEM_FOCUSED, &WxListCtrlEx::OnRowChanged, this);
    // The hook reaches the list from the inner window that has the focus, before the dialog
    // sees the key.
    Bind(wxEVT_CHAR_HOOK, &WxListCtrlEx::OnCharHook, this);
    m_model.Attach(m_view);
}

// ---- The view's interface ------------------------------------------------------------------

void WxListCtrlEx::View::InsertColumn(int column, const std::string& heading,
                                      ui::ColumnAlignment alignment, int width) {
    m_list.wxListCtrl::InsertColumn(column, ToWx(heading), ToWxAlignment(alignment), width);
}

void WxListCtrlEx::View::SetRowCount(int count) {
    // The rows' order or number changed: a selected index would now name another row.
    for (long row = m_list.GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED); row != -1;
         row = m_list.GetNextItem(row, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED))
        m_list.SetItemState(row, 0, wxLIST_STATE_SELECTED);
    m_list.SetItemCount(count);
    m_list.Refresh();
}

void WxListCtrlEx::View::RedrawRow(int row) {
    if (row >= 0 && row < m_list.GetItemCount())
        m_list.RefreshItem(row);
}

void WxListCtrlEx::View::SetRedraw(bool redraw) {
    if (redraw == m_bRedrawing)
        return;
    m_bRedrawing = redraw;
    if (redraw)
        m_list.Thaw();
    else
        m_list.Freeze();
}

void WxListCtrlEx::View::ShowSortMark(int column, ui::SortMark mark) {
    if (mark == ui::SortMark::None) {
        if (m_list.GetSortIndicator() == column)
            m_list.RemoveSortIndicator();
        return;
    }
    m_list.ShowSortIndicator(column, mark == ui::SortMark::Up);
}

ui::Colour WxListCtrlEx::View::DefaultBackground() const {
    return FromWxColour(m_list.GetBackgroundColour());
}

ui::Colour WxListCtrlEx::View::DefaultText() const {
    return FromWxColour(m_list.GetForegroundColour());
}

// ---- Drawing from the model ----------------------------------------------------------------

wxString WxListCtrlEx::OnGetItemText(long item, long column) const {
    return ToWx(m_model.GetItemText(static_cast<int>(item), static_cast<int>(column)));
}

bool WxListCtrlEx::OnGetItemIsChecked(long item) const {
    return m_model.GetCheck(static_cast<int>(item));
}

wxItemAttr* WxListCtrlEx::OnGetItemAttr(long item) const {
    return AttrFor(m_model.GetRowColours(static_cast<int>(item)));
}

wxItemAttr* WxListCtrlEx::OnGetItemColumnAttr(long item, long column) const {
    return AttrFor(m_model.GetCellColours(static_cast<int>(item), static_cast<int>(column)));
}

wxItemAttr* WxListCtrlEx::AttrFor(const ui::CellColours& colours) const {
    if (colours == ui::CellColours{m_view.DefaultBackground(), m_view.DefaultText()})
        return nullptr;
    m_attr.SetBackgroundColour(ToWxColour(colours.background));
    m_attr.SetTextColour(ToWxColour(colours.text));
    return &m_attr;
}

// ---- The user's actions --------------------------------------------------------------------

void WxListCtrlEx::OnHeaderClick(wxListEvent& event) {
    // Not passed on: the list sorts itself.
    m_model.OnHeaderClick(event.GetColumn());
}

void WxListCtrlEx::OnChecked(wxListEvent& event) {
    event.Skip();
    m_model.OnCheckToggled(static_cast<int>(event.GetIndex()), true);
}

void WxListCtrlEx::OnUnchecked(wxListEvent& event) {
    event.Skip();
    m_model.OnCheckToggled(static_cast<int>(event.GetIndex()), false);
}

void WxListCtrlEx::OnRowChanged(wxListEvent& event) {
    event.Skip();
    if (event.GetIndex() >= 0)
        m_model.OnRowSelected(static_cast<int>(event.GetIndex()));
}

void WxListCtrlEx::OnCharHook(wxKeyEvent& event) {
    if (!ui::CListCtrlEx::ConsumesKey(event.GetKeyCode()))
        event.Skip();
}

} // namespace ovl::gui
