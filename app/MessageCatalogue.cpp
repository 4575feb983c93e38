#include "app/MessageCatalogue.h"

#include "platform/TextConvert.h"
#include "app/Language.h"

namespace ovl {

const MessageCatalogue& MessageCatalogue::Instance() {
    static const MessageCatalogue catalogue;
    return catalogue;
}

MessageCatalogue::MessageCatalogue() {
    for (const Entry& entry : Entries()) {
        for (int language = 0; language < kLanguageCount; ++language) {
            m_texts.emplace(entry.frenchId + LanguageOffsetOf(language),
                            text::Utf8ToCp1252(entry.texts[language]));
        }
    }
    for (const FixedText& fixed : FixedTexts())
        m_texts.emplace(fixed.id, text::Utf8ToCp1252(fixed.text));
}

const std::string* MessageCatalogue::Find(int id) const {
    const auto found = m_texts.find(id);
    return found == m_texts.end() ? nullptr : &found->second;
}

std::vector<int> MessageCatalogue::Ids() const {
    std::vector<int> ids;
    ids.reserve(m_texts.size());
    for (const auto& [id, text] : m_texts)
        ids.push_back(id);
    return ids;
}

} // namespace ovl
