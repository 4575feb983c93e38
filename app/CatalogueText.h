#pragma once

#include <initializer_list>
#include <string>

namespace ovl {

// A catalogue text with its "%s", "%d" and "%G" filled in order by texts already formatted,
// and "%%" as a percent sign. Data never acts as a format.
std::string FillCatalogueText(const std::string& pattern, std::initializer_list<std::string> args);

// Catalogue texts that the product detail and the ingredient values show alike, by French
// identifier.
namespace catalogue {
constexpr int kContainsUnknownText = 2068; // "Contient : Information non communiquée"
constexpr int kTracesUnknownText = 2069;
constexpr int kContainsText = 2070; // "Contient : %s"
constexpr int kTracesText = 2071;
constexpr int kDenominationText = 2072;
constexpr int kDenominationUnknownText = 2073;
constexpr int kIngredientsText = 2074;
constexpr int kIngredientsUnknownText = 2075;
constexpr int kCompositionText = 2076; // "Composition : %s : %G %%"
constexpr int kCompositionUnknownText = 2077;
constexpr int kAdditivesBothText = 2078; // category and codes
constexpr int kAdditivesCategoryText = 2079;
constexpr int kAdditivesCodesText = 2080;
constexpr int kMentionsText = 2081;
constexpr int kNoMentionText = 2082;
} // namespace catalogue

} // namespace ovl
