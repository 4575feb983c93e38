#pragma once

#include <string>

// The user's language: which catalogue texts are shown and which of the five name columns of
// a table is read and written. Index 0..4 is French, English, German, Spanish, Italian.
namespace ovl {

constexpr int kLanguageCount = 5;
constexpr int kFrenchLanguage = 0;

// Registry failure texts; French only and never shifted by the language offset.
constexpr int kRegistryErrorHklmId = 1000;
constexpr int kRegistryErrorHkcuId = 1001;

// Offset added to a French catalogue id to reach the current language's text:
// 0, 1000, 2000, 3000 or 4000. Set once at start-up by SetLanguage.
extern int g_nLangOffset;

// Language index of a LANGUE value of the local users table: 1..4 keep their value, anything
// else (0, no row, out of range) is French.
int LanguageIndexFromLangue(int langue);

// Catalogue offset of a language index; an index outside 0..4 counts as French.
int LanguageOffsetOf(int languageIndex);

// Makes the language of a LANGUE value current (sets g_nLangOffset) and returns its index.
int SetLanguage(int langue);

// Suffix of the local five-language columns ("_1".."_5"), e.g. NAME_1.
std::string LocalColumnSuffix(int languageIndex);

// Suffix of the central five-language columns and tables ("FR", "EN", "DE", "SP", "IT").
const char* CentralColumnSuffix(int languageIndex);

// Catalogue text of a French id in the current language, as code page 1252; empty when the
// catalogue has no such text.
std::string LoadLangString(int frenchId);

// Catalogue text of an absolute id (no offset applied), as code page 1252; empty when missing.
std::string CatalogueText(int id);

} // namespace ovl
