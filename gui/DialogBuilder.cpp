#include "gui/DialogBuilder.h"

#include "gui/WxText.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/arrstr.h>
#include <wx/textctrl.h>

namespace ovl::gui {

using ui::ControlKind;

namespace {

// Templates name OK and Cancel 1 and 2; the toolkit has identifiers of its own for them.
int ToolkitId(int templateId) {
    return templateId == 1 ? wxID_OK : templateId == 2 ? wxID_CANCEL : templateId;
}
int TemplateId(int id) {
    return id == wxID_OK ? 1 : id == wxID_CANCEL ? 2 : id;
}

} // namespace

DialogBuilder::DialogBuilder(wxDialog* dialog, const ui::DialogTemplate& layout)
    : m_dialog(dialog), m_layout(layout) {
    m_dialog->SetFont(DialogFont());
    m_base = BaseUnitsOf(m_dialog);
    const wxRect client = PixelRect({0, 0, layout.width, layout.height});
    m_dialog->SetClientSize(client.GetSize());
}


wxFont DialogBuilder::DialogFont() {
    return wxFont(wxFontInfo(8).Family(wxFONTFAMILY_SWISS).FaceName("DejaVu Sans"));
}

ui::DialogBaseUnits DialogBuilder::BaseUnitsOf(const wxWindow* window) {
    // The average width of the 52 letters, rounded as dialog templates do it.
    const wxSize letters =
        window->GetTextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return {(letters.GetWidth() / 26 + 1) / 2, window->GetCharHeight()};
}

wxRect DialogBuilder::PixelRect(const ui::Rect& dialogUnits) const {
    const ui::Rect px = ui::DialogToPixels(dialogUnits, m_base);
    return wxRect(px.x, px.y, px.width, px.height);
}

void DialogBuilder::Build(const std::function<std::string(const ui::TemplateControl&)>& textOf,
                          const Factory& factory) {
    for (const ui::TemplateControl& control : m_layout.controls) {
        wxWindow* window = Make(control, ToWx(textOf(control)), factory);
        if (!window)
            continue;
        if (control.disabledAtStart)
            window->Disable();
        m_windows[control.id] = window;
    }
}

// The templates were drawn for a narrower font: a caption that does not fit widens its
// button about its centre instead of being cut.
wxButton* DialogBuilder::FittedButton(wxWindow* parent, int id, const wxString& text,
                                      wxRect rect) const {
    auto* button = new wxButton(parent, id, text, rect.GetPosition(), rect.GetSize(),
                                wxBU_EXACTFIT);
    const int needed = button->GetTextExtent(text).GetWidth() + 2 * m_dialog->GetCharWidth();
    if (needed > rect.width) {
        rect.x -= (needed - rect.width) / 2;
        rect.width = needed;
        button->SetSize(rect);
    }
    return button;
}

wxString DialogBuilder::WrappedText(const wxString& text, int width) const {
    wxString wrapped, line;
    for (const wxString& word : wxSplit(text, ' ', 0)) {
        const wxString longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && m_dialog->GetTextExtent(longer).GetWidth() > width) {
            wrapped += line + "\n";
            line = word;
        } else {
            line = longer;
        }
    }
    return wrapped + line;
}

wxWindow* DialogBuilder::Window(int id) const {
    const auto found = m_windows.find(TemplateId(id));
    return found == m_windows.end() ? nullptr : found->second;
}

wxWindow* DialogBuilder::Make(const ui::TemplateControl& control, const wxString& text,
                              const Factory& factory) {
    wxRect rect = PixelRect(control.rect);
    // A drop-down's height in the template includes its open list.
    if (control.kind == ControlKind::EditableCombo || control.kind == ControlKind::ListCombo)
        rect.SetHeight(PixelRect({0, 0, 0, 14}).GetHeight());
    const wxPoint at = rect.GetPosition();
    const wxSize size = rect.GetSize();
    wxWindow* parent = m_dialog;
    const int id = ToolkitId(control.id);
    switch (control.kind) {
    case ControlKind::EditableCombo:
        return new wxComboBox(parent, id, text, at, size, 0, nullptr, wxCB_DROPDOWN);
    case ControlKind::ListCombo:
        return new wxChoice(parent, id, at, size);
    case ControlKind::Edit:
        return new wxTextCtrl(parent, id, text, at, size);
    case ControlKind::ReadOnlyEdit:
        return new wxTextCtrl(parent, id, text, at, size, wxTE_READONLY);
    case ControlKind::HiddenEdit: {
        auto* edit = new wxTextCtrl(parent, id, text, at, size, wxTE_READONLY);
        edit->Hide();
        return edit;
    }
    case ControlKind::MultiLineButton:
        return new wxButton(parent, id, text, at, size, wxBU_EXACTFIT);
    case ControlKind::Button:
        return FittedButton(parent, id, text, rect);
    case ControlKind::DefaultButton: {
        wxButton* button = FittedButton(parent, id, text, rect);
        button->SetDefault();
        return button;
    }
    case ControlKind::CheckBox:
        return new wxCheckBox(parent, id, text, at, size);
    case ControlKind::MultiLineCheckBox: {
        // The box beside the caption takes about the height of a line.
        const int boxWidth = m_dialog->GetCharHeight() + 6;
        return new wxCheckBox(parent, id, WrappedText(text, size.GetWidth() - boxWidth), at,
                              size);
    }
    case ControlKind::Label:
        return new wxStaticText(parent, id, text, at, size, wxST_NO_AUTORESIZE);
    case ControlKind::RightLabel:
        return new wxStaticText(parent, id, text, at, size,
                                wxST_NO_AUTORESIZE | wxALIGN_RIGHT);
    case ControlKind::MultiLineEdit:
        return new wxTextCtrl(parent, id, text, at, size,
                              wxTE_MULTILINE | wxHSCROLL | wxTE_DONTWRAP);
    case ControlKind::SunkenLabel:
        return new wxStaticText(parent, id, text, at, size,
                                wxST_NO_AUTORESIZE | wxBORDER_SUNKEN);
    case ControlKind::CentredSunkenLabel:
        return new wxStaticText(parent, id, text, at, size,
                                wxST_NO_AUTORESIZE | wxALIGN_CENTRE_HORIZONTAL |
                                    wxBORDER_SUNKEN);
    case ControlKind::Separator: {
        auto* line = new wxStaticText(parent, id, wxString(), at, size, wxST_NO_AUTORESIZE);
        line->SetBackgroundColour(wxColour(160, 160, 160));
        return line;
    }
    case ControlKind::Pane:
        return new wxTextCtrl(parent, id, text, at, size,
                              wxTE_MULTILINE | wxTE_READONLY | wxTE_RICH2 | wxHSCROLL |
                                  wxTE_DONTWRAP);
    case ControlKind::TextPane:
        return new wxTextCtrl(parent, id, text, at, size,
                              wxTE_MULTILINE | wxTE_READONLY | wxTE_RICH2 | wxTE_WORDWRAP);
    case ControlKind::ListView:
    case ControlKind::Icon: {
        wxWindow* window = factory ? factory(parent, control) : nullptr;
        if (window)
            window->SetSize(rect);
        return window;
    }
    }
    return nullptr;
}

} // namespace ovl::gui
