#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The few things the window logic needs of its controls. The window implements them over
// its toolkit; the tests implement them in memory. Texts are code page 1252.
namespace ovl::ui {

// A colour as red, green and blue; `kDefault` leaves the control's own colour.
struct Colour {
    int red = 0, green = 0, blue = 0;
    bool isDefault = false;
    bool operator==(const Colour&) const = default;
    static Colour Rgb(int r, int g, int b) { return {r, g, b, false}; }
    // From the 0x00BBGGRR form the settings keep.
    static Colour FromColorRef(std::int64_t value) {
        return Rgb(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                   static_cast<int>((value >> 16) & 0xFF));
    }
};
inline const Colour kDefaultColour{0, 0, 0, true};

class Button {
public:
    virtual ~Button() = default;
    virtual void Enable(bool enabled) = 0;
    virtual bool IsEnabled() const = 0;
};

class Label {
public:
    virtual ~Label() = default;
    virtual void SetText(const std::string& text) = 0;
    virtual std::string GetText() const = 0;
    virtual void SetColour(const Colour& colour) = 0;
};

// A single-line edit. SetText raises the control's change notice like typing does.
class TextField {
public:
    virtual ~TextField() = default;
    virtual void SetText(const std::string& text) = 0;
    virtual std::string GetText() const = 0;
};

// A multi-line edit. SetText raises the change notice; a read-only one takes no typing.
class TextArea : public TextField {
public:
    virtual void SetReadOnly(bool readOnly) = 0;
    virtual bool IsReadOnly() const = 0;
    // The most characters the user can type.
    virtual void SetMaxLength(std::size_t length) = 0;
};

class CheckBox {
public:
    virtual ~CheckBox() = default;
    virtual void SetChecked(bool checked) = 0;
    virtual bool IsChecked() const = 0;
};

// How a modal dialog ends: with OK or cancelled.
class DialogEnding {
public:
    virtual ~DialogEnding() = default;
    virtual void EndDialog(bool ok) = 0;
};

// A combo box whose items carry an integer; the editable kind also has its own edit text.
class ComboBox {
public:
    virtual ~ComboBox() = default;
    virtual void Clear() = 0;
    virtual void Append(const std::string& text, std::int32_t data) = 0;
    virtual int GetCount() const = 0;
    virtual std::string GetItemText(int index) const = 0;
    // The data of the selected item, -1 when none is selected.
    virtual std::int32_t GetSelectedData() const = 0;
    // -1 clears the selection (and the edit text of an editable box).
    virtual void Select(int index) = 0;
    virtual std::string GetEditText() const = 0;
    // Puts the text into the edit part and the caret after it, without a change notice.
    virtual void SetEditText(const std::string& text) = 0;
};

// Where a list takes the text of its cells: rows are made when they are drawn.
class ListModel {
public:
    virtual ~ListModel() = default;
    virtual std::string CellText(int row, int column) const = 0;
};

// A report-view list with single selection, its rows drawn on demand from a ListModel.
class ListView {
public:
    virtual ~ListView() = default;
    virtual void SetColumns(const std::vector<std::string>& headings) = 0;
    virtual void SetColumnSize(int column, int width) = 0;
    virtual int GetColumnSize(int column) const = 0;
    // The number of rows; every row is redrawn and the selection is cleared.
    virtual void SetRowCount(int count) = 0;
    virtual int GetRowCount() const = 0;
    // The row carrying the selection mark, -1 for none.
    virtual int GetSelectionMark() const = 0;
    virtual void SelectRow(int row) = 0;
    virtual void SetSelectedBackground(const Colour& colour) = 0;
};

// A read-only pane: its text and coloured runs.
class Pane {
public:
    struct Run {
        std::size_t start = 0;
        std::size_t length = 0;
        Colour colour;
        bool operator==(const Run&) const = default;
    };
    virtual ~Pane() = default;
    virtual void SetContent(const std::string& text, const std::vector<Run>& runs) = 0;
    virtual std::string GetText() const = 0;
};

// A one-shot timer of the window; Start restarts a pending one.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void Start(int milliseconds) = 0;
    virtual void Stop() = 0;
    virtual bool IsRunning() const = 0;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void SetText(const std::string& text) = 0;
};

} // namespace ovl::ui
