#pragma once

#include "ui/Controls.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/listctrl.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/timer.h>

#include <cstdint>
#include <string>
#include <vector>

// The window's controls behind the small interfaces of the window logic. Nothing here
// decides anything: each class only passes values between the logic and its control.
namespace ovl::gui {

wxColour ToWxColour(const ui::Colour& colour);

class WxButton : public ui::Button {
public:
    explicit WxButton(wxButton* button) : m_button(button) {}
    void Enable(bool enabled) override { m_button->Enable(enabled); }
    bool IsEnabled() const override { return m_button->IsEnabled(); }

private:
    wxButton* m_button;
};

class WxLabel : public ui::Label {
public:
    explicit WxLabel(wxStaticText* label) : m_label(label) {}
    void SetText(const std::string& text) override;
    std::string GetText() const override;
    void SetColour(const ui::Colour& colour) override;

private:
    wxStaticText* m_label;
};

class WxTextField : public ui::TextField {
public:
    explicit WxTextField(wxTextCtrl* field) : m_field(field) {}
    void SetText(const std::string& text) override;
    std::string GetText() const override;

private:
    wxTextCtrl* m_field;
};

// A multi-line edit whose text the logic keeps with "\r\n" line ends; the control shows
// "\n". The toolkit cannot limit a multi-line edit here, so the view calls LimitLength after
// each change: typing beyond the limit is taken back.
class WxTextArea : public ui::TextArea {
public:
    explicit WxTextArea(wxTextCtrl* field) : m_field(field) {}
    void SetText(const std::string& text) override;
    std::string GetText() const override;
    void SetReadOnly(bool readOnly) override { m_field->SetEditable(!readOnly); }
    bool IsReadOnly() const override { return !m_field->IsEditable(); }
    void SetMaxLength(std::size_t length) override { m_nMaxLength = length; }
    // False when the change went beyond the limit and was taken back.
    bool LimitLength();

private:
    wxTextCtrl* m_field;
    std::size_t m_nMaxLength = 0;
    wxString m_accepted;
};

class WxCheckBox : public ui::CheckBox {
public:
    explicit WxCheckBox(wxCheckBox* box) : m_box(box) {}
    void SetChecked(bool checked) override { m_box->SetValue(checked); }
    bool IsChecked() const override { return m_box->GetValue(); }

private:
    wxCheckBox* m_box;
};

// An editable combo box or a drop-down list; item data is kept beside the items.
class WxComboBox : public ui::ComboBox {
public:
    explicit WxComboBox(wxItemContainer* box, wxTextEntry* edit = nullptr)
        : m_box(box), m_edit(edit) {}
    void Clear() override;
    void Append(const std::string& text, std::int32_t data) override;
    int GetCount() const override { return static_cast<int>(m_data.size()); }
    std::string GetItemText(int index) const override;
    std::int32_t GetSelectedData() const override;
    void Select(int index) override;
    std::string GetEditText() const override;
    void SetEditText(const std::string& text) override;
    // True while the program itself changes the box: its notices are not the user's.
    bool IsUpdating() const { return m_bUpdating; }

private:
    wxItemContainer* m_box;
    wxTextEntry* m_edit;
    std::vector<std::int32_t> m_data;
    bool m_bUpdating = false;
};

// A report-view list whose rows are made on demand. The row the user picked carries the
// selection mark and is painted in the selection colour of the settings: the toolkit's own
// selection (drawn in the theme's colour) is taken off again at once.
class WxVirtualList : public wxListCtrl, public ui::ListView {
public:
    WxVirtualList(wxWindow* parent, int id, const ui::ListModel& model);

    void SetColumns(const std::vector<std::string>& headings) override;
    void SetColumnSize(int column, int width) override;
    int GetColumnSize(int column) const override;
    void SetRowCount(int count) override;
    int GetRowCount() const override { return GetItemCount(); }
    int GetSelectionMark() const override { return m_nMark; }
    void SelectRow(int row) override;
    void SetSelectedBackground(const ui::Colour& colour) override;

private:
    wxString OnGetItemText(long item, long column) const override;
    wxItemAttr* OnGetItemAttr(long item) const override;
    void OnSelected(wxListEvent& event);

    const ui::ListModel& m_model;
    int m_nMark = -1;
    mutable wxItemAttr m_markAttr;
    bool m_bDeselecting = false;
};

// A read-only multi-line pane with coloured runs. Its text is kept as the logic gave it
// ("\r\n" line ends); the control shows "\n".
class WxPane : public ui::Pane {
public:
    explicit WxPane(wxTextCtrl* control);
    void SetContent(const std::string& text, const std::vector<Run>& runs) override;
    std::string GetText() const override { return m_text; }
    wxTextCtrl* Control() const { return m_control; }

private:
    wxTextCtrl* m_control;
    std::string m_text;
};

// Blocks copying out of a read-only text control: no context menu, no Ctrl+C, no Ctrl+X.
void BlockCopying(wxTextCtrl* control);

class WxTimer : public ui::Timer {
public:
    WxTimer(wxEvtHandler* owner, int id) : m_timer(owner, id) {}
    void Start(int milliseconds) override { m_timer.StartOnce(milliseconds); }
    void Stop() override { m_timer.Stop(); }
    bool IsRunning() const override { return m_timer.IsRunning(); }

private:
    wxTimer m_timer;
};

class WxClipboard : public ui::Clipboard {
public:
    void SetText(const std::string& text) override;
};

} // namespace ovl::gui
