#pragma once

#include <array>
#include <cstdint>

namespace ovl::nutrient {

// The local nutrients (ID of NutriLibelles, NUTRI_ID of NutriIngred) that the product detail,
// the ingredient values, the import and the clearing address by number. Both value panes
// list them in the same order so that they compare line by line.

constexpr std::int32_t kDataDate = 18;   // the date of the product's data
constexpr std::int32_t kImportDate = 21; // when the import ran; no pane shows it

// The first block; its last nutrient shows a plain missing marker, the others a red one.
constexpr std::array<std::int32_t, 10> kFirstBlock = {6, 7, 10, 11, 4, 5, 3, 8, 14, 9};
constexpr std::array<std::int32_t, 7> kSecondBlock = {25, 13, 0, 1, 24, 2, 23};
// Shown and imported only for products that ask for it.
constexpr std::int32_t kAutomaticValue = 26;
constexpr std::array<std::int32_t, 11> kThirdBlock = {500, 501, 502, 503, 504, 505,
                                                      600, 601, 602, 603, 604};

// The weighted sum of the category-4 values: the product's own content, stored negated by an
// import, and its positive copy, which the ingredient pane shows.
constexpr std::int32_t kWeightedSum = 15;
constexpr std::int32_t kWeightedSumCopy = 17;
constexpr std::int32_t kLastValue = 22;

} // namespace ovl::nutrient
