#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/DemoCatalogue.h"
#include "tools/DemoDate.h"
#include "tools/DemoRandom.h"
#include "tools/SqlWriter.h"

namespace ovl::demo {

// Writes the rows of the central demo database: reference tables, then the products in
// batches. Product n depends only on the seed and n, so any count gives the same first rows.
class CentralDemoData {
public:
    CentralDemoData(SqlWriter& writer, int nProducts, std::uint64_t nSeed);
    void Write();

private:
    struct Content {
        int m_nNutId;
        double m_dValue;
        std::int32_t m_nFlags;
    };
    struct Mask {
        bool m_bNull = true;
        std::array<std::uint8_t, 12> m_bytes{};
        std::size_t m_nLength = 0;
    };
    struct Product {
        int m_nId = 0;
        const FoodTemplate* m_pFood = nullptr;
        int m_nFood = 0;
        int m_nQualifier = 0;
        int m_nProvId = 0;
        int m_nCiqId = kNull;
        int m_nSrcId = kNull;
        int m_nOptions = kNull;
        bool m_bDateMaj = false;
        DemoDate m_dateMaj;
        bool m_bLastUpdate = false;
        DemoDate m_lastUpdate;
        std::string m_strRefFab; // empty: NULL
        std::string m_strRefFiche;
        Mask m_contains;
        Mask m_traces;
        bool m_bComposPct = false;
        int m_nDenomination = kNull;
        int m_nComponent = kNull;
        int m_nAdditiveCateg = kNull;
        int m_nAdditiveCodes = 0; // 0 NULL, 1 the food's codes, 2 empty text
        std::array<bool, 5> m_hasLanguage{};
        bool m_bIngListNull = false;
        std::vector<Content> m_contents;
        std::vector<int> m_mentions;
    };
    struct PreparedFood {
        std::array<std::string, 5> m_names;
        std::array<std::string, 5> m_ingredients;
        std::string m_strAdditiveCodes;
    };

    void PrepareTexts();
    void WriteStatus();
    void WriteSuppliers();
    void WriteSources();
    void WriteGroups();
    void WriteNutrients();
    void WriteAllergens();
    void WriteLabels();
    void WriteErrorReports();
    void WriteProducts();
    void WriteProductBatch(const std::vector<Product>& products);
    void WriteProductRow(const Product& product);
    void WriteLanguageRows(const std::vector<Product>& products, int nLang);

    Product MakeProduct(int nId) const;
    void MakeLabelling(Product& product, DemoRandom& rnd) const;
    void MakeMasks(Product& product, DemoRandom& rnd) const;
    void MakeContents(Product& product, DemoRandom& rnd) const;
    static void MakeMask(Mask& mask, std::uint64_t nBits, DemoRandom& rnd);

    void IntOrNull(int nValue);
    void WriteMask(const Mask& mask);

    SqlWriter& m_writer;
    int m_nProducts;
    std::uint64_t m_nSeed;
    std::vector<PreparedFood> m_foods;
    std::vector<int> m_supplierFoods;
    std::vector<int> m_genericFoods;
    std::array<std::array<std::string, 5>, 3> m_qualifiers;
};

} // namespace ovl::demo
