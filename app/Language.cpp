#include "app/Language.h"

#include "app/MessageCatalogue.h"

namespace ovl {

int g_nLangOffset = 0;

namespace {

constexpr int kLanguageOffsetStep = 1000;

bool IsLanguageIndex(int languageIndex) {
    return languageIndex >= 0 && languageIndex < kLanguageCount;
}

bool IsFixedText(int id) {
    return id == kRegistryErrorHklmId || id == kRegistryErrorHkcuId;
}

} // namespace

int LanguageIndexFromLangue(int langue) {
    return IsLanguageIndex(langue) ? langue : kFrenchLanguage;
}

int LanguageOffsetOf(int languageIndex) {
    return IsLanguageIndex(languageIndex) ? languageIndex * kLanguageOffsetStep : 0;
}

int SetLanguage(int langue) {
    const int index = LanguageIndexFromLangue(langue);
    g_nLangOffset = LanguageOffsetOf(index);
    return index;
}

std::string LocalColumnSuffix(int languageIndex) {
    // An index out of range would name a column that does not exist; fall back to French.
    const int index = IsLanguageIndex(languageIndex) ? languageIndex : kFrenchLanguage;
    return "_" + std::to_string(index + 1);
}

const char* CentralColumnSuffix(int languageIndex) {
    static constexpr const char* kSuffixes[kLanguageCount] = {"FR", "EN", "DE", "SP", "IT"};
    return kSuffixes[IsLanguageIndex(languageIndex) ? languageIndex : kFrenchLanguage];
}

std::string LoadLangString(int frenchId) {
    // The registry texts exist once; shifting them would show another language's title.
    const int id = IsFixedText(frenchId) ? frenchId : frenchId + g_nLangOffset;
    return CatalogueText(id);
}

std::string CatalogueText(int id) {
    const std::string* text = MessageCatalogue::Instance().Find(id);
    return text ? *text : std::string();
}

} // namespace ovl
