#pragma once

#include "platform/Connection.h"

#include <optional>
#include <string>

namespace ovl {

class CacheProvider;

// Everything the central database says about one reference product, as the left pane shows
// it, with the values the main dialog keeps from it.
struct ProductDetail {
    std::string m_strText;          // lines ending with "\r\n"; "0--" marks a missing value
    std::string m_strRefAllergens;  // names of the allergens the product contains
    std::string m_strRefTraces;     // names of the allergens it may contain traces of
    bool m_bWeightedSumSet = false; // a category-4 content row was printed
    double m_dWeightedSum = 0;      // weighted sum of the category-4 contents, / 100
};

// Builds the detail text of a product: date, the two nutrient blocks, allergens, pre-packaged
// texts, specific mentions, the third block, the category-4 nutrients and the final lines.
// Reads the product, its contents and its mentions; labels come from the caches. Nothing
// when the identifier names no product. Database failures propagate.
std::optional<ProductDetail> BuildProductDetail(db::Connection& central, int productId,
                                                int languageIndex, CacheProvider& caches);

// The text as the pane shows it: every "0--" becomes "---" (which the pane colours red).
std::string MarkMissingValues(std::string text);

} // namespace ovl
