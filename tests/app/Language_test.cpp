#include "app/Language.h"

#include <gtest/gtest.h>

namespace ovl {
namespace {

// Every test leaves the process-wide language as French.
class LanguageTest : public ::testing::Test {
protected:
    void TearDown() override { SetLanguage(0); }
};

TEST_F(LanguageTest, LangueGivesIndexOffsetAndSuffixes) {
    const struct {
        int langue;
        int index;
        int offset;
        const char* local;
        const char* central;
    } cases[] = {
        {0, 0, 0, "_1", "FR"},    {1, 1, 1000, "_2", "EN"}, {2, 2, 2000, "_3", "DE"},
        {3, 3, 3000, "_4", "SP"}, {4, 4, 4000, "_5", "IT"}, {5, 0, 0, "_1", "FR"},
        {7, 0, 0, "_1", "FR"},    {-1, 0, 0, "_1", "FR"},   {1000, 0, 0, "_1", "FR"},
    };
    for (const auto& c : cases) {
        const int index = SetLanguage(c.langue);
        EXPECT_EQ(index, c.index) << "LANGUE " << c.langue;
        EXPECT_EQ(LanguageIndexFromLangue(c.langue), c.index) << "LANGUE " << c.langue;
        EXPECT_EQ(g_nLangOffset, c.offset) << "LANGUE " << c.langue;
        EXPECT_EQ(LocalColumnSuffix(index), c.local) << "LANGUE " << c.langue;
        EXPECT_STREQ(CentralColumnSuffix(index), c.central) << "LANGUE " << c.langue;
    }
}

TEST_F(LanguageTest, IndexOutOfRangeFallsBackToFrench) {
    for (const int index : {-1, 5, 42}) {
        EXPECT_EQ(LanguageOffsetOf(index), 0) << index;
        EXPECT_EQ(LocalColumnSuffix(index), "_1") << index;
        EXPECT_STREQ(CentralColumnSuffix(index), "FR") << index;
    }
}

TEST_F(LanguageTest, LoadLangStringFollowsTheLanguage) {
    const char* const deleteButton[] = {"Effacer", "Delete", "L\xF6schen", "Suprimir",
                                        "Cancellare"};
    for (int langue = 0; langue < kLanguageCount; ++langue) {
        SetLanguage(langue);
        EXPECT_EQ(LoadLangString(2009), deleteButton[langue]) << "LANGUE " << langue;
    }
}

TEST_F(LanguageTest, Langue7ShowsFrenchTexts) {
    SetLanguage(7);
    EXPECT_EQ(LoadLangString(2004), "Cat\xE9gorie");
    EXPECT_EQ(LoadLangString(2019), "Ovalane - Importation des valeurs nutritionnelles (SRV)");
}

TEST_F(LanguageTest, TextsKeepTheirOwnSpacing) {
    SetLanguage(1);
    EXPECT_EQ(LoadLangString(2019), "Ovalane - nutritional values import  (SRV)");
    EXPECT_EQ(CatalogueText(3019), "Ovalane - nutritional values import  (SRV)");
    // Only the English-and-later texts start with a line feed.
    EXPECT_EQ(CatalogueText(2023), "R\nE\nS\nE\nT");
    EXPECT_EQ(CatalogueText(3023), "\nR\nE\nS\nE\nT");
    EXPECT_EQ(LoadLangString(2023), "\nR\nE\nS\nE\nT");
}

TEST_F(LanguageTest, MissingTextIsEmpty) {
    for (int langue = 0; langue < kLanguageCount; ++langue) {
        SetLanguage(langue);
        for (const int id : {2016, 2017, 2087, 1999})
            EXPECT_EQ(LoadLangString(id), "") << "id " << id << ", LANGUE " << langue;
    }
    for (const int id : {999, 1002, 1019, 7000, 7019, -1})
        EXPECT_EQ(CatalogueText(id), "") << "id " << id;
}

TEST_F(LanguageTest, RegistryTextsAreNeverShifted) {
    for (int langue = 0; langue < kLanguageCount; ++langue) {
        SetLanguage(langue);
        EXPECT_EQ(LoadLangString(kRegistryErrorHklmId), "ERREUR : Acc\xE8s \xE0 la clef HKLM")
            << "LANGUE " << langue;
        EXPECT_EQ(LoadLangString(kRegistryErrorHkcuId), "ERREUR : Acc\xE8s \xE0 la clef HKCU")
            << "LANGUE " << langue;
    }
}

} // namespace
} // namespace ovl
