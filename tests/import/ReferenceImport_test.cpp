#include "import/ReferenceImport.h"

#include "central/LibPreEmbCache.h"
#include "import/IngredientCreation.h"
#include "import/IngredientOperations.h"
#include "import/LocalTransaction.h"
#include "platform/DateTime.h"
#include "platform/DbException.h"
#include "platform/FailureHook.h"
#include "platform/Statement.h"
#include "tests/support/DatabaseTest.h"
#include "tests/support/ImportFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace ovl {
namespace {

using test::ImportTest;

// Products: 1 a supplier product with every section filled, 2 a generic composition-table
// food, 3 a supplier product whose values are not required, 4 a supplier product with
// OPTIONS and DATEMAJ null and no labelling data.
constexpr int kRich = 1;
constexpr int kGeneric = 2;
constexpr int kNotRequired = 3;
constexpr int kBare = 4;
constexpr int kIngredient = 1;

// Local nutrients with a central label (central id = local + 1000), label "N<id>", category 0
// unless listed in kCategories. 800 has no central label, 17 neither: both keep their local
// label. 801 has a central label of category 7, so no clearing touches it.
const int kCentralNutrients[] = {18,  21,  15,  6,   7,   10,  11, 4,   5,   3,    8,   14,  9,
                                 26,  25,  13,  0,   1,   24,  2,  23,  500, 501,  502, 503, 504,
                                 505, 600, 601, 602, 603, 604, 22, 700, 801, 1000, 1001};

struct Category {
    int local;
    int categ;
    const char* param1;
};
// Category-4 nutrients: 1000 and 1001 are weighted into the computed pair, 700 (below 1000)
// is neither written nor summed.
const Category kCategories[] = {{700, 4, "3"}, {1000, 4, "2"}, {1001, 4, "0.5"}, {801, 7, "NULL"}};

const char* const kAllergens =
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, GROUPE, IDOVL, PARENTOVL) "
    "VALUES (0, 'Aucun', NULL, 36, 26);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, GROUPE, IDOVL, PARENTOVL) "
    "VALUES (1, 'Bl\xE9', 29, 101, 290);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, GROUPE, IDOVL, PARENTOVL) "
    "VALUES (2, 'Seigle', 29, 102, 290);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, GROUPE, IDOVL, PARENTOVL) "
    "VALUES (5, 'Arachide', NULL, 105, 26);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, GROUPE, IDOVL, PARENTOVL) "
    "VALUES (7, 'Lait', NULL, 107, 26);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, GROUPE, IDOVL, PARENTOVL) "
    "VALUES (27, 'Fruits \xE0 coque', 27, 270, 26);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, GROUPE, IDOVL, PARENTOVL) "
    "VALUES (29, 'C\xE9r\xE9\x61les', 29, 290, 26);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, GROUPE, IDOVL, PARENTOVL) "
    "VALUES (30, 'Crustac\xE9s', 30, 300, 26);\n"
    "INSERT INTO OVLNUTRIALRG (ID, LIBELLE_FR, GROUPE, IDOVL, PARENTOVL) "
    "VALUES (31, 'Crabe', 30, 131, 300);\n";

// Legal name 40 matches local label 6 exactly; 43 (composition) and 44 (additive category)
// have no local label yet. Mention 50 matches local label 10, 51 has none.
const char* const kCentralLabels =
    "INSERT INTO OVLNUTRIMSLIB VALUES (40, 0, 'Confiture', 'Jam', 'Konfit\xFCre', 'Mermelada', "
    "'Marmellata');\n"
    "INSERT INTO OVLNUTRIMSLIB VALUES (43, 1, 'Cacao', 'Cocoa', 'Kakao', 'Cacao', 'Cacao');\n"
    "INSERT INTO OVLNUTRIMSLIB VALUES (44, 6, '\xC9mulsifiant', 'Emulsifier', 'Emulgator', "
    "'Emulsionante', 'Emulsionante');\n"
    "INSERT INTO OVLNUTRIMSLIB VALUES (50, 7, 'Sans gluten', 'Gluten free', 'Glutenfrei', "
    "'Sin gluten', 'Senza glutine');\n"
    "INSERT INTO OVLNUTRIMSLIB VALUES (51, 8, 'Bio', 'Organic', 'Bio', 'Bio', 'Bio');\n";

// Allergen masks as stored: eight bytes, least significant first.
// Rich: contains 1, 5 and group 29 (0x20000022), traces 7, 30 and 31 (0xC0000080).
// Not required: contains 0 (free of allergens) and 5, traces 7.
const char* const kProducts =
    "INSERT INTO OVLNUTRIPROV (ID, PROV) VALUES (1, 'Fournisseur');\n"
    "INSERT INTO OVLNUTRIPROD (ID, PROVID, CIQID, DATEMAJ, ALRG, ALRGPOSS, OPTIONS, COMPOSPCT, "
    "ADDITCODEE, DENOMLEGID, COMPOSID, ADDITCATEGID) VALUES (1, 1, NULL, '2024-03-15 12:00:00', "
    "X'2200002000000000', X'800000C000000000', 48, 25, 'E322, E476', 40, 43, 44);\n"
    "INSERT INTO OVLNUTRIPROD (ID, PROVID, CIQID, DATEMAJ, ALRG, ALRGPOSS, OPTIONS, COMPOSPCT, "
    "ADDITCODEE, DENOMLEGID, COMPOSID, ADDITCATEGID) VALUES (2, 1, 1234, '2023-06-01 00:00:00', "
    "X'2000000000000000', X'8000000000000000', 16, 25, 'E330', 40, 43, 44);\n"
    "INSERT INTO OVLNUTRIPROD (ID, PROVID, CIQID, DATEMAJ, ALRG, ALRGPOSS, OPTIONS, COMPOSPCT, "
    "ADDITCODEE, DENOMLEGID, COMPOSID, ADDITCATEGID) VALUES (3, 1, NULL, '2024-03-15 12:00:00', "
    "X'2100000000000000', X'8000000000000000', 2, NULL, '', NULL, 43, NULL);\n"
    "INSERT INTO OVLNUTRIPROD (ID, PROVID) VALUES (4, 1);\n"
    "INSERT INTO OVLNUTRIPROD_FR (ID, NAME, INGLIST) VALUES (1, 'P\xE2te cacao', "
    "'Sucre, cacao 25%%');\n"
    "INSERT INTO OVLNUTRIPROD_EN (ID, NAME, INGLIST) VALUES (1, 'Cocoa spread', "
    "'Sugar, cocoa');\n"
    "INSERT INTO OVLNUTRIPROD_DE (ID, NAME, INGLIST) VALUES (1, 'Kakaocreme', "
    "'Zucker, Kakao');\n"
    "INSERT INTO OVLNUTRIPROD_SP (ID, NAME, INGLIST) VALUES (1, 'Crema de cacao', "
    "'Az\xFA\x63\x61r, cacao');\n"
    "INSERT INTO OVLNUTRIPROD_IT (ID, NAME, INGLIST) VALUES (1, 'Crema al cacao', "
    "'Zucchero, cacao');\n"
    "INSERT INTO OVLNUTRIPROD_FR (ID, NAME, INGLIST) VALUES (2, 'Pomme', 'Pomme');\n"
    "INSERT INTO OVLNUTRIMSPROD VALUES (1, 50);\n"
    "INSERT INTO OVLNUTRIMSPROD VALUES (1, 51);\n"
    "INSERT INTO OVLNUTRIMSPROD VALUES (2, 50);\n"
    "INSERT INTO OVLNUTRIMSPROD VALUES (3, 51);\n";

struct Content {
    int product;
    int local; // central id = local + 1000
    const char* value;
    int flags;
};

// No content of 3, 14, 1, 2 or 15 for the rich product; 801 is in no list; 700 is below
// the weighted ids.
const Content kContents[] = {
    {1, 6, "539", 0},   {1, 7, "2252", 0},  {1, 10, "12.5", 1}, {1, 11, "0", 2},
    {1, 4, "3", 0},     {1, 5, "0.25", 0},  {1, 8, "1.5", 0},   {1, 9, "4", 0},
    {1, 26, "3", 0},    {1, 25, "1.5", 0},  {1, 13, "20", 0},   {1, 0, "0.5", 1},
    {1, 24, "2", 0},    {1, 23, "7", 0},    {1, 500, "120", 0}, {1, 604, "0.5", 0},
    {1, 1000, "10", 0}, {1, 1001, "60", 1}, {1, 700, "5", 0},   {1, 22, "0.4", 0},
    {1, 801, "9", 0},   {2, 6, "100", 0},   {2, 9, "2", 0},     {2, 26, "1", 0},
    {2, 25, "80", 0},   {2, 500, "5", 0},   {2, 1000, "10", 0}, {2, 22, "0.1", 0},
    {3, 6, "500", 0},   {3, 26, "1", 0},    {3, 25, "10", 0},   {3, 501, "30", 0},
    {3, 1000, "10", 0}, {3, 15, "1.25", 0}, {3, 22, "2", 0},    {4, 6, "250", 0},
    {4, 10, "0.5", 1},  {4, 500, "1", 0},
};

// The local database before each import: ingredient 1 holds the data of an earlier import
// (3, 700 and 1000 are values the new products do not have) beside values of nutrients the
// central list does not clear (800, 801) and a class that is not the import's (4020).
// Ingredient 2 must not change at all.
const char* const kLocalData =
    "INSERT INTO LibellesPreEmballe VALUES (6, 'Confiture', 'Jam', 'Konfit\xFCre', 'Mermelada', "
    "'Marmellata', 0, 0);\n"
    "INSERT INTO LibellesPreEmballe VALUES (7, 'Noisettes', 'Hazelnuts', 'Haseln\xFCsse', "
    "'Avellanas', 'Nocciole', 1, 0);\n"
    "INSERT INTO LibellesPreEmballe VALUES (10, 'Sans gluten', 'Gluten free', 'Glutenfrei', "
    "'Sin gluten', 'Senza glutine', 7, 0);\n"
    "INSERT INTO Ingredients (INGRED_ID, CODE_AN, NAME_1, NAME_2, PREEM_DENVENT, PREEM_COMPOS, "
    "PREEM_COMPCT, PREEM_FICHTECH_1, PREEM_FICHTECH_2, PREEM_FICHTECH_3, PREEM_FICHTECH_4, "
    "PREEM_FICHTECH_5, PREEM_CATADDITIF, PREEM_CODEADDITIF, DATE_MAJ, TVACODE) VALUES (1, 'A1', "
    "'Tartine', 'Toast', 6, 7, 0.5, 'old', 'old', 'old', 'old', 'old', 7, 'E100', "
    "'2021-02-03 04:05:06', 1);\n"
    "INSERT INTO Ingredients (INGRED_ID, CODE_AN, NAME_1, PREEM_DENVENT, PREEM_FICHTECH_1) "
    "VALUES (2, 'A2', 'Autre', 6, 'Pommes');\n"
    "INSERT INTO NutriIngred VALUES (1, 3, 7, 0);\n"
    "INSERT INTO NutriIngred VALUES (1, 6, 999, 0);\n"
    "INSERT INTO NutriIngred VALUES (1, 15, 1, 0);\n"
    "INSERT INTO NutriIngred VALUES (1, 17, 2, 0);\n"
    "INSERT INTO NutriIngred VALUES (1, 18, 40000, 8);\n"
    "INSERT INTO NutriIngred VALUES (1, 21, 40000.5, 8);\n"
    "INSERT INTO NutriIngred VALUES (1, 26, 9, 0);\n"
    "INSERT INTO NutriIngred VALUES (1, 500, 1, 0);\n"
    "INSERT INTO NutriIngred VALUES (1, 700, 4, 0);\n"
    "INSERT INTO NutriIngred VALUES (1, 800, 8.5, 0);\n"
    "INSERT INTO NutriIngred VALUES (1, 801, 2.5, 0);\n"
    "INSERT INTO NutriIngred VALUES (1, 1000, 1, 0);\n"
    "INSERT INTO NutriIngred VALUES (2, 6, 100, 0);\n"
    "INSERT INTO NutriIngred VALUES (2, 21, 40000.5, 8);\n"
    "INSERT INTO CategIngre VALUES (1, 36, 26, 0);\n"
    "INSERT INTO CategIngre VALUES (1, 102, 290, 0);\n"
    "INSERT INTO CategIngre VALUES (1, 4007, 4001, 0);\n"
    "INSERT INTO CategIngre VALUES (1, 4010, 4001, 0);\n"
    "INSERT INTO CategIngre VALUES (1, 4020, 4001, 0);\n"
    "INSERT INTO CategIngre VALUES (2, 4011, 4001, 0);\n"
    "INSERT INTO CategIngAllerg VALUES (1, 101, 290, 0);\n"
    "INSERT INTO CategIngAllerg VALUES (1, 300, 26, 0);\n"
    "INSERT INTO CategIngAllerg VALUES (2, 105, 26, 0);\n"
    "INSERT INTO MSpecifIng VALUES (1, 99);\n"
    "INSERT INTO MSpecifIng VALUES (2, 10);\n";

const char* const kClearLocalTables = "DELETE FROM NutriIngred;\n"
                                      "DELETE FROM CategIngre;\n"
                                      "DELETE FROM CategIngAllerg;\n"
                                      "DELETE FROM MSpecifIng;\n"
                                      "DELETE FROM LibellesPreEmballe;\n"
                                      "DELETE FROM Ingredients;\n";

// Rows as ImportTest::Rows prints them.
std::string Table(std::initializer_list<std::initializer_list<const char*>> rows) {
    std::string text;
    for (const auto& row : rows) {
        for (const char* value : row)
            text += std::string(value) + "|";
        text += "\n";
    }
    return text;
}

std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// Lines of nutrients with no value: "N<id> : <marker>".
std::string Missing(std::initializer_list<int> ids, const char* marker) {
    std::string text;
    for (int id : ids)
        text += "N" + std::to_string(id) + " : " + marker + "\r\n";
    return text;
}

const std::string kDeclared = "Les allerg\xE8nes ont \xE9t\xE9 d\xE9"
                              "clar\xE9s";
const std::string kNoAllergen = "Pas d'allerg\xE8nes";
const std::string kNotCommunicated = "Information non communiqu\xE9"
                                     "e";
const std::string kUnknownLabelling =
    Lines({"D\xE9nomination l\xE9gale de vente : " + kNotCommunicated,
           "Ingr\xE9"
           "dients : " +
               kNotCommunicated,
           "Composition : " + kNotCommunicated});

const char* const kValueTables[] = {
    "SELECT * FROM [NutriIngred] WHERE NOT ([ING_ID]=1 AND [NUTRI_ID]=21) "
    "ORDER BY [ING_ID], [NUTRI_ID]",
    "SELECT * FROM [CategIngre] ORDER BY [INGR_ID], [CLASS_ID]",
    "SELECT * FROM [CategIngAllerg] ORDER BY [INGR_ID], [CLASS_ID]",
    "SELECT * FROM [MSpecifIng] ORDER BY [ID], [IDMSPECIF]",
    "SELECT * FROM [LibellesPreEmballe] ORDER BY [ID]",
    "SELECT * FROM [Ingredients] ORDER BY [INGRED_ID]",
};

// Makes a statement number fail from construction on, and always disarms the hook again.
class FailureGuard {
public:
    explicit FailureGuard(long n, const char* sqlState = "HY000") {
        db::FailureHook::FailAtStatement(n, sqlState);
    }
    ~FailureGuard() { db::FailureHook::Disarm(); }
    FailureGuard(const FailureGuard&) = delete;
    FailureGuard& operator=(const FailureGuard&) = delete;
};

// The lines of `after` that `before` lacks (extra) and those it has but `after` lacks
// (missing), each as a multiset.
struct LineDiff {
    std::vector<std::string> missing;
    std::vector<std::string> extra;
};

std::vector<std::string> SortedLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    std::sort(lines.begin(), lines.end());
    return lines;
}

LineDiff Diff(const std::string& before, const std::string& after) {
    const std::vector<std::string> a = SortedLines(before);
    const std::vector<std::string> b = SortedLines(after);
    LineDiff diff;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(diff.missing));
    std::set_difference(b.begin(), b.end(), a.begin(), a.end(), std::back_inserter(diff.extra));
    return diff;
}

// A whole number in a double column prints as "539" with one driver and "539.0" with the
// other; the ".0" goes.
std::string WithoutPointZero(std::string rows) {
    static const std::regex kWholeNumber("\\|(-?[0-9]+)\\.0\\|");
    for (std::string previous; previous != rows;) {
        previous = rows;
        rows = std::regex_replace(rows, kWholeNumber, "|$1|");
    }
    return rows;
}

class ReferenceImportTest : public ImportTest {
protected:
    void SetUp() override {
        ImportTest::SetUp();
        if (IsSkipped())
            return;
        std::string central = kAllergens;
        std::string local;
        for (int id : kCentralNutrients) {
            const Category* category = nullptr;
            for (const Category& c : kCategories)
                if (c.local == id)
                    category = &c;
            central += "INSERT INTO OVLNUTRILIB (ID, IDOVL, LIBELLE_FR, UNITE, CATEG, PARAM1) "
                       "VALUES (" +
                       std::to_string(id + 1000) + ", " + std::to_string(id) + ", 'N" +
                       std::to_string(id) + "', 'g', " +
                       (category ? std::to_string(category->categ) : "0") + ", " +
                       (category ? category->param1 : "NULL") + ");\n";
        }
        for (int id : kCentralNutrients)
            local += "INSERT INTO NutriLibelles (ID, LIBELLE_1, UNITE) VALUES (" +
                     std::to_string(id) + ", 'N" + std::to_string(id) + "', 'g');\n";
        for (int id : {17, 800})
            local += "INSERT INTO NutriLibelles (ID, LIBELLE_1, UNITE) VALUES (" +
                     std::to_string(id) + ", 'N" + std::to_string(id) + "', 'g');\n";
        for (const Content& c : kContents)
            central += "INSERT INTO OVLNUTRICOMP VALUES (" + std::to_string(c.product) + ", " +
                       std::to_string(c.local + 1000) + ", " + c.value + ", " +
                       std::to_string(c.flags) + ");\n";
        RunCentral(central + kCentralLabels + kProducts);
        RunLocal(local + kLocalData);
        BuildCaches();
    }

    // Puts the local tables back as SetUp left them, with fresh caches.
    void RestoreStart() {
        RunLocal(std::string(kClearLocalTables) + kLocalData);
        ResetCaches(0);
        BuildCaches();
    }

    // Every cache an operation uses is built before it runs, so that repeated runs execute
    // the same statements.
    void BuildCaches() {
        Caches().LibCache();
        Caches().AlrgCache();
        Caches().MsLibCache();
        Caches().LibPreEmbCache();
        Caches().ProdCache();
    }

    std::string WrittenRows() {
        std::string rows;
        for (const char* query : kValueTables)
            rows += std::string(query) + "\n" + Rows(Local(), query);
        return WithoutPointZero(rows);
    }

    // The import time of the ingredient, with its flags.
    std::pair<double, std::int32_t> ImportTime() {
        db::Statement statement(Local());
        statement.ExecDirect("SELECT QTE, OPTION_MSK FROM NutriIngred WHERE ING_ID=1 AND "
                             "NUTRI_ID=21");
        std::pair<double, std::int32_t> time{-1, -1};
        if (statement.Fetch()) {
            statement.GetDouble(1, time.first);
            statement.GetLong(2, time.second);
        }
        return time;
    }

    // The snapshot with the import time of ingredient 1 left out: it differs between runs.
    std::string SnapshotWithoutImportTime() {
        std::string kept;
        std::istringstream in(LocalSnapshot());
        for (std::string line; std::getline(in, line);)
            if (line.rfind("1|21|", 0) != 0)
                kept += line + "\n";
        return WithoutPointZero(kept);
    }

    // Runs `operation` once to count its statements, then once per statement with that
    // statement failing. `operation` returns whether it committed. A run that fails, by an
    // exception or by reporting it, must leave the local tables exactly as they were, and the
    // label cache without the labels the rich product's import adds. A run that succeeds
    // although one of its statements failed (an error the operation ignores) may differ from
    // the complete run's result only by the lines that `mayMiss` and `mayAdd` list. Returns
    // the statement count.
    long SweepFailures(const std::function<bool()>& operation, const std::set<std::string>& mayMiss,
                       const std::set<std::string>& mayAdd) {
        const std::string start = LocalSnapshot();
        const int labels = Caches().LibPreEmbCache().GetCount();
        long count = 0;
        {
            FailureGuard counting(0);
            EXPECT_TRUE(operation());
            count = db::FailureHook::ExecutedCount();
        }
        const std::string complete = SnapshotWithoutImportTime();
        RestoreStart();
        EXPECT_EQ(LocalSnapshot(), start);
        for (long n = 1; n <= count; ++n) {
            SCOPED_TRACE("failing statement " + std::to_string(n) + " of " + std::to_string(count));
            bool committed = false;
            {
                FailureGuard failing(n);
                try {
                    committed = operation();
                } catch (const db::DbException&) {
                } catch (const std::exception& e) {
                    ADD_FAILURE() << "not a database error: " << e.what();
                }
            }
            if (!committed) {
                EXPECT_EQ(LocalSnapshot(), start);
                const CLibPreEmbCache& cache = Caches().LibPreEmbCache();
                EXPECT_EQ(cache.GetCount(), labels);
                EXPECT_EQ(cache.FindLabel("Cacao", 1), -1);
                EXPECT_EQ(cache.FindLabel("\xC9mulsifiant", 6), -1);
                continue;
            }
            const LineDiff diff = Diff(complete, SnapshotWithoutImportTime());
            EXPECT_LE(diff.missing.size(), 1u);
            for (const std::string& line : diff.missing)
                EXPECT_TRUE(mayMiss.count(line)) << "missing: " << line;
            for (const std::string& line : diff.extra)
                EXPECT_TRUE(mayAdd.count(line)) << "extra: " << line;
            RestoreStart();
        }
        return count;
    }

    // Runs `operation` once per statement with that statement failing by each error that
    // ends a transaction: a deadlock, a lost connection, a timeout. Even where the operation
    // ignores a statement's own failure, no such run may commit, and each leaves the local
    // tables exactly as they were. Returns the number of failures injected.
    long SweepTransactionLosses(const std::function<bool()>& operation) {
        const std::string start = LocalSnapshot();
        long count = 0;
        {
            FailureGuard counting(0);
            EXPECT_TRUE(operation());
            count = db::FailureHook::ExecutedCount();
        }
        RestoreStart();
        long injected = 0;
        for (const char* state : {"40001", "08S01", "HYT00"}) {
            for (long n = 1; n <= count; ++n, ++injected) {
                SCOPED_TRACE(std::string(state) + " at statement " + std::to_string(n) + " of " +
                             std::to_string(count));
                bool committed = false;
                {
                    FailureGuard failing(n, state);
                    try {
                        committed = operation();
                    } catch (const db::DbException& e) {
                        EXPECT_EQ(e.SqlState(), state);
                    }
                }
                EXPECT_FALSE(committed) << "the operation went on and committed";
                EXPECT_EQ(LocalSnapshot(), start);
                if (committed)
                    RestoreStart();
            }
        }
        return injected;
    }
};

TEST_P(ReferenceImportTest, WritesEveryRowOfTheProduct) {
    // Ingredient 2, the existing labels and the ingredient's values outside the central list
    // (800, 801) are the same for every product.
    const std::string kOtherValues = Table({{"2", "6", "100", "0"}, {"2", "21", "40000.5", "8"}});
    const std::string kKeptValues = Table({{"1", "800", "8.5", "0"}, {"1", "801", "2.5", "0"}});
    const std::string kOtherClasses = Table({{"2", "4011", "4001", "0"}});
    const std::string kLabels =
        Table({{"6", "Confiture", "Jam", "Konfit\xFCre", "Mermelada", "Marmellata", "0", "0"},
               {"7", "Noisettes", "Hazelnuts", "Haseln\xFCsse", "Avellanas", "Nocciole", "1", "0"},
               {"10", "Sans gluten", "Gluten free", "Glutenfrei", "Sin gluten", "Senza glutine",
                "7", "0"}});
    const std::string kOtherIngredient =
        Table({{"2",    "A2",   "Autre",  "NULL", "NULL", "NULL", "NULL", "6",
                "NULL", "NULL", "Pommes", "NULL", "NULL", "NULL", "NULL", "NULL",
                "NULL", "NULL", "NULL",   "NULL", "NULL", "NULL", "NULL"}});
    // Ingredient 1 with its pre-packaged columns as given; names and DATE_MAJ stay.
    const auto ingredient = [&](std::vector<const char*> row) {
        row.insert(row.begin(), {"1", "A1", "Tartine", "Toast", "NULL", "NULL", "NULL"});
        row.insert(row.end(), {"2021-02-03 04:05:06", "NULL", "NULL", "NULL", "NULL", "1"});
        std::string text;
        for (const char* value : row)
            text += std::string(value) + "|";
        return text + "\n" + kOtherIngredient;
    };
    const std::string nullPrepackaged = ingredient(std::vector<const char*>(10, "NULL"));

    struct Case {
        const char* name;
        int product;
        std::string values;
        std::string classes;
        std::string allergenClasses;
        std::string mentions;
        std::string labels;
        std::string ingredients;
        std::string text;
        std::string allergenList;
        std::string traceList;
    };
    const Case cases[] = {
        {"supplier product with every section filled", kRich,
         Table({{"1", "0", "0.5", "1"},
                {"1", "4", "3", "0"},
                {"1", "5", "0.25", "0"},
                {"1", "6", "539", "0"},
                {"1", "7", "2252", "0"},
                {"1", "8", "1.5", "0"},
                {"1", "9", "4", "0"},
                {"1", "10", "12.5", "1"},
                {"1", "11", "0", "2"},
                {"1", "13", "20", "0"},
                {"1", "15", "-0.5", "536870912"},
                {"1", "17", "0.5", "0"},
                {"1", "18", "45366.5", "8"},
                {"1", "22", "0.4", "0"},
                {"1", "23", "7", "0"},
                {"1", "24", "2", "0"},
                {"1", "25", "1.5", "0"},
                {"1", "26", "3", "0"},
                {"1", "500", "120", "0"},
                {"1", "604", "0.5", "0"}}) +
             kKeptValues + Table({{"1", "1000", "10", "0"}, {"1", "1001", "60", "1"}}) +
             kOtherValues,
         Table({{"1", "107", "26", "0"},
                {"1", "300", "26", "0"},
                {"1", "4010", "4001", "0"},
                {"1", "4011", "4001", "0"},
                {"1", "4020", "4001", "0"}}) +
             kOtherClasses,
         Table({{"1", "105", "26", "0"}, {"1", "290", "26", "0"}, {"2", "105", "26", "0"}}),
         Table({{"1", "-1"}, {"1", "10"}, {"2", "10"}}),
         kLabels + Table({{"11", "Cacao", "Cocoa", "Kakao", "Cacao", "Cacao", "1", "0"},
                          {"12", "\xC9mulsifiant", "Emulsifier", "Emulgator", "Emulsionante",
                           "Emulsionante", "6", "0"}}),
         ingredient({"6", "11", "0.25", "Sucre, cacao 25%%", "Sugar, cocoa", "Zucker, Kakao",
                     "Az\xFA\x63\x61r, cacao", "Zucchero, cacao", "12", "E322, E476"}),
         Lines({"N18 : 15/03/2024",
                "N6 : 539 g",
                "N7 : 2252 g",
                "N10 : < 12.5 g",
                "N11 : (traces)",
                "N4 : 3 g",
                "N5 : 0.25 g",
                "N3 : 0--",
                "N8 : 1.5 g",
                "N14 : 0--",
                "N9 : 4 g",
                "N25 : 1.5 g",
                "N13 : 20 g",
                "N0 : < 0.5 g",
                "N1 : 0--",
                "N24 : 2 g",
                "N2 : 0--",
                "N23 : 7 g",
                "N26 : 3 g",
                "Contient : " + kDeclared,
                "Peut contenir des traces de : " + kDeclared,
                "D\xE9nomination l\xE9gale de vente : Confiture",
                "Ingr\xE9"
                "dients : Sucre, cacao 25%",
                "Composition : Cacao : 25 %",
                "Additifs : \xC9mulsifiant : E322, E476",
                "Mentions sp\xE9"
                "cifiques : ",
                "\tSans gluten",
                "\tERREUR !",
                "N500 : 120 g"}) +
             Missing({501, 502, 503, 504, 505, 600, 601, 602, 603}, "---") +
             Lines(
                 {"N604 : 0.5 g", "N1000 : 10 g", "N1001 : < 60 g", "N17 : 0.5 g", "N22 : 0.4 g"}),
         "Arachide, C\xE9r\xE9\x61les", "Lait, Crustac\xE9s"},
        {"generic composition-table product: dates, classes and the first two blocks only",
         kGeneric,
         Table({{"1", "6", "100", "0"},
                {"1", "9", "2", "0"},
                {"1", "18", "45078", "8"},
                {"1", "25", "80", "0"},
                {"1", "26", "1", "0"}}) +
             kKeptValues + kOtherValues,
         Table({{"1", "4010", "4001", "0"}, {"1", "4020", "4001", "0"}}) + kOtherClasses,
         Table({{"2", "105", "26", "0"}}), Table({{"2", "10"}}), kLabels, nullPrepackaged,
         Lines({"N18 : 01/06/2023", "N6 : 100 g"}) + Missing({7, 10, 11, 4, 5, 3, 8, 14}, "0--") +
             Lines({"N9 : 2 g", "N25 : 80 g"}) + Missing({13, 0, 1, 24, 2, 23}, "0--") +
             Lines({"N26 : 1 g", "Contient : " + kNotCommunicated,
                    "Peut contenir des traces de : " + kNotCommunicated}) +
             kUnknownLabelling +
             Lines({"Mentions sp\xE9"
                    "cifiques : Aucune"}) +
             Missing({500, 501, 502, 503, 504, 505, 600, 601, 602, 603, 604, 17, 22}, "---"),
         "", ""},
        {"values not required: no first or second block, labelling and third block still run",
         kNotRequired,
         Table({{"1", "15", "-1.25", "536870912"},
                {"1", "17", "1.25", "0"},
                {"1", "18", "45366.5", "8"},
                {"1", "22", "2", "0"},
                {"1", "501", "30", "0"}}) +
             kKeptValues + Table({{"1", "1000", "10", "0"}}) + kOtherValues,
         Table({{"1", "36", "26", "0"}, {"1", "4007", "4001", "0"}, {"1", "4020", "4001", "0"}}) +
             kOtherClasses,
         Table({{"2", "105", "26", "0"}}), Table({{"1", "-1"}, {"2", "10"}}), kLabels,
         nullPrepackaged,
         Lines({"N18 : 15/03/2024"}) +
             Missing({6, 7, 10, 11, 4, 5, 3, 8, 14, 9, 25, 13, 0, 1, 24, 2, 23}, "VNS non exig\xE9"
                                                                                 "es") +
             Lines({"Contient : " + kNoAllergen, "Peut contenir des traces de : " + kNoAllergen}) +
             kUnknownLabelling +
             Lines({"Mentions sp\xE9"
                    "cifiques : ",
                    "\tERREUR !", "N500 : ---", "N501 : 30 g"}) +
             Missing({502, 503, 504, 505, 600, 601, 602, 603, 604}, "---") +
             Lines({"N1000 : 10 g", "N17 : 1.25 g", "N22 : 2 g"}),
         kNoAllergen, kNoAllergen},
        {"OPTIONS and DATEMAJ null: no date of the data, no class, no computed pair", kBare,
         Table({{"1", "6", "250", "0"}, {"1", "10", "0.5", "1"}, {"1", "500", "1", "0"}}) +
             kKeptValues + kOtherValues,
         Table({{"1", "4020", "4001", "0"}}) + kOtherClasses, Table({{"2", "105", "26", "0"}}),
         Table({{"2", "10"}}), kLabels, nullPrepackaged,
         Lines({"N18 : ---", "N6 : 250 g", "N7 : 0--", "N10 : < 0.5 g"}) +
             Missing({11, 4, 5, 3, 8, 14}, "0--") + Missing({9}, "---") +
             Missing({25, 13, 0, 1, 24, 2, 23}, "0--") +
             Lines({"Contient : " + kNotCommunicated,
                    "Peut contenir des traces de : " + kNotCommunicated}) +
             kUnknownLabelling +
             Lines({"Mentions sp\xE9"
                    "cifiques : Aucune",
                    "N500 : 1 g"}) +
             Missing({501, 502, 503, 504, 505, 600, 601, 602, 603, 604, 17, 22}, "---"),
         "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RestoreStart();
        const db::DateTime before = db::DateTime::Now();
        const IngredientValues values = ImportReferenceProduct(Context(), kIngredient, c.product);
        const db::DateTime after = db::DateTime::Now();

        const auto [time, flags] = ImportTime();
        // Stored with the precision of the database: read back to the second.
        const db::DateTime imported = db::DateTime::FromAutomationDate(time);
        EXPECT_TRUE(imported >= before && imported <= after)
            << imported.ToString() << " outside " << before.ToString() << " - " << after.ToString();
        EXPECT_EQ(flags, 8);
        const std::string expected =
            std::string(kValueTables[0]) + "\n" + c.values + kValueTables[1] + "\n" + c.classes +
            kValueTables[2] + "\n" + c.allergenClasses + kValueTables[3] + "\n" + c.mentions +
            kValueTables[4] + "\n" + c.labels + kValueTables[5] + "\n" + c.ingredients;
        EXPECT_EQ(WrittenRows(), expected);
        EXPECT_EQ(values.m_strText, c.text);
        EXPECT_EQ(values.m_strIngAllergens, c.allergenList);
        EXPECT_EQ(values.m_strIngTraces, c.traceList);
        EXPECT_TRUE(Messages().m_messages.empty());
    }
}

TEST_P(ReferenceImportTest, ClearingTwiceChangesNothingTheSecondTime) {
    ImportReferenceProduct(Context(), kIngredient, kRich);
    const IngredientValues first = ClearIngredient(Context(), kIngredient);
    const std::string cleared = LocalSnapshot();
    const IngredientValues second = ClearIngredient(Context(), kIngredient);
    EXPECT_EQ(LocalSnapshot(), cleared);
    EXPECT_EQ(second.m_strText, first.m_strText);
    // What the clearing leaves of ingredient 1: the values outside the central list, class
    // 4020, its names and the labels the import created.
    EXPECT_EQ(Rows(Local(), "SELECT * FROM NutriIngred WHERE ING_ID=1 ORDER BY NUTRI_ID"),
              Table({{"1", "800", "8.5", "0"}, {"1", "801", "2.5", "0"}}));
    EXPECT_EQ(Rows(Local(), "SELECT * FROM CategIngre WHERE INGR_ID=1"),
              Table({{"1", "4020", "4001", "0"}}));
}

TEST_P(ReferenceImportTest, NoFailingStatementLeavesAHalfWrittenImport) {
    // The errors the import ignores: value 26 not written, a status class not added, the
    // earlier mention not deleted.
    const long count = SweepFailures(
        [&] {
            ImportReferenceProduct(Context(), kIngredient, kRich);
            return true;
        },
        {"1|26|3|0|", "1|4010|4001|0|", "1|4011|4001|0|"}, {"1|99|"});
    EXPECT_GT(count, 50);

    // The labels that failed runs added and forgot are created anew by a complete run.
    CLibPreEmbCache& labels = Caches().LibPreEmbCache();
    const IngredientValues values = ImportReferenceProduct(Context(), kIngredient, kRich);
    const int row = labels.FindLabel("Cacao", 1);
    ASSERT_GE(row, 0);
    EXPECT_EQ(labels.GetRecord(row).m_nID, 11);
    EXPECT_EQ(Rows(Local(), "SELECT ID, NAME_1, TYPE FROM LibellesPreEmballe WHERE ID>10 "
                            "ORDER BY ID"),
              Table({{"11", "Cacao", "1"}, {"12", "\xC9mulsifiant", "6"}}));
    EXPECT_NE(values.m_strText.find("Composition : Cacao : 25 %\r\n"), std::string::npos);
}

// Writes the answer to the legal-names question into its sink when it is asked, after
// checking from a connection of its own that the import is already committed.
class CommittedCheckingSink : public test::RecordingMessageSink {
public:
    explicit CommittedCheckingSink(std::function<void()> check) : m_check(std::move(check)) {}
    bool AskYesNo(const std::string& text) override {
        m_check();
        return RecordingMessageSink::AskYesNo(text);
    }

private:
    std::function<void()> m_check;
};

TEST_P(ReferenceImportTest, TheLegalNamesQuestionComesOnceTheImportIsCommitted) {
    // The central legal name now differs from the local label by its case only.
    RunCentral("UPDATE OVLNUTRIMSLIB SET LIBELLE_FR='CONFITURE' WHERE ID=40;\n");
    RestoreStart();
    const auto writtenValues = [&](db::Connection& connection) {
        return Rows(connection, "SELECT NUTRI_ID FROM NutriIngred WHERE ING_ID=1 AND "
                                "NUTRI_ID<800 ORDER BY NUTRI_ID");
    };
    int asked = 0;
    CommittedCheckingSink sink([&] {
        ++asked;
        // Another connection sees the import whole, and can write beside it: no lock is held.
        auto other = OpenSecondLocalConnection();
        EXPECT_NE(writtenValues(*other), "");
        other->ExecuteDirect("UPDATE Ingredients SET DATE_MAJ=DATE_MAJ WHERE INGRED_ID=2");
    });
    ImportContext context{Local(), Central(), Caches(), sink, 0, DatabaseType(), false};
    ImportReferenceProduct(context, kIngredient, kRich);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(context.m_bUpdateLegalNames);

    // A failed import asks nothing: there is nothing to update after it.
    RestoreStart();
    long count = 0;
    {
        FailureGuard counting(0);
        ImportReferenceProduct(Context(), kIngredient, kRich);
        count = db::FailureHook::ExecutedCount();
    }
    EXPECT_EQ(Messages().m_messages.size(), 1u);
    RestoreStart(); // a fresh context: the flag is false again
    Messages().m_messages.clear();
    {
        FailureGuard failing(count);
        EXPECT_THROW(ImportReferenceProduct(Context(), kIngredient, kRich), db::DbException);
    }
    EXPECT_TRUE(Messages().m_messages.empty());
    EXPECT_FALSE(Context().m_bUpdateLegalNames);
}

TEST_P(ReferenceImportTest, AnErrorThatEndsTheTransactionEndsTheImportWhole) {
    const long injected = SweepTransactionLosses([&] {
        ImportReferenceProduct(Context(), kIngredient, kRich);
        return true;
    });
    EXPECT_GT(injected, 150);
}

TEST_P(ReferenceImportTest, AnErrorThatEndsTheTransactionEndsTheClearingWhole) {
    SweepTransactionLosses([&] {
        ClearIngredient(Context(), kIngredient);
        return true;
    });
}

TEST_P(ReferenceImportTest, AnErrorThatEndsTheTransactionEndsTheCreationWhole) {
    SweepTransactionLosses([&] {
        CIngredientCreation creation(Context(), kRich);
        creation.LoadProduct();
        LocalTransaction transaction(Context());
        if (!creation.OnOK() || creation.GetNewIngredientId() == -1)
            return false;
        transaction.Commit();
        return true;
    });
}

TEST_P(ReferenceImportTest, NoFailingStatementLeavesAHalfClearedIngredient) {
    // The errors the clearing ignores leave a status class or the mention in place.
    SweepFailures(
        [&] {
            ClearIngredient(Context(), kIngredient);
            return true;
        },
        {}, {"1|4007|4001|0|", "1|4010|4001|0|", "1|99|"});
}

TEST_P(ReferenceImportTest, NoFailingStatementLeavesAHalfCreatedIngredient) {
    const long count = SweepFailures(
        [&] {
            CIngredientCreation creation(Context(), kRich);
            creation.LoadProduct();
            LocalTransaction transaction(Context());
            if (!creation.OnOK() || creation.GetNewIngredientId() == -1)
                return false;
            transaction.Commit();
            return true;
        },
        {}, {});
    EXPECT_GE(count, 3);
}

OVL_INSTANTIATE_FOR_EVERY_BACKEND(ReferenceImportTest);

} // namespace
} // namespace ovl
