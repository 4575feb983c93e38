#pragma once

#include <array>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "app/Language.h"

namespace ovl {

// The numbered interface texts in five languages, converted once to code page 1252. A text
// of French id n is held under n, and under n + 1000, n + 2000, n + 3000 and n + 4000 for
// English, German, Spanish and Italian; ids 1000 and 1001 stand alone.
class MessageCatalogue {
public:
    static const MessageCatalogue& Instance();

    // The text of an absolute id, or null when the catalogue has none.
    const std::string* Find(int id) const;

    // Every id held, ascending.
    std::vector<int> Ids() const;

private:
    // One text in all five languages, UTF-8, in language index order.
    struct Entry {
        int frenchId;
        std::array<const char*, kLanguageCount> texts;
    };
    // A text outside the language scheme, UTF-8.
    struct FixedText {
        int id;
        const char* text;
    };

    MessageCatalogue();

    static std::span<const Entry> Entries();
    static std::span<const FixedText> FixedTexts();

    std::map<int, std::string> m_texts;
};

} // namespace ovl
