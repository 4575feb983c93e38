#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace ovl {

// One line of a batch file: a reference product to import into an ingredient.
struct BatchPair {
    int line = 0;
    std::int32_t productId = 0;
    std::int32_t ingredientId = 0;
};

// Reads "PRODUCT_ID;INGRED_ID" lines, with ';', ',' or a tab between and blanks around;
// empty lines and lines starting with '#' are skipped. A line of another form is not a
// pair: its message ("line 6: error: expected ...") goes into `errors`.
std::vector<BatchPair> ReadBatchPairs(std::istream& in, std::vector<std::string>& errors);

} // namespace ovl
