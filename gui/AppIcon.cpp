#include "gui/AppIcon.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/icon.h>

namespace ovl::gui {

wxBitmap AppIconBitmap(int size) {
    wxBitmap bitmap(size, size, 24);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    dc.SetPen(wxPen(wxColour(0, 110, 40)));
    dc.SetBrush(wxBrush(wxColour(0, 150, 60)));
    dc.DrawRoundedRectangle(0, 0, size, size, size / 6.0);
    dc.SetBrush(*wxWHITE_BRUSH);
    dc.SetPen(*wxWHITE_PEN);
    dc.DrawEllipse(size / 4, size / 6, size / 2, size * 2 / 3);
    dc.SetPen(wxPen(wxColour(0, 150, 60), std::max(1, size / 16)));
    dc.DrawLine(size / 2, size / 4, size / 2, size * 5 / 6);
    dc.SelectObject(wxNullBitmap);
    return bitmap;
}

wxIconBundle AppIcons() {
    wxIconBundle icons;
    for (int size : {16, 32, 48}) {
        wxIcon icon;
        icon.CopyFromBitmap(AppIconBitmap(size));
        icons.AddIcon(icon);
    }
    return icons;
}

} // namespace ovl::gui
