#include "ui/PaneText.h"

#include "app/Language.h"

namespace ovl::ui {

namespace {

const Colour kRed = Colour::Rgb(255, 0, 0);

// Lower case in code page 1252: ASCII, the accented letters 0xC0-0xDE (but the multiplication
// sign), and the few capitals of the 0x80 row.
unsigned char FoldCase(unsigned char c) {
    if (c >= 'A' && c <= 'Z')
        return static_cast<unsigned char>(c + 0x20);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return static_cast<unsigned char>(c + 0x20);
    switch (c) {
    case 0x8A:
    case 0x8C:
    case 0x8E:
        return static_cast<unsigned char>(c + 0x10);
    case 0x9F:
        return 0xFF;
    default:
        return c;
    }
}

bool MatchesAt(const std::string& text, std::size_t at, const std::string& marker) {
    for (std::size_t i = 0; i < marker.size(); ++i)
        if (FoldCase(static_cast<unsigned char>(text[at + i])) !=
            FoldCase(static_cast<unsigned char>(marker[i])))
            return false;
    return true;
}

} // namespace

void SetTextHighlighting(PaneContent& content, const std::string& marker, const Colour& colour) {
    if (marker.empty())
        return;
    const std::string& text = content.text;
    for (std::size_t at = 0; at + marker.size() <= text.size();) {
        if (MatchesAt(text, at, marker)) {
            content.runs.push_back({at, marker.size(), colour});
            at += marker.size();
        } else {
            ++at;
        }
    }
}

void MarkMissingValues(PaneContent& content) {
    static const std::string kMissing = "0--";
    for (std::size_t at = content.text.find(kMissing); at != std::string::npos;
         at = content.text.find(kMissing, at + kMissing.size())) {
        content.text.replace(at, kMissing.size(), "---");
        content.runs.push_back({at, kMissing.size(), kRed});
    }
}

PaneContent MakeValuesPaneContent(const std::string& text) {
    PaneContent content{text, {}};
    SetTextHighlighting(content, LoadLangString(2067), kRed);
    MarkMissingValues(content);
    return content;
}

} // namespace ovl::ui
