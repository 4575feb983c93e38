#pragma once

namespace ovl::ui {

// A rectangle: left, top, width, height.
struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
};

// The dialog base units of a font: the average width of its letters and its height, in
// pixels. A horizontal dialog unit is a quarter of the first, a vertical one an eighth of
// the second.
struct DialogBaseUnits {
    int charWidth = 0;
    int charHeight = 0;
};

// A rectangle in dialog units as pixels, each edge rounded to the nearest pixel so that
// adjacent controls stay adjacent.
Rect DialogToPixels(const Rect& dialogUnits, const DialogBaseUnits& base);

} // namespace ovl::ui
