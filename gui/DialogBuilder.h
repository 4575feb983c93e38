#pragma once

#include "ui/MainDialogLayout.h"

#include <wx/button.h>
#include <wx/dialog.h>

#include <functional>
#include <map>

namespace ovl::gui {

// Places the controls of a dialog template on a dialog, in tab order, each at its rectangle
// converted from dialog units through the dialog's font.
class DialogBuilder {
public:
    // Makes the controls the builder does not know how to make (the lists).
    using Factory = std::function<wxWindow*(wxWindow* parent, const ui::TemplateControl& control)>;

    DialogBuilder(wxDialog* dialog, const ui::DialogTemplate& layout);

    // The font that stands for the 8-point dialog font of the templates.
    static wxFont DialogFont();
    // The dialog base units of a window's font.
    static ui::DialogBaseUnits BaseUnitsOf(const wxWindow* window);

    // `textOf` gives each control its text (a catalogue text or the template's).
    void Build(const std::function<std::string(const ui::TemplateControl&)>& textOf,
               const Factory& factory = {});

    wxWindow* Window(int id) const;
    template <class T> T* Get(int id) const { return static_cast<T*>(Window(id)); }
    wxRect PixelRect(const ui::Rect& dialogUnits) const;

private:
    wxWindow* Make(const ui::TemplateControl& control, const wxString& text, const Factory& factory);
    wxButton* FittedButton(wxWindow* parent, int id, const wxString& text, wxRect rect) const;
    // The text broken into lines at spaces so that each fits the width.
    wxString WrappedText(const wxString& text, int width) const;

    wxDialog* m_dialog;
    const ui::DialogTemplate& m_layout;
    ui::DialogBaseUnits m_base;
    std::map<int, wxWindow*> m_windows;
};

} // namespace ovl::gui
