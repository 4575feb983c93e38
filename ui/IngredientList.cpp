#include "ui/IngredientList.h"

#include "app/Language.h"
#include "app/TextCodec.h"
#include "local/IngredientsSet.h"
#include "platform/SettingsStore.h"
#include "ui/ListSorting.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace ovl {

namespace {

constexpr size_t kShortestFilter = 2;
constexpr int kOneRowText = 2021;   // "%d produit trouvé."
constexpr int kManyRowsText = 2022; // "%d produits trouvés."

const std::string kNoText;

const db::TextField& NameColumn(const CIngredientsSet& rs, int languageIndex) {
    const db::TextField* const names[] = {&rs.m_NAME_1, &rs.m_NAME_2, &rs.m_NAME_3, &rs.m_NAME_4,
                                          &rs.m_NAME_5};
    return *names[languageIndex];
}

// Names are matched in their plain form: in the stored form a filter of digits would also
// find the escape of every apostrophe ("%039"), and the stored form of a long run of
// apostrophes is cut short.
bool Matches(const std::string& plainName, const std::string& code, const std::string& key) {
    return SearchKey(plainName).find(key) != std::string::npos ||
           SearchKey(code).find(key) != std::string::npos;
}

} // namespace

const std::string& IngredientRow::Column(int column) const {
    switch (column) {
    case 0:
        return name;
    case 1:
        return code;
    default:
        return kNoText;
    }
}

bool IsIngredientFilterUsable(const std::string& filter) {
    return filter.size() >= kShortestFilter;
}

std::optional<IngredientListContent> FillIngredientList(db::Connection& local, int languageIndex,
                                                        const std::string& filter, int sortKey) {
    if (!IsIngredientFilterUsable(filter))
        return std::nullopt;
    const int language =
        languageIndex >= 0 && languageIndex < kLanguageCount ? languageIndex : kFrenchLanguage;
    const std::string key = SearchKey(filter);

    CIngredientsSet rs(&local, true);
    rs.m_strFilter = "[INGRED_ID] <> -1";
    rs.m_strSort = "[NAME_1]";
    rs.Open(db::OpenType::ForwardOnly);
    IngredientListContent content;
    for (; !rs.IsEOF(); rs.MoveNext()) {
        std::string name = DecodedDbText(NameColumn(rs, language).Value());
        if (Matches(name, rs.m_CODE_AN.Value(), key))
            content.m_rows.push_back({rs.m_INGRED_ID, std::move(name), rs.m_CODE_AN.Value()});
    }
    rs.Close();

    SortIngredientRows(content.m_rows, sortKey);
    content.m_strCountText = IngredientCountText(static_cast<int>(content.m_rows.size()), language);
    return content;
}

void SortIngredientRows(std::vector<IngredientRow>& rows, int sortKey) {
    if (sortKey == 0 || rows.size() < 2)
        return;
    // Each row's sort text is made once, not at every comparison.
    const int column = std::abs(sortKey) - 1;
    std::vector<std::string> keys(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        keys[i] = SearchKey(rows[i].Column(column));
    std::vector<size_t> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        const int c = CompareBytes(keys[a], keys[b]);
        return sortKey > 0 ? c < 0 : c > 0;
    });
    std::vector<IngredientRow> sorted;
    sorted.reserve(rows.size());
    for (size_t i : order)
        sorted.push_back(std::move(rows[i]));
    rows = std::move(sorted);
}

std::string IngredientCountText(int count, int languageIndex) {
    std::string text =
        CatalogueText((count >= 2 ? kManyRowsText : kOneRowText) + LanguageOffsetOf(languageIndex));
    // The catalogue text is a pattern with one "%d"; it is filled without a format call.
    if (const size_t pos = text.find("%d"); pos != std::string::npos)
        text.replace(pos, 2, std::to_string(count));
    return text;
}

int LocalSortKeySetting(const SettingsStore& settings) {
    return settings.GetInt("Mainframe\\Tab cols", "Ovl Tab Sort", kDefaultLocalSortKey);
}

} // namespace ovl
