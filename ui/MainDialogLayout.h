#pragma once

#include "ui/DialogUnits.h"

#include <string>
#include <utility>
#include <vector>

namespace ovl::ui {

// The kinds of control a dialog template places.
enum class ControlKind {
    EditableCombo, // drop-down combo box with an edit part
    ListCombo,     // drop-down list, no free text
    Edit,
    ReadOnlyEdit,
    HiddenEdit, // never visible
    Button,
    DefaultButton,
    MultiLineButton,
    CheckBox,
    Label,
    RightLabel,
    MultiLineCheckBox, // its caption wraps at its width
    MultiLineEdit,     // both scroll bars, no word wrap
    SunkenLabel,
    CentredSunkenLabel,
    Separator, // a grey rectangle
    ListView,
    Pane,     // read-only rich text with both scroll bars
    TextPane, // read-only text wrapped at its width, vertical scroll bar
    Icon,
};

// One control of a template: its identifier, kind, place in dialog units and text. A text
// id of 0 means the control's text is set at run time (or is `text`).
struct TemplateControl {
    TemplateControl(int id_, ControlKind kind_, Rect rect_, int catalogueId_ = 0,
                std::string text_ = {}, bool disabledAtStart_ = false)
        : id(id_), kind(kind_), rect(rect_), catalogueId(catalogueId_), text(std::move(text_)),
          disabledAtStart(disabledAtStart_) {}

    int id = 0;
    ControlKind kind = ControlKind::Label;
    Rect rect;
    int catalogueId = 0;
    std::string text;
    bool disabledAtStart = false;
};

// The template of a dialog: its size in dialog units and its controls in tab order.
struct DialogTemplate {
    int width = 0;
    int height = 0;
    std::vector<TemplateControl> controls;

    const TemplateControl* Find(int id) const;
};

// Control identifiers of the main window.
namespace main_ids {
constexpr int kSupplier = 1004, kSource = 1010, kName = 1005, kCode = 1006, kCategory = 1007;
constexpr int kSuppliersButton = 1040, kReset = 1034, kRefList = 1012, kLocalFilter = 1030;
constexpr int kLocalList = 1000, kImport = 1001, kClear = 1002, kStatus = 1003;
constexpr int kRefCount = 1023, kLocalCount = 1024, kClipboardCarrier = 1037;
constexpr int kRefPane = 1014, kIngPane = 1015, kReport = 1048, kCreate = 1052, kMark = 1013;
constexpr int kIngredientsTitle = 1019, kOwnValuesTitle = 1028, kFilterTitle = 1029;
// The button that opens the window's own menu where the toolkit cannot extend the system
// menu; it sits in a free area of the top right of the left half.
constexpr int kMenuButton = 1099;
} // namespace main_ids

// The main window: 763 x 427 dialog units.
const DialogTemplate& MainDialogTemplate();

// The ingredient creation dialog: 309 x 186 dialog units, texts in French.
const DialogTemplate& CreateIngredientTemplate();

// The terms-of-use dialog: 345 x 215 dialog units.
const DialogTemplate& TermsTemplate();

// The about box: 207 x 103 dialog units, fixed texts.
const DialogTemplate& AboutTemplate();

// Control identifiers of the supplier dialogs and of the error report.
namespace supplier_ids {
constexpr int kList = 1033, kCaption = 1042, kFilter = 1044, kFilterCaption = 1047;
constexpr int kStrict = 1046;
constexpr int kReportCaption = 1051, kProduct = 1049, kReport = 1050;
} // namespace supplier_ids

// The supplier selection, also the supplier update notice: 373 x 370 dialog units.
const DialogTemplate& SupplierListTemplate();

// The error report: 309 x 176 dialog units.
const DialogTemplate& ErrorReportTemplate();

} // namespace ovl::ui
