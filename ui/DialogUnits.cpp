#include "ui/DialogUnits.h"

namespace ovl::ui {

namespace {

// value * numerator / denominator, rounded half away from zero, as the layout of dialog
// templates does it.
int ScaleRounded(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : -((-product + half) / denominator));
}

} // namespace

Rect DialogToPixels(const Rect& dialogUnits, const DialogBaseUnits& base) {
    const int left = ScaleRounded(dialogUnits.x, base.charWidth, 4);
    const int top = ScaleRounded(dialogUnits.y, base.charHeight, 8);
    const int right = ScaleRounded(dialogUnits.x + dialogUnits.width, base.charWidth, 4);
    const int bottom = ScaleRounded(dialogUnits.y + dialogUnits.height, base.charHeight, 8);
    return {left, top, right - left, bottom - top};
}

} // namespace ovl::ui
