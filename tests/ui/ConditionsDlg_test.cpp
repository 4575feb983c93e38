#include "ui/ConditionsDlg.h"

#include "platform/MemorySettingsStore.h"

#include <gtest/gtest.h>

namespace ovl::ui {
namespace {

TEST(ConditionsDlgTest, AcceptNeedsBothBoxesAndEachAnswerIsRecorded) {
    MemorySettingsStore settings;
    CConditionsDlg first(settings);
    first.OnInitDialog();
    EXPECT_FALSE(first.IsAcceptEnabled());
    struct Step {
        bool commitment, acceptance, enabled;
    };
    for (const Step& step : {Step{true, false, false}, Step{true, true, true},
                             Step{false, true, false}, Step{true, true, true}}) {
        first.OnCheckBoxClicked(step.commitment, step.acceptance);
        EXPECT_EQ(first.IsAcceptEnabled(), step.enabled);
    }
    first.OnAccept();
    EXPECT_EQ(settings.GetInt("Config", "Conditions Accepted", -1), 1);

    CConditionsDlg review(settings);
    review.m_bAlreadyAccepted = true;
    review.OnInitDialog();
    EXPECT_TRUE(review.IsCommitmentChecked());
    EXPECT_TRUE(review.IsAcceptanceChecked());
    EXPECT_TRUE(review.IsAcceptEnabled());
    review.OnRefuse();
    EXPECT_EQ(settings.GetInt("Config", "Conditions Accepted", -1), 0);
}

TEST(ConditionsDlgTest, RichTextIsRecognisedByItsFirstFiveBytes) {
    struct Case {
        const char* bytes;
        bool rich;
    };
    for (const Case& c : {Case{"{\\rtf1 x}", true}, Case{"{\\RTF1 x}", true},
                          Case{"{\\rtf", false}, Case{"{\\rt", false}, Case{"plain text", false},
                          Case{"", false}})
        EXPECT_EQ(CConditionsDlg::IsRichText(c.bytes), c.rich) << c.bytes;
    EXPECT_EQ(CConditionsDlg::ShownText("{\\rt"), "{\\rt");
    EXPECT_EQ(CConditionsDlg::ShownText("{\\rtf1 Un\\par Deux}"), "Un\nDeux");
}

TEST(ConditionsDlgTest, EveryTermsDocumentReadsAsParagraphs) {
    for (int language = 0; language < 5; ++language) {
        const std::string text = CConditionsDlg::DocumentText(language);
        EXPECT_GT(text.size(), 1000u) << language;
        EXPECT_EQ(text.find('{'), std::string::npos) << language;
        EXPECT_NE(text.find("\n"), std::string::npos) << language;
    }
}

TEST(ConditionsDlgTest, AboutLinesNameVersionsServerAndDatabase) {
    const AboutLines lines = MakeAboutLines("1.4.0.15", "1.4.0.161", "srv", false, 1);
    EXPECT_EQ(lines.productLine, "OVLNutriImport, version\xA0" "1.4.0.15 release");
    EXPECT_EQ(lines.buildLine, "Build, version 1.4.0.161");
    EXPECT_EQ(lines.serverLine, "Serveur : srv");
    struct Case {
        bool remote;
        int databaseType;
        const char* line;
    };
    for (const Case& c : {Case{true, 1, "RDS"}, Case{true, 0, "RDS on SQL Server"},
                          Case{false, 0, " on SQL Server"}, Case{false, 1, ""}})
        EXPECT_EQ(MakeAboutLines("", "", "", c.remote, c.databaseType).databaseLine, c.line);
}

} // namespace
} // namespace ovl::ui
