#include "ui/DialogUnits.h"
#include "ui/MainDialogLayout.h"

#include <gtest/gtest.h>

namespace ovl::ui {
namespace {

TEST(DialogUnitsTest, ConvertsThroughTheFontsBaseUnits) {
    struct Case {
        Rect dialogUnits;
        DialogBaseUnits base;
        Rect pixels;
    };
    const Case cases[] = {
        {{0, 0, 4, 8}, {7, 13}, {0, 0, 7, 13}},
        {{763, 427, 0, 0}, {7, 13}, {1335, 694, 0, 0}},
        {{0, 0, 763, 427}, {7, 13}, {0, 0, 1335, 694}},
        // Edges are rounded, so neighbours that touch in dialog units touch in pixels.
        {{57, 20, 215, 106}, {7, 13}, {100, 33, 376, 172}},
        {{272, 20, 8, 14}, {7, 13}, {476, 33, 14, 22}},
        {{1, 1, 1, 1}, {6, 12}, {2, 2, 1, 1}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DialogToPixels(c.dialogUnits, c.base), c.pixels)
            << c.dialogUnits.x << "," << c.dialogUnits.y;
}

TEST(DialogUnitsTest, MainWindowFitsALaptopScreenWithAnEightPointFont) {
    // DejaVu Sans 8 pt: 7 x 13 pixels.
    const DialogTemplate& main = MainDialogTemplate();
    const Rect window = DialogToPixels({0, 0, main.width, main.height}, {7, 13});
    EXPECT_LE(window.width, 1366);
    EXPECT_LE(window.height + 40, 768); // with a title bar
    for (const TemplateControl& control : main.controls) {
        EXPECT_LE(control.rect.x + control.rect.width, main.width) << control.id;
        EXPECT_LE(control.rect.y + control.rect.height,
                  control.kind == ControlKind::EditableCombo ||
                          control.kind == ControlKind::ListCombo
                      ? main.height + 100
                      : main.height)
            << control.id;
    }
}

} // namespace
} // namespace ovl::ui
