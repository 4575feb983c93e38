#include "ui/ListCtrlEx.h"

#include "platform/DateTime.h"
#include "ui/ListSorting.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <iterator>
#include <stdexcept>

namespace ovl::ui {

namespace {

// Half a second as a fraction of a day: closer date values are the same time.
constexpr double kHalfSecond = 5.787037037037037e-6;

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Where a number may start: after leading white space and a '+' sign, which from_chars
// does not take.
const char* NumberStart(const std::string& text) {
    const char* p = text.data();
    const char* end = p + text.size();
    while (p != end && IsSpace(*p))
        ++p;
    if (p != end && *p == '+' && p + 1 != end && *(p + 1) != '-')
        ++p;
    return p;
}

// The integer at the start of a text, 0 without one; too large values saturate.
long long LeadingInteger(const std::string& text) {
    const char* start = NumberStart(text);
    const char* end = text.data() + text.size();
    long long value = 0;
    const auto [ptr, ec] = std::from_chars(start, end, value);
    if (ec == std::errc::result_out_of_range)
        return *start == '-' ? LLONG_MIN : LLONG_MAX;
    return ec == std::errc() ? value : 0;
}

// The number at the start of a text in the C locale's form, 0 without one.
double LeadingNumber(const std::string& text) {
    const char* start = NumberStart(text);
    const char* end = text.data() + text.size();
    double value = 0;
    const auto [ptr, ec] = std::from_chars(start, end, value, std::chars_format::general);
    return ec == std::errc() ? value : 0;
}

int Sign(long long difference) {
    return difference < 0 ? -1 : (difference > 0 ? 1 : 0);
}

int CompareIntegers(long long a, long long b) {
    return a < b ? -1 : (a > b ? 1 : 0);
}

// A non-zero integer written exactly as it prints in decimal: no sign, no zeros or spaces.
std::optional<long long> PlainInteger(const std::string& text) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || value == 0 || std::to_string(value) != text)
        return std::nullopt;
    return value;
}

unsigned char FoldCp1252(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<unsigned char>(c + 0x20);
    switch (c) {
    case 0x8A:
        return 0x9A; // S caron
    case 0x8C:
        return 0x9C; // OE
    case 0x8E:
        return 0x9E; // Z caron
    case 0x9F:
        return 0xFF; // Y diaeresis
    default:
        return c;
    }
}

int CompareNoCase(const std::string& a, const std::string& b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char ca = FoldCp1252(static_cast<unsigned char>(a[i]));
        const unsigned char cb = FoldCp1252(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

// Reads `count` digits (at least `minimum`) at `pos`, advancing it.
std::optional<int> ReadDigits(const std::string& text, std::size_t& pos, std::size_t minimum,
                              std::size_t count) {
    int value = 0;
    std::size_t read = 0;
    while (read < count && pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        value = value * 10 + (text[pos] - '0');
        ++pos;
        ++read;
    }
    if (read < minimum)
        return std::nullopt;
    return value;
}

bool ReadChar(const std::string& text, std::size_t& pos, char c) {
    if (pos >= text.size() || text[pos] != c)
        return false;
    ++pos;
    return true;
}

// "dd/mm/yyyy", optionally followed by " hh:mm" or " hh:mm:ss", as an automation date.
std::optional<double> ParseDateTime(const std::string& raw) {
    std::size_t first = 0, last = raw.size();
    while (first < last && IsSpace(raw[first]))
        ++first;
    while (last > first && IsSpace(raw[last - 1]))
        --last;
    const std::string text = raw.substr(first, last - first);

    std::size_t pos = 0;
    db::DateTime value;
    const auto day = ReadDigits(text, pos, 1, 2);
    if (!day || !ReadChar(text, pos, '/'))
        return std::nullopt;
    const auto month = ReadDigits(text, pos, 1, 2);
    if (!month || !ReadChar(text, pos, '/'))
        return std::nullopt;
    const auto year = ReadDigits(text, pos, 4, 4);
    if (!year)
        return std::nullopt;
    value.day = *day;
    value.month = *month;
    value.year = *year;
    if (pos < text.size()) {
        std::size_t timePos = pos;
        if (!ReadChar(text, timePos, ' '))
            return std::nullopt;
        while (timePos < text.size() && text[timePos] == ' ')
            ++timePos;
        const auto hour = ReadDigits(text, timePos, 1, 2);
        if (!hour || !ReadChar(text, timePos, ':'))
            return std::nullopt;
        const auto minute = ReadDigits(text, timePos, 2, 2);
        if (!minute)
            return std::nullopt;
        value.hour = *hour;
        value.minute = *minute;
        if (ReadChar(text, timePos, ':')) {
            const auto second = ReadDigits(text, timePos, 2, 2);
            if (!second)
                return std::nullopt;
            value.second = *second;
        }
        if (timePos != text.size())
            return std::nullopt;
    }
    if (!value.IsValid())
        return std::nullopt;
    return value.ToAutomationDate();
}

// Before 30 December 1899 an automation date counts its time of day forward from the
// day's start while the day counts backward; this makes the value a point on one line.
double TimeLine(double value) {
    return value <= -kHalfSecond ? 2 * std::ceil(value) - value : value;
}

// Texts that are not dates, an empty one included, come after every date (ascending) and
// are equal to each other, so that the order stays consistent in both directions.
int CompareDateTimes(const std::string& a, const std::string& b) {
    const auto da = ParseDateTime(a);
    const auto db = ParseDateTime(b);
    if (!da || !db)
        return (da ? 0 : 1) - (db ? 0 : 1);
    return CListCtrlEx::CompareDateValues(*da, *db);
}

int CompareFloats(const std::string& a, const std::string& b) {
    // Truncated like the integer difference it stands for: less than 1 apart is equal.
    const double difference = std::trunc(LeadingNumber(a) - LeadingNumber(b));
    return difference < 0 ? -1 : (difference > 0 ? 1 : 0);
}

int CompareTextBytes(const std::string& a, const std::string& b) {
    return Sign(CompareBytes(a, b));
}

int ComparePlainIntegersOr(const std::string& a, const std::string& b,
                           int (*fallback)(const std::string&, const std::string&)) {
    const auto ia = PlainInteger(a);
    const auto ib = PlainInteger(b);
    if (ia && ib && *ia != *ib)
        return CompareIntegers(*ia, *ib);
    return fallback(a, b);
}

bool HasColour(Colour background, Colour text) {
    return !background.isDefault || !text.isDefault;
}

// Stable bottom-up merge sort. A row is taken from the right run only when it compares
// strictly before the left one, and every index is bounded by its run, so a comparator
// that is not a strict weak order gives some order but never reads out of range.
template <typename T, typename Compare>
void StableMergeSort(std::vector<T>& items, Compare compare) {
    const std::size_t n = items.size();
    std::vector<T> buffer(n);
    for (std::size_t width = 1; width < n; width *= 2) {
        for (std::size_t left = 0; left < n; left += 2 * width) {
            const std::size_t middle = std::min(left + width, n);
            const std::size_t right = std::min(left + 2 * width, n);
            std::size_t i = left, j = middle, out = left;
            while (i < middle && j < right)
                buffer[out++] =
                    compare(items[j], items[i]) < 0 ? std::move(items[j++]) : std::move(items[i++]);
            while (i < middle)
                buffer[out++] = std::move(items[i++]);
            while (j < right)
                buffer[out++] = std::move(items[j++]);
        }
        items.swap(buffer);
    }
}

} // namespace

void CListCtrlEx::Attach(ListCtrlExView& view) {
    m_pView = &view;
    m_defaultBackground = view.DefaultBackground();
    m_defaultText = view.DefaultText();
    if (!m_rows.empty())
        view.SetRowCount(GetItemCount());
}

void CListCtrlEx::InsertColumn(int column, const std::string& heading, ColumnAlignment alignment,
                               int width) {
    column = std::clamp(column, 0, m_nColumnCount);
    ++m_nColumnCount;
    for (Row& row : m_rows)
        if (static_cast<int>(row.texts.size()) > column)
            row.texts.insert(row.texts.begin() + column, std::string());
    if (m_pView)
        m_pView->InsertColumn(column, heading, alignment, width);
}

int CListCtrlEx::GetColumnWidth(int column) const {
    return m_pView ? m_pView->GetColumnWidth(column) : 0;
}

void CListCtrlEx::SetColumnWidth(int column, int width) {
    if (m_pView)
        m_pView->SetColumnWidth(column, width);
}

void CListCtrlEx::EnableCheckBoxes(bool enable) {
    if (m_pView)
        m_pView->EnableCheckBoxes(enable);
}

int CListCtrlEx::GetItemCount() const {
    return static_cast<int>(m_rows.size());
}

int CListCtrlEx::InsertItem(const std::string& text) {
    Row row;
    row.texts.push_back(text);
    m_rows.push_back(std::move(row));
    if (m_pView)
        m_pView->SetRowCount(GetItemCount());
    return GetItemCount() - 1;
}

void CListCtrlEx::SetItemText(int row, int column, const std::string& text) {
    if (column < 0)
        throw std::out_of_range("list column " + std::to_string(column));
    Row& r = RowAt(row);
    if (static_cast<int>(r.texts.size()) <= column)
        r.texts.resize(static_cast<std::size_t>(column) + 1);
    r.texts[static_cast<std::size_t>(column)] = text;
    RedrawItem(row);
}

std::string CListCtrlEx::GetItemText(int row, int column) const {
    if (row < 0 || row >= GetItemCount() || column < 0)
        return {};
    const Row& r = m_rows[static_cast<std::size_t>(row)];
    return column < static_cast<int>(r.texts.size()) ? r.texts[static_cast<std::size_t>(column)]
                                                     : std::string();
}

void CListCtrlEx::SetCheck(int row, bool checked) {
    Row& r = RowAt(row);
    // Like the platform's list, only a change of state is a change of the row.
    if (r.checked == checked)
        return;
    r.checked = checked;
    RedrawItem(row);
    NotifyChanged(row);
}

bool CListCtrlEx::GetCheck(int row) const {
    return row >= 0 && row < GetItemCount() && m_rows[static_cast<std::size_t>(row)].checked;
}

void CListCtrlEx::DeleteAllItems() {
    // Every record belongs to a row, so none outlives them.
    m_rows.clear();
    m_itemData.clear();
    if (m_pView)
        m_pView->SetRowCount(0);
}

void CListCtrlEx::SetRedraw(bool redraw) {
    if (m_pView)
        m_pView->SetRedraw(redraw);
}

void CListCtrlEx::RedrawItem(int row) {
    if (m_pView)
        m_pView->RedrawRow(row);
}

void CListCtrlEx::SetItemUserData(int row, std::intptr_t value) {
    Row& r = RowAt(row);
    if (!r.data) {
        m_itemData.push_back(std::make_unique<ItemData>());
        r.data = m_itemData.back().get();
    }
    r.data->userValue = value;
}

std::optional<std::intptr_t> CListCtrlEx::GetItemUserData(int row) const {
    const ItemData* data = DataAt(row);
    if (!data)
        return std::nullopt;
    return data->userValue;
}

ItemData* CListCtrlEx::GetItemData(int row) {
    if (row < 0 || row >= GetItemCount())
        return nullptr;
    return m_rows[static_cast<std::size_t>(row)].data;
}

void CListCtrlEx::SetColumnSortType(int column, int type) {
    if (column < 0 || column >= m_nColumnCount)
        return;
    auto it = std::find_if(m_columns.begin(), m_columns.end(),
                           [column](const ColumnInfo& info) { return info.column == column; });
    if (it == m_columns.end()) {
        m_columns.push_back(ColumnInfo{});
        it = std::prev(m_columns.end());
        it->column = column;
    }
    it->sortFlags = kSortable;
    it->sortType = type;
}

const ColumnInfo* CListCtrlEx::FindColumnInfo(int column) const {
    const auto it =
        std::find_if(m_columns.begin(), m_columns.end(),
                     [column](const ColumnInfo& info) { return info.column == column; });
    return it == m_columns.end() ? nullptr : &*it;
}

void CListCtrlEx::SortByColumn(int column, bool byUser) {
    auto it = std::find_if(m_columns.begin(), m_columns.end(),
                           [column](const ColumnInfo& info) { return info.column == column; });
    if (it == m_columns.end() || it->sortFlags == 0)
        return;
    ColumnInfo& info = *it;
    if (info.sortFlags & kSortable) {
        const unsigned direction = kSortAscending | kSortDescending;
        // A first sort starts from descending, so that the user's first click gives ascending.
        if ((info.sortFlags & direction) == 0)
            info.sortFlags |= kSortDescending;
        if (byUser)
            info.sortFlags ^= direction;
    }
    if (m_pView && m_nSortedColumn >= 0 && m_nSortedColumn != column)
        m_pView->ShowSortMark(m_nSortedColumn, SortMark::None);
    m_nSortedColumn = column;

    const int sign = (info.sortFlags & kSortAscending) ? 1 : -1;
    const int type = info.sortType;
    const auto index = static_cast<std::size_t>(column);
    const auto text = [index](const Row& row) -> const std::string& {
        static const std::string empty;
        return index < row.texts.size() ? row.texts[index] : empty;
    };
    StableMergeSort(m_rows, [&](const Row& a, const Row& b) {
        return sign * CompareTexts(type, text(a), text(b));
    });

    if (m_pView) {
        m_pView->SetRowCount(GetItemCount());
        const SortMark mark = (info.sortFlags & kSortAscending)    ? SortMark::Up
                              : (info.sortFlags & kSortDescending) ? SortMark::Down
                                                                   : SortMark::None;
        m_pView->ShowSortMark(column, mark);
    }
}

int CListCtrlEx::CompareTexts(int type, const std::string& a, const std::string& b) {
    switch (type) {
    case SortNone:
        return 0;
    case SortInteger:
        return CompareIntegers(LeadingInteger(a), LeadingInteger(b));
    case SortFloat:
        return CompareFloats(a, b);
    case SortIntegerOrText:
        return ComparePlainIntegersOr(a, b, CompareTextBytes);
    case SortTextNoCase:
        return CompareNoCase(a, b);
    case SortIntegerOrTextNoCase:
        return ComparePlainIntegersOr(a, b, CompareNoCase);
    case SortDateTime:
        return CompareDateTimes(a, b);
    case SortText:
    default:
        return CompareTextBytes(a, b);
    }
}

int CListCtrlEx::CompareDateValues(double a, double b) {
    if (std::fabs(a - b) < kHalfSecond)
        return 0;
    return TimeLine(a) < TimeLine(b) ? -1 : 1;
}

CellColours CListCtrlEx::GetCellColours(int row, int column) const {
    if (const ItemData* data = DataAt(row)) {
        const auto cell = std::find_if(data->cells.begin(), data->cells.end(),
                                       [column](const CellInfo& c) { return c.column == column; });
        if (cell != data->cells.end() && HasColour(cell->background, cell->text))
            return Resolve(cell->background, cell->text);
        if (HasColour(data->background, data->text))
            return Resolve(data->background, data->text);
    }
    const ColumnInfo* info = FindColumnInfo(column);
    if (info && HasColour(info->background, info->text))
        return Resolve(info->background, info->text);
    return Resolve(kDefaultColour, kDefaultColour);
}

CellColours CListCtrlEx::GetRowColours(int row) const {
    const ItemData* data = DataAt(row);
    return data ? Resolve(data->background, data->text) : Resolve(kDefaultColour, kDefaultColour);
}

void CListCtrlEx::OnRowSelected(int row) {
    NotifyChanged(row);
}

bool CListCtrlEx::ConsumesKey(int keyCode) {
    constexpr int kReturn = 13, kEscape = 27, kNumpadEnter = 370;
    return keyCode == kReturn || keyCode == kEscape || keyCode == kNumpadEnter;
}

CListCtrlEx::Row& CListCtrlEx::RowAt(int row) {
    if (row < 0 || row >= GetItemCount())
        throw std::out_of_range("list row " + std::to_string(row));
    return m_rows[static_cast<std::size_t>(row)];
}

const CListCtrlEx::Row& CListCtrlEx::RowAt(int row) const {
    if (row < 0 || row >= GetItemCount())
        throw std::out_of_range("list row " + std::to_string(row));
    return m_rows[static_cast<std::size_t>(row)];
}

void CListCtrlEx::NotifyChanged(int row) {
    if (m_onItemChanged)
        m_onItemChanged(row);
}

const ItemData* CListCtrlEx::DataAt(int row) const {
    return row >= 0 && row < GetItemCount() ? m_rows[static_cast<std::size_t>(row)].data : nullptr;
}

CellColours CListCtrlEx::Resolve(Colour background, Colour text) const {
    return {background.isDefault ? m_defaultBackground : background,
            text.isDefault ? m_defaultText : text};
}

} // namespace ovl::ui
