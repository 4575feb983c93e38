#pragma once

#include <wx/iconbndl.h>

namespace ovl::gui {

// The program's icon in the sizes a window shows: a leaf on a green tile.
wxIconBundle AppIcons();
wxBitmap AppIconBitmap(int size);

} // namespace ovl::gui
