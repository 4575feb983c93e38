#include "import/LegalNamesUpdate.h"

#include "app/Language.h"
#include "platform/FailureHook.h"
#include "tests/support/DatabaseTest.h"
#include "tests/support/ImportFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ovl::test {
namespace {

constexpr const char* kLabels = "SELECT ID, NAME_1, NAME_2, NAME_3, NAME_4, NAME_5, TYPE, OWNER "
                                "FROM LibellesPreEmballe ORDER BY ID";

class LegalNamesUpdateTest : public ImportTest {
protected:
    void SetUp() override {
        ImportTest::SetUp();
        if (IsSkipped())
            return;
        // Central legal sales names (type 0) and a characterising ingredient (type 1).
        RunCentral("INSERT INTO OVLNUTRIMSLIB VALUES (1, 0, 'Pain de mie', 'Sandwich bread', "
                   "'Toastbrot', 'Pan de molde', 'Pan carr%232');\n"
                   "INSERT INTO OVLNUTRIMSLIB VALUES (2, 0, 'Huile d%039olive', 'Olive oil', "
                   "'Oliven%246l', 'Aceite de oliva', 'Olio d%039oliva');\n"
                   "INSERT INTO OVLNUTRIMSLIB VALUES (3, 0, 'Beurre', 'Butter', 'Butter', "
                   "'Mantequilla', 'Burro');\n"
                   "INSERT INTO OVLNUTRIMSLIB VALUES (4, 1, 'Sucre', 'Sugar', 'Zucker', "
                   "'Az%250car', 'Zucchero');\n");
    }

    void AddLocalLabel(int id, int type, const std::string& french,
                       const std::string& english = "old") {
        RunLocal("INSERT INTO LibellesPreEmballe VALUES (" + std::to_string(id) + ", '" + french +
                 "', '" + english + "', 'alt', 'viejo', 'vecchio', " + std::to_string(type) +
                 ", 0);\n");
    }

    // The caches are built before a test counts or fails statements.
    void BuildCaches() {
        Caches().MsLibCache();
        Caches().LibPreEmbCache();
    }

    std::string ClosingText() const { return CatalogueText(2053); }
};

TEST_P(LegalNamesUpdateTest, RewritesNamesThatDifferWithTheFiveCentralTexts) {
    AddLocalLabel(10, 0, "PAIN DE MIE");      // differs in case: rewritten
    AddLocalLabel(11, 0, "huile d%039olive"); // rewritten, apostrophe stored as %039
    AddLocalLabel(12, 0, "Beurre");           // equal in French: left, old English and all
    AddLocalLabel(13, 0, "Margarine");        // no central label: left
    AddLocalLabel(14, 1, "Pain de mie");      // not a legal sales name: left
    AddLocalLabel(15, 1, "SUCRE");            // a type-1 label is never rewritten
    BuildCaches();

    UpdateLegalSalesNames(Context());

    EXPECT_EQ(Rows(Local(), kLabels),
              "10|Pain de mie|Sandwich bread|Toastbrot|Pan de molde|Pan carr\xE8|0|0|\n"
              "11|Huile d%039olive|Olive oil|Oliven\xF6l|Aceite de oliva|Olio d%039oliva|0|0|\n"
              "12|Beurre|old|alt|viejo|vecchio|0|0|\n"
              "13|Margarine|old|alt|viejo|vecchio|0|0|\n"
              "14|Pain de mie|old|alt|viejo|vecchio|1|0|\n"
              "15|SUCRE|old|alt|viejo|vecchio|1|0|\n");
    const RecordedMessage expected{ClosingText(), MessageIcon::Exclamation};
    EXPECT_EQ(Messages().m_messages, std::vector<RecordedMessage>{expected});
}

TEST_P(LegalNamesUpdateTest, NothingToUpdateRunsNoStatementAndStillTellsTheUser) {
    AddLocalLabel(12, 0, "Beurre");
    AddLocalLabel(13, 0, "Margarine");
    BuildCaches();
    const std::string before = LocalSnapshot();

    db::FailureHook::FailAtStatement(0);
    UpdateLegalSalesNames(Context());
    const long executed = db::FailureHook::ExecutedCount();
    db::FailureHook::Disarm();

    EXPECT_EQ(executed, 0);
    EXPECT_EQ(LocalSnapshot(), before);
    const RecordedMessage expected{ClosingText(), MessageIcon::Information};
    EXPECT_EQ(Messages().m_messages, std::vector<RecordedMessage>{expected});
}

TEST_P(LegalNamesUpdateTest, ComparesInTheUsersLanguage) {
    ResetCaches(1);
    AddLocalLabel(10, 0, "Pain de mie", "SANDWICH BREAD"); // English differs: rewritten
    AddLocalLabel(12, 0, "BEURRE", "Butter");              // English equal: left
    BuildCaches();

    UpdateLegalSalesNames(Context());

    EXPECT_EQ(Rows(Local(), kLabels),
              "10|Pain de mie|Sandwich bread|Toastbrot|Pan de molde|Pan carr\xE8|0|0|\n"
              "12|BEURRE|Butter|alt|viejo|vecchio|0|0|\n");
    const RecordedMessage expected{CatalogueText(2053 + LanguageOffsetOf(1)),
                                   MessageIcon::Exclamation};
    EXPECT_EQ(Messages().m_messages, std::vector<RecordedMessage>{expected});
}

TEST_P(LegalNamesUpdateTest, AFailedRowIsShownAndTheOthersStillRun) {
    AddLocalLabel(10, 0, "PAIN DE MIE");
    AddLocalLabel(11, 0, "HUILE D%039OLIVE");
    BuildCaches();

    db::FailureHook::FailAtStatement(1);
    UpdateLegalSalesNames(Context());
    db::FailureHook::Disarm();

    EXPECT_EQ(Rows(Local(), kLabels),
              "10|PAIN DE MIE|old|alt|viejo|vecchio|0|0|\n"
              "11|Huile d%039olive|Olive oil|Oliven\xF6l|Aceite de oliva|Olio d%039oliva|0|0|\n");
    const std::vector<RecordedMessage> expected{
        {"Injected failure at statement 1", MessageIcon::Exclamation},
        {ClosingText(), MessageIcon::Exclamation}};
    EXPECT_EQ(Messages().m_messages, expected);
}

TEST_P(LegalNamesUpdateTest, WhenEveryRowFailsTheClosingMessageIsNoSuccess) {
    AddLocalLabel(10, 0, "PAIN DE MIE");
    BuildCaches();
    const std::string before = LocalSnapshot();

    db::FailureHook::FailAtStatement(1);
    UpdateLegalSalesNames(Context());
    db::FailureHook::Disarm();

    EXPECT_EQ(LocalSnapshot(), before);
    const std::vector<RecordedMessage> expected{
        {"Injected failure at statement 1", MessageIcon::Exclamation},
        {ClosingText(), MessageIcon::Information}};
    EXPECT_EQ(Messages().m_messages, expected);
}

OVL_INSTANTIATE_FOR_EVERY_BACKEND(LegalNamesUpdateTest);

} // namespace
} // namespace ovl::test
