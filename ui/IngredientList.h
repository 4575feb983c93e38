#pragma once

#include "platform/Connection.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ovl {

class SettingsStore;

// One row of the local ingredient list.
struct IngredientRow {
    std::int32_t ingredientId = 0; // item data: INGRED_ID
    std::string name;              // column 0: the name in the user's language, decoded
    std::string code;              // column 1: CODE_AN as stored

    // Empty for a column the list does not have.
    const std::string& Column(int column) const;
};

// What a refill puts into the list and its count label.
struct IngredientListContent {
    std::vector<IngredientRow> m_rows;
    std::string m_strCountText;
};

// The local list for a filter text: every ingredient (but the reserved -1) whose name in the
// user's language or whose code contains the filter, compared on search keys, sorted by
// `sortKey`. Nothing when the filter is shorter than two characters: the list then keeps
// what it shows. The filter never reaches the SQL text.
std::optional<IngredientListContent> FillIngredientList(db::Connection& local, int languageIndex,
                                                        const std::string& filter, int sortKey);

// Whether a filter text is long enough to refill the list.
bool IsIngredientFilterUsable(const std::string& filter);

// Sorts rows with the local-list comparator; rows that compare equal keep their order.
void SortIngredientRows(std::vector<IngredientRow>& rows, int sortKey);

// The count label: catalogue 2022 for two rows or more, 2021 otherwise.
std::string IngredientCountText(int count, int languageIndex);

// The stored sort key of the local list ("Ovl Tab Sort"), name ascending by default.
int LocalSortKeySetting(const SettingsStore& settings);

} // namespace ovl
