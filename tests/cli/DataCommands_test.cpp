#include "platform/TextConvert.h"
#include "tests/support/CliFixture.h"
#include "tests/support/DatabaseTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <map>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace ovl {
namespace {

using test::Backend;
using test::RunResult;

constexpr const char* kAcceptedTerms = "[Config]\nConditions Accepted=1\nAccount Id=1\n";

// The lines of an output, without their line feeds.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    return fields;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Terminal text: valid UTF-8 (it survives the round trip through code page 1252), LF line
// ends only, one final line feed.
void ExpectTerminalText(const std::string& text, const std::string& what) {
    EXPECT_EQ(text::Cp1252ToUtf8(text::Utf8ToCp1252(text)), text) << what;
    EXPECT_FALSE(Contains(text, "\r")) << what;
    ASSERT_FALSE(text.empty()) << what;
    EXPECT_EQ(text.back(), '\n') << what;
    EXPECT_FALSE(text.size() > 1 && text[text.size() - 2] == '\n') << what;
}

std::string CountLabel(size_t count) {
    return std::to_string(count) + (count > 1 ? " produits trouvés." : " produit trouvé.");
}

// Every local row that an import or a clearing writes for one ingredient.
std::string IngredientRows(db::Connection& local, int ingredientId) {
    const std::string id = std::to_string(ingredientId);
    return test::QueryRows(local, "SELECT * FROM Ingredients WHERE INGRED_ID=" + id) +
           test::QueryRows(local,
                           "SELECT * FROM NutriIngred WHERE ING_ID=" + id + " ORDER BY NUTRI_ID") +
           test::QueryRows(local,
                           "SELECT * FROM CategIngre WHERE INGR_ID=" + id + " ORDER BY CLASS_ID") +
           test::QueryRows(local, "SELECT * FROM CategIngAllerg WHERE INGR_ID=" + id +
                                      " ORDER BY CLASS_ID") +
           test::QueryRows(local,
                           "SELECT * FROM MSpecifIng WHERE ID=" + id + " ORDER BY IDMSPECIF");
}

// The command line on both databases filled with the demo data, the terms accepted.
class DataCommandsTest : public test::CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        if (IsSkipped())
            return;
        test::LoadDemoData(*m_pDatabases, GetParam());
        WriteSettings(kAcceptedTerms);
    }

    std::string LocalRows(const std::string& sql) {
        return test::QueryRows(*m_pDatabases->Local().Connect(), sql);
    }
    std::string CentralRows(const std::string& sql) {
        return test::QueryRows(*m_pDatabases->Central().Connect(), sql);
    }
    std::string Ingredient(int ingredientId) {
        return IngredientRows(*m_pDatabases->Local().Connect(), ingredientId);
    }
    // Every local table the data commands write.
    std::string LocalSnapshot() {
        std::string snapshot;
        for (const char* query : {"SELECT * FROM Ingredients ORDER BY INGRED_ID",
                                  "SELECT * FROM NutriIngred ORDER BY ING_ID, NUTRI_ID",
                                  "SELECT * FROM CategIngre ORDER BY INGR_ID, CLASS_ID",
                                  "SELECT * FROM CategIngAllerg ORDER BY INGR_ID, CLASS_ID",
                                  "SELECT * FROM MSpecifIng ORDER BY ID, IDMSPECIF",
                                  "SELECT * FROM LibellesPreEmballe ORDER BY ID"})
            snapshot += LocalRows(query);
        return snapshot;
    }
    std::string WriteBatchFile(const std::string& text) {
        const auto path = Folder() / "pairs.txt";
        std::ofstream(path, std::ios::binary) << text;
        return test::ShellWord(path.string());
    }
};

TEST_P(DataCommandsTest, SearchPrintsOneTabbedLinePerProductThenTheCountLabel) {
    const RunResult result = Run("search --name beurre");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    ExpectTerminalText(result.out, "search");
    const std::vector<std::string> lines = Lines(result.out);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines.back(), CountLabel(lines.size() - 1));
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        const std::vector<std::string> fields = Fields(lines[i]);
        ASSERT_EQ(fields.size(), 7u) << lines[i];
        EXPECT_GT(std::atoi(fields[0].c_str()), 0) << lines[i];
    }
    // ID, supplier, name, code, category, date, source; a product without a source of its
    // own cites its supplier.
    EXPECT_TRUE(Contains(result.out, "117\tÉpicerie fine Lemoine & Fils\tBeurre doux\tEFL63060\t"
                                     "Produits laitiers\t15/08/2022\tÉpicerie fine Lemoine & "
                                     "Fils\n"))
        << result.out;
}

TEST_P(DataCommandsTest, SearchCriteriaMinimumLengthPrefixMarkAndSupplierFilter) {
    const struct {
        const char* args;
        int count; // -1: some rows
        const char* present;
        const char* absent;
    } cases[] = {
        {"--name b", 0, nullptr, nullptr},
        {"--name be", -1, "Beurre doux", nullptr},
        {"--name 'b*'", 0, nullptr, nullptr},
        {"--name 'be*'", -1, "Beurre doux", "Pâte feuilletée pur beurre"},
        {"--name beurre", -1, "Pâte feuilletée pur beurre", nullptr},
        {"--name 'PATE FEUILLETEE'", -1, "Pâte feuilletée pur beurre", nullptr},
        {"--name 3%", 6, "Fromage blanc nature, 3% MG", nullptr},
        {"--code efl63060", 1, "Beurre doux", nullptr},
        {"--supplier 7", 0, nullptr, nullptr},
        {"--supplier 7 --all-suppliers", -1, "Spaghetti n°5 bio", nullptr},
    };
    for (const auto& c : cases) {
        const RunResult result = Run(std::string("search ") + c.args);
        ASSERT_EQ(result.exitCode, 0) << c.args << result.err;
        const std::vector<std::string> lines = Lines(result.out);
        ASSERT_FALSE(lines.empty()) << c.args;
        const size_t rows = lines.size() - 1;
        if (c.count >= 0) {
            EXPECT_EQ(rows, static_cast<size_t>(c.count)) << c.args << "\n" << result.out;
        } else {
            EXPECT_GT(rows, 0u) << c.args;
        }
        EXPECT_EQ(lines.back(), CountLabel(rows)) << c.args;
        std::vector<std::string> names;
        for (size_t i = 0; i < rows; ++i)
            names.push_back(Fields(lines[i]).at(2));
        const auto has = [&](const char* name) {
            return std::find(names.begin(), names.end(), name) != names.end();
        };
        EXPECT_TRUE(!c.present || has(c.present)) << c.args << "\n" << result.out;
        EXPECT_TRUE(!c.absent || !has(c.absent)) << c.args << "\n" << result.out;
    }
}

TEST_P(DataCommandsTest, SearchWithoutTheStrictFilterSettingFindsUnselectedSuppliers) {
    WriteSettings(std::string(kAcceptedTerms) + "Strict Prov. Filter=0\n");
    const RunResult result = Run("search --supplier 7");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, Run("search --supplier 7 --all-suppliers").out);
    EXPECT_GT(Lines(result.out).size(), 1u);
}

TEST_P(DataCommandsTest, SearchUsageErrors) {
    for (const char* args :
         {"search --supplier abc", "search --name", "search --frob x", "search --group 1x"}) {
        const RunResult result = Run(args);
        EXPECT_EQ(result.exitCode, 2) << args;
        EXPECT_TRUE(result.out.empty()) << args;
        EXPECT_TRUE(Contains(result.err, "usage: ovlnutriimport search")) << args << result.err;
    }
}

TEST_P(DataCommandsTest, ProductPrintsTheDetailWithPlainMissingMarks) {
    const RunResult result = Run("product 1");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    ExpectTerminalText(result.out, "product");
    EXPECT_EQ(Lines(result.out).front(), "Dernière mise à jour : 30/07/2020");
    EXPECT_TRUE(Contains(result.out, "\nÉnergie (kJ) : 1665 kJ\n")) << result.out;
    EXPECT_TRUE(Contains(result.out, "\nCalcium : ---\n")) << result.out;
    EXPECT_FALSE(Contains(result.out, "0--")) << result.out;
    EXPECT_TRUE(result.err.empty()) << result.err;
}

TEST_P(DataCommandsTest, IngredientsPrintsMatchesThenTheCountLabel) {
    const struct {
        const char* filter;
        const char* out;
    } cases[] = {
        {"beu", "1\tBeurre doux\tBEU-001\n1 produit trouvé.\n"},
        // Codes match too; the list is sorted by name.
        {"LEG-0", "21\tAil\tLEG-021\n18\tCarottes\tLEG-018\n20\tOignons jaunes\tLEG-020\n"
                  "19\tPommes de terre\tLEG-019\n4 produits trouvés.\n"},
        // Quotes and percent signs are plain text, not SQL.
        {"70%", "8\tChocolat noir 70%\tCHO-070\n1 produit trouvé.\n"},
        {"d'", "12\tConfiture d'abricots\tCON-002\n7\tHuile d'olive vierge extra\tHUI-003\n"
               "31\tMiel d'acacia\tSUC-031\n3 produits trouvés.\n"},
        {"e_", "0 produit trouvé.\n"},
    };
    for (const auto& c : cases) {
        const RunResult result = Run("ingredients " + test::ShellWord(c.filter));
        EXPECT_EQ(result.exitCode, 0) << c.filter << result.err;
        EXPECT_EQ(result.out, c.out) << c.filter;
    }
    const RunResult tooShort = Run("ingredients b");
    EXPECT_EQ(tooShort.exitCode, 2);
    EXPECT_TRUE(tooShort.out.empty());
    EXPECT_EQ(tooShort.err, "error: the filter needs at least two characters\n");
}

TEST_P(DataCommandsTest, CompareMarksEqualDifferentAndAllergenOnlyDifferences) {
    // The product pane ends with nutrient 15, the ingredient pane with 17: under one label
    // an imported product can compare equal.
    m_pDatabases->Central().RunStatements(
        "UPDATE OVLNUTRILIB SET LIBELLE_FR='Fruits et legumes' WHERE IDOVL IN (15, 17);\n");
    ASSERT_EQ(Run("import 117 2").exitCode, 0);
    ASSERT_EQ(Run("import 19 5").exitCode, 0);

    const RunResult equal = Run("compare 117 2");
    ASSERT_EQ(equal.exitCode, 0) << equal.err;
    ExpectTerminalText(equal.out, "compare");
    std::vector<std::string> lines = Lines(equal.out);
    EXPECT_EQ(lines.front(), "=");
    EXPECT_EQ(lines.size() - 1, Lines(Run("product 117").out).size());
    for (size_t i = 1; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].substr(0, 2), "  ") << lines[i];

    const RunResult different = Run("compare 117 3");
    ASSERT_EQ(different.exitCode, 0) << different.err;
    lines = Lines(different.out);
    EXPECT_EQ(lines.front(), "<>");
    EXPECT_TRUE(Contains(different.out, "\n- Énergie (kJ) : 2862 kJ\n")) << different.out;
    EXPECT_TRUE(Contains(different.out, "\n+ Énergie (kJ) : 194 kJ\n")) << different.out;

    // Another traces list with the same summary line: only the allergen lists differ.
    m_pDatabases->Central().RunStatements(
        "UPDATE OVLNUTRIPROD SET ALRGPOSS=X'2000000000000000' WHERE ID=19;\n");
    const RunResult allergens = Run("compare 19 5");
    ASSERT_EQ(allergens.exitCode, 0) << allergens.err;
    lines = Lines(allergens.out);
    EXPECT_EQ(lines.front(), "A<>");
    for (size_t i = 1; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].substr(0, 2), "  ") << lines[i];
}

TEST_P(DataCommandsTest, ImportPrintsTheValuesTextAndAsksAboutLegalNamesOnStderr) {
    const std::string question = "question: Les dénominations légales de ventes doivent être "
                                 "mises à jour, souhaitez-vous le faire maintenant ?\n";
    const std::string closing = "Les dénominations légales de ventes ont été mises à jour, vous "
                                "devez fermer et relancer le logiciel Ovalane.";
    // Local label 3 differs from the central one only by its accents.
    const int product = std::atoi(
        CentralRows("SELECT ID FROM OVLNUTRIPROD WHERE DENOMLEGID=3 ORDER BY ID").c_str());
    ASSERT_GT(product, 0);
    const std::string label3 = "SELECT * FROM LibellesPreEmballe WHERE ID=3";
    const std::string before = LocalRows(label3);
    const std::string args = "import " + std::to_string(product) + " 6";

    const RunResult refused = Run(args);
    ASSERT_EQ(refused.exitCode, 0) << refused.err;
    ExpectTerminalText(refused.out, "import");
    EXPECT_EQ(refused.out, Run("ingredient 6").out);
    EXPECT_EQ(refused.err, question + "-> no\n");
    EXPECT_EQ(LocalRows(label3), before);

    const RunResult agreed = Run(args + " --update-legal-names");
    ASSERT_EQ(agreed.exitCode, 0) << agreed.err;
    EXPECT_EQ(agreed.err, question + "-> yes\nwarning: " + closing + "\n");
    EXPECT_FALSE(Contains(agreed.out, "question")) << agreed.out;
    EXPECT_NE(LocalRows(label3), before);
    EXPECT_EQ(LocalRows("SELECT NAME_1 FROM LibellesPreEmballe WHERE ID=3"),
              CentralRows("SELECT LIBELLE_FR FROM OVLNUTRIMSLIB WHERE ID=3"));

    // The command of its own prints the closing message as its output.
    const RunResult update = Run("update-legal-names");
    EXPECT_EQ(update.exitCode, 0) << update.err;
    EXPECT_EQ(update.out, closing + "\n");
}

TEST_P(DataCommandsTest, ClearTwiceLeavesTheSameText) {
    const std::string before = Ingredient(1);
    const RunResult first = Run("clear 1");
    ASSERT_EQ(first.exitCode, 0) << first.err;
    ExpectTerminalText(first.out, "clear");
    EXPECT_NE(Ingredient(1), before);
    const std::string cleared = Ingredient(1);
    const RunResult second = Run("clear 1");
    EXPECT_EQ(second.exitCode, 0) << second.err;
    EXPECT_EQ(second.out, first.out);
    EXPECT_EQ(Ingredient(1), cleared);
    EXPECT_EQ(first.out, Run("ingredient 1").out);
}

TEST_P(DataCommandsTest, CreateStoresAndShowsNamesWithQuotesPercentSignsAndBackslashes) {
    const char* names[] = {"L'huile 100% \\ pure", "O'Brien's \"best\" 5%%", "C:\\temp\\n",
                           "50 % d'eau", "x'y'z"};
    std::string args = "create 117";
    const char* options[] = {"--fr", "--en", "--de", "--sp", "--it"};
    for (int i = 0; i < 5; ++i)
        args += std::string(" ") + options[i] + " " + test::ShellWord(names[i]);
    const RunResult result = Run(args);
    ASSERT_EQ(result.exitCode, 0) << result.err;
    ExpectTerminalText(result.out, "create");
    const std::vector<std::string> lines = Lines(result.out);
    EXPECT_EQ(lines.front(), "41");
    EXPECT_EQ(result.out.substr(lines.front().size() + 1), Run("ingredient 41").out);
    EXPECT_EQ(LocalRows("SELECT NAME_1, NAME_2, NAME_3, NAME_4, NAME_5 FROM Ingredients "
                        "WHERE INGRED_ID=41"),
              "L%039huile 100%% \\ pure|O%039Brien%039s \"best\" 5%%%%|C:\\temp\\n|"
              "50 %% d%039eau|x%039y%039z|\n");
    EXPECT_EQ(Run("ingredients 'huile 100'").out,
              "41\tL'huile 100% \\ pure\t\n1 produit trouvé.\n");
}

TEST_P(DataCommandsTest, CreateRefusesDuplicateAndOverlongNames) {
    const std::string before = LocalSnapshot();
    const std::string others = " --en a --de a --sp a --it a";
    const struct {
        std::string args;
        int exitCode;
        std::string err;
    } cases[] = {
        // The product's own names are proposed: its French name exists.
        {"create 117", 4, "warning: Erreur : 'Beurre doux' existe déjà dans la langue FR !\n"},
        {"create 117 --fr 'Ail'" + others, 4,
         "warning: Erreur : 'Ail' existe déjà dans la langue FR !\n"},
        {"create 117 --fr " + std::string(129, 'x') + others, 2,
         "warning: Erreur : le nom FR dépasse 128 caractères !\n"},
        // Escaping would cut a name made mostly of quotes or overflow its column.
        {"create 117 --fr \"'''\"" + others, 2,
         "error: the --fr name cannot be stored as typed: too many quotes or percent signs\n"},
        {"create 117 --en " + std::string(128, '%') + " --fr b --de b --sp b --it b", 2,
         "error: the --en name cannot be stored as typed: too many quotes or percent signs\n"},
    };
    for (const auto& c : cases) {
        const RunResult result = Run(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.args;
        EXPECT_TRUE(result.out.empty()) << c.args << result.out;
        EXPECT_EQ(result.err, c.err) << c.args;
    }
    EXPECT_EQ(LocalSnapshot(), before);

    // The limit counts characters, not the bytes of their UTF-8 form.
    std::string accented;
    for (int i = 0; i < 128; ++i)
        accented += "é";
    const RunResult longest = Run("create 117 --fr " + accented + others);
    EXPECT_EQ(longest.exitCode, 0) << longest.err;
    EXPECT_EQ(Lines(Run("ingredients " + accented).out).front(), "41\t" + accented + "\t");
}

TEST_P(DataCommandsTest, BadIdsAreRefusedAndWriteNothing) {
    const std::string before = LocalSnapshot();
    const struct {
        const char* args;
        int exitCode;
        const char* err;
    } cases[] = {
        {"product abc", 2, "usage: ovlnutriimport product"},
        {"product 99999999999", 2, "usage: ovlnutriimport product"},
        {"product 99999", 1, "error: no reference product has the identifier 99999"},
        {"ingredient 1x", 2, "usage: ovlnutriimport ingredient"},
        {"ingredient 999", 1, "error: no ingredient has the identifier 999"},
        {"clear x", 2, "usage: ovlnutriimport clear"},
        {"clear 999", 1, "error: no ingredient has the identifier 999"},
        {"import 117", 2, "usage: ovlnutriimport import"},
        {"import 117 two", 2, "usage: ovlnutriimport import"},
        {"import 117 999", 1, "error: no ingredient has the identifier 999"},
        {"import 99999 2", 1, "error: no reference product has the identifier 99999"},
        {"compare 1.5 2", 2, "usage: ovlnutriimport compare"},
        {"compare 117 999", 1, "error: no ingredient has the identifier 999"},
        {"compare 99999 2", 1, "error: no reference product has the identifier 99999"},
        {"create x", 2, "usage: ovlnutriimport create"},
        {"create 117 --fr", 2, "usage: ovlnutriimport create"},
        {"create 117 --xx a", 2, "usage: ovlnutriimport create"},
        {"create 99999", 1, "error: no reference product has the identifier 99999"},
    };
    for (const auto& c : cases) {
        const RunResult result = Run(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.args;
        EXPECT_TRUE(result.out.empty()) << c.args << result.out;
        EXPECT_TRUE(Contains(result.err, c.err)) << c.args << "\n" << result.err;
    }
    EXPECT_EQ(LocalSnapshot(), before);
}

TEST_P(DataCommandsTest, BatchReportsBadLinesAndUnknownIdsByLineNumber) {
    const std::string untouched = Ingredient(1);
    const std::string file = WriteBatchFile("# product;ingredient\n"
                                            "117;2\n"
                                            "\n"
                                            "  19 , 5 \n"
                                            "19\t6\n"
                                            "abc;1\n"
                                            "1;999\n"
                                            "99999;1\n"
                                            "5;\n"
                                            "  # indented comment\n"
                                            "26;7\r\n"
                                            "1;2;3\n");
    const RunResult result = Run("batch " + file);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "4 imported, 5 failed\n");
    for (const char* line : {"line 6: error: expected PRODUCT_ID;INGRED_ID, found: abc;1\n",
                             "line 9: error: expected PRODUCT_ID;INGRED_ID, found: 5;\n",
                             "line 12: error: expected PRODUCT_ID;INGRED_ID, found: 1;2;3\n",
                             "line 7: error: no ingredient has the identifier 999\n",
                             "line 7: product 1 into ingredient 999: failed\n",
                             "line 8: error: no reference product has the identifier 99999\n",
                             "line 8: product 99999 into ingredient 1: failed\n",
                             "line 2: product 117 into ingredient 2: imported\n",
                             "line 4: product 19 into ingredient 5: imported\n",
                             "line 5: product 19 into ingredient 6: imported\n",
                             "line 11: product 26 into ingredient 7: imported\n"})
        EXPECT_TRUE(Contains(result.err, line)) << line << "\n" << result.err;
    EXPECT_EQ(Ingredient(1), untouched);
    // An imported ingredient carries its product's date line.
    for (const auto& [product, ingredient] : {std::pair{"117", "2"}, {"19", "5"}, {"26", "7"}})
        EXPECT_EQ(Lines(Run(std::string("ingredient ") + ingredient).out).front(),
                  Lines(Run(std::string("product ") + product).out).front())
            << ingredient;
}

TEST_P(DataCommandsTest, BatchExitsZeroOnlyWhenNothingFailed) {
    const RunResult good = Run("batch " + WriteBatchFile("117,2\n19;5\n"));
    EXPECT_EQ(good.exitCode, 0) << good.err;
    EXPECT_EQ(good.out, "2 imported, 0 failed\n");

    const RunResult missing = Run("batch " + test::ShellWord((Folder() / "none.txt").string()));
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(Contains(missing.err, "error: cannot read")) << missing.err;
    EXPECT_EQ(Run("batch").exitCode, 2);
}

OVL_INSTANTIATE_FOR_EVERY_BACKEND(DataCommandsTest);

// A batch whose central MariaDB server stops in the middle: a server of its own, started and
// stopped by the test, with a local SQLite database.
class CentralServerStopTest : public test::CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        if (IsSkipped())
            return;
        m_serverDir = Folder() / "central-server";
        ASSERT_EQ(Server("start"), 0) << "the MariaDB server of the test did not start";
        if (std::filesystem::exists(m_serverDir / "skip"))
            GTEST_SKIP() << test::Slurp(m_serverDir / "skip");
        m_bServerRunning = true;
        const std::string server =
            "DRIVER={MySQL ODBC 8.0 ANSI Driver};SERVER=127.0.0.1;PORT=" +
            std::to_string(std::atoi(test::Slurp(m_serverDir / "port").c_str())) +
            ";UID=ovltest;PWD=ovltest;";
        db::Connection admin;
        admin.Open(server);
        admin.ExecuteDirect("CREATE DATABASE ovlcentral CHARACTER SET latin1");
        m_strCentralConnect = server + "DATABASE=ovlcentral;";
        db::Connection central;
        central.Open(m_strCentralConnect);
        test::ExecuteScript(central,
                            test::Slurp(std::string(OVL_SOURCE_DIR) + "/db/central.mariadb.sql"));
        test::ExecuteScript(central, test::DemoDataSql(Backend::MariaDb, "central"));
        auto local = m_pDatabases->Local().Connect();
        for (const char* table : {"Utilisateurs", "Langue_System", "Variables", "Categories"})
            local->ExecuteDirect(std::string("DELETE FROM ") + table);
        test::ExecuteScript(*local, test::DemoDataSql(Backend::Sqlite, "local"));
        WriteSettings(kAcceptedTerms);
    }

    void TearDown() override {
        if (m_bServerRunning)
            StopServer();
    }

    int Server(const std::string& action) {
        const std::string command = test::ShellWord(OVL_SOURCE_DIR "/scripts/testdb.sh") + " " +
                                    action + " " + test::ShellWord(m_serverDir.string()) +
                                    " >/dev/null";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    void StopServer() {
        EXPECT_EQ(Server("stop"), 0);
        m_bServerRunning = false;
    }

    // Runs the program with its stderr read line by line; `onLine` sees each line as it
    // comes, with the child's process id.
    RunResult RunReadingStderr(const std::vector<std::string>& args,
                               const std::function<void(const std::string&, pid_t)>& onLine) {
        std::vector<std::string> words = {"env", "OVLNUTRI_CENTRAL=" + m_strCentralConnect,
                                          "XDG_CONFIG_HOME=" + (Folder() / "config").string(),
                                          "XDG_RUNTIME_DIR=" + Folder().string(), OVL_CLI_PATH};
        words.insert(words.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        const std::string outPath = (Folder() / "out").string();
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int errPipe[2];
        RunResult result;
        if (out < 0 || pipe(errPipe) != 0)
            return result;
        const pid_t pid = fork();
        if (pid == 0) {
            dup2(out, STDOUT_FILENO);
            dup2(errPipe[1], STDERR_FILENO);
            close(errPipe[0]);
            execvp("env", argv.data());
            _exit(127);
        }
        close(out);
        close(errPipe[1]);
        FILE* err = fdopen(errPipe[0], "r");
        char* line = nullptr;
        size_t capacity = 0;
        for (ssize_t n; (n = getline(&line, &capacity, err)) > 0;) {
            result.err.append(line, static_cast<size_t>(n));
            onLine(std::string(line, static_cast<size_t>(n)), pid);
        }
        std::free(line);
        std::fclose(err);
        int status = 0;
        waitpid(pid, &status, 0);
        result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.out = test::Slurp(outPath);
        return result;
    }

    std::filesystem::path m_serverDir;
    bool m_bServerRunning = false;
};

TEST_P(CentralServerStopTest, BatchReportsTheDriverErrorAndLeavesFailedIngredientsUntouched) {
    constexpr int kPairs = 40;
    std::string pairs;
    std::map<int, std::string> before;
    {
        auto local = m_pDatabases->Local().Connect();
        for (int ingredient = 1; ingredient <= kPairs; ++ingredient) {
            pairs += std::to_string(100 + ingredient) + ";" + std::to_string(ingredient) + "\n";
            before[ingredient] = IngredientRows(*local, ingredient);
        }
    }
    const auto file = Folder() / "pairs.txt";
    std::ofstream(file) << pairs;

    // After the second pair the program is held while its server stops, so that the
    // remaining pairs all meet the stopped server.
    int imported = 0;
    const RunResult result =
        RunReadingStderr({"batch", file.string()}, [&](const std::string& line, pid_t pid) {
            if (!Contains(line, ": imported\n") || ++imported != 2)
                return;
            kill(pid, SIGSTOP);
            StopServer();
            kill(pid, SIGCONT);
        });
    ASSERT_FALSE(m_bServerRunning) << result.err;

    EXPECT_EQ(result.exitCode, 1) << result.err;
    ASSERT_LT(imported, kPairs);
    EXPECT_EQ(Lines(result.out).back(), std::to_string(imported) + " imported, " +
                                            std::to_string(kPairs - imported) + " failed");
    auto local = m_pDatabases->Local().Connect();
    for (int ingredient = imported + 1; ingredient <= kPairs; ++ingredient) {
        const std::string where = "line " + std::to_string(ingredient) + ": ";
        // The driver's own text, not one of the command's messages.
        const size_t error = result.err.find(where + "error: [");
        EXPECT_NE(error, std::string::npos) << where << "\n" << result.err;
        EXPECT_TRUE(Contains(result.err, where + "product " + std::to_string(100 + ingredient) +
                                             " into ingredient " + std::to_string(ingredient) +
                                             ": failed\n"))
            << where;
        EXPECT_EQ(IngredientRows(*local, ingredient), before[ingredient]) << where;
    }
}

INSTANTIATE_TEST_SUITE_P(LocalSqlite, CentralServerStopTest, testing::Values(Backend::Sqlite),
                         test::BackendParamName);

} // namespace
} // namespace ovl
