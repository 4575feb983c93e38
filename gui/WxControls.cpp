#include "gui/WxControls.h"

#include "gui/WxText.h"

#include <wx/clipbrd.h>
#include <wx/utils.h>

#include <algorithm>

namespace ovl::gui {

wxColour ToWxColour(const ui::Colour& colour) {
    if (colour.isDefault)
        return wxNullColour;
    return wxColour(static_cast<unsigned char>(colour.red),
                    static_cast<unsigned char>(colour.green),
                    static_cast<unsigned char>(colour.blue));
}

// ---- Labels and fields ---------------------------------------------------------------------

void WxLabel::SetText(const std::string& text) {
    // A label shows "&" as a mnemonic unless it is doubled.
    wxString shown = ToWx(text);
    shown.Replace("&", "&&");
    m_label->SetLabel(shown);
}

std::string WxLabel::GetText() const {
    return FromWx(m_label->GetLabelText());
}

void WxLabel::SetColour(const ui::Colour& colour) {
    m_label->SetForegroundColour(ToWxColour(colour));
    m_label->Refresh();
}

void WxTextField::SetText(const std::string& text) {
    m_field->SetValue(ToWx(text));
}

std::string WxTextField::GetText() const {
    return FromWx(m_field->GetValue());
}

namespace {

std::string WithCrLf(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

std::string WithoutCr(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            out += text[i];
    return out;
}

} // namespace

void WxTextArea::SetText(const std::string& text) {
    m_accepted = ToWx(WithoutCr(text));
    m_field->SetValue(m_accepted);
}

std::string WxTextArea::GetText() const {
    return WithCrLf(FromWx(m_field->GetValue()));
}

bool WxTextArea::LimitLength() {
    if (m_nMaxLength == 0 || GetText().size() <= m_nMaxLength) {
        m_accepted = m_field->GetValue();
        return true;
    }
    const long caret = m_field->GetInsertionPoint();
    const long growth = static_cast<long>(m_field->GetValue().length() - m_accepted.length());
    m_field->ChangeValue(m_accepted);
    m_field->SetInsertionPoint(std::max(0L, caret - std::max(0L, growth)));
    wxBell();
    return false;
}

// ---- Combo boxes ---------------------------------------------------------------------------

void WxComboBox::Clear() {
    m_bUpdating = true;
    m_box->Clear();
    m_data.clear();
    m_bUpdating = false;
}

void WxComboBox::Append(const std::string& text, std::int32_t data) {
    m_bUpdating = true;
    m_box->Append(ToWx(text));
    m_data.push_back(data);
    m_bUpdating = false;
}

std::string WxComboBox::GetItemText(int index) const {
    return FromWx(m_box->GetString(static_cast<unsigned>(index)));
}

std::int32_t WxComboBox::GetSelectedData() const {
    const int selection = m_box->GetSelection();
    if (selection == wxNOT_FOUND || selection >= static_cast<int>(m_data.size()))
        return -1;
    // An editable box keeps its selection while the user types another text.
    if (m_edit && m_edit->GetValue() != m_box->GetString(static_cast<unsigned>(selection)))
        return -1;
    return m_data[static_cast<size_t>(selection)];
}

void WxComboBox::Select(int index) {
    m_bUpdating = true;
    m_box->SetSelection(index < 0 ? wxNOT_FOUND : index);
    if (index < 0 && m_edit)
        m_edit->ChangeValue(wxString());
    m_bUpdating = false;
}

std::string WxComboBox::GetEditText() const {
    return m_edit ? FromWx(m_edit->GetValue()) : std::string();
}

void WxComboBox::SetEditText(const std::string& text) {
    if (!m_edit)
        return;
    m_bUpdating = true;
    m_edit->ChangeValue(ToWx(text));
    m_edit->SetInsertionPointEnd();
    m_bUpdating = false;
}

// ---- Virtual list --------------------------------------------------------------------------

WxVirtualList::WxVirtualList(wxWindow* parent, int id, const ui::ListModel& model)
    : wxListCtrl(parent, id, wxDefaultPosition, wxDefaultSize,
                 wxLC_REPORT | wxLC_VIRTUAL | wxLC_SINGLE_SEL | wxBORDER_SUNKEN),
      m_model(model) {
    Bind(wxEVT_LIST_ITEM_SELECTED, &WxVirtualList::OnSelected, this);
}

void WxVirtualList::SetColumns(const std::vector<std::string>& headings) {
    DeleteAllColumns();
    for (size_t i = 0; i < headings.size(); ++i)
        InsertColumn(static_cast<long>(i), ToWx(headings[i]));
}

void WxVirtualList::SetColumnSize(int column, int width) {
    wxListCtrl::SetColumnWidth(column, width);
}

int WxVirtualList::GetColumnSize(int column) const {
    return wxListCtrl::GetColumnWidth(column);
}

void WxVirtualList::SetRowCount(int count) {
    m_nMark = -1;
    SetItemCount(count);
    Refresh();
}

void WxVirtualList::SelectRow(int row) {
    if (row < 0 || row >= GetItemCount())
        return;
    m_nMark = row;
    EnsureVisible(row);
    SetItemState(row, wxLIST_STATE_FOCUSED, wxLIST_STATE_FOCUSED);
    Refresh();
}

void WxVirtualList::SetSelectedBackground(const ui::Colour& colour) {
    m_markAttr.SetBackgroundColour(ToWxColour(colour));
}

void WxVirtualList::OnSelected(wxListEvent& event) {
    event.Skip();
    if (m_bDeselecting)
        return;
    m_nMark = static_cast<int>(event.GetIndex());
    // The toolkit paints its selection in the theme's colour whatever the row's attribute
    // says; taking it off leaves the marked row to OnGetItemAttr's colour.
    m_bDeselecting = true;
    SetItemState(m_nMark, 0, wxLIST_STATE_SELECTED);
    m_bDeselecting = false;
    Refresh();
}

wxString WxVirtualList::OnGetItemText(long item, long column) const {
    return ToWx(m_model.CellText(static_cast<int>(item), static_cast<int>(column)));
}

wxItemAttr* WxVirtualList::OnGetItemAttr(long item) const {
    return item == m_nMark ? &m_markAttr : nullptr;
}

// ---- Panes ---------------------------------------------------------------------------------

void BlockCopying(wxTextCtrl* control) {
    control->Bind(wxEVT_TEXT_COPY, [](wxClipboardTextEvent&) {});
    control->Bind(wxEVT_TEXT_CUT, [](wxClipboardTextEvent&) {});
    control->Bind(wxEVT_CONTEXT_MENU, [](wxContextMenuEvent&) {});
    control->Bind(wxEVT_KEY_DOWN, [](wxKeyEvent& event) {
        const int key = event.GetKeyCode();
        if (event.ControlDown() && (key == 'C' || key == 'X' || key == WXK_INSERT))
            return;
        event.Skip();
    });
}

WxPane::WxPane(wxTextCtrl* control) : m_control(control) {
    BlockCopying(control);
}

void WxPane::SetContent(const std::string& text, const std::vector<Run>& runs) {
    m_text = text;
    // The control counts characters without the "\r" of each line end: map the positions.
    std::string shown;
    shown.reserve(text.size());
    std::vector<long> position(text.size() + 1, 0);
    for (size_t i = 0; i < text.size(); ++i) {
        position[i] = static_cast<long>(shown.size());
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            shown += text[i];
    }
    position[text.size()] = static_cast<long>(shown.size());

    m_control->Freeze();
    m_control->SetValue(ToWx(shown));
    for (const Run& run : runs) {
        const size_t end = std::min(run.start + run.length, text.size());
        m_control->SetStyle(position[std::min(run.start, text.size())], position[end],
                            wxTextAttr(ToWxColour(run.colour)));
    }
    m_control->ShowPosition(0);
    m_control->Thaw();
}

// ---- Clipboard -----------------------------------------------------------------------------

void WxClipboard::SetText(const std::string& text) {
    if (wxTheClipboard->Open()) {
        wxTheClipboard->SetData(new wxTextDataObject(ToWx(text)));
        wxTheClipboard->Close();
    }
}

} // namespace ovl::gui
