#include "platform/IniSettingsStore.h"
#include "platform/MemorySettingsStore.h"
#include "tests/support/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>

namespace ovl {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

// Both stores keep the same contract.
template <typename Store> struct StoreMaker;
template <> struct StoreMaker<MemorySettingsStore> {
    std::unique_ptr<SettingsStore> Make() { return std::make_unique<MemorySettingsStore>(); }
};
template <> struct StoreMaker<IniSettingsStore> {
    test::TempDir dir;
    std::unique_ptr<SettingsStore> Make() {
        return std::make_unique<IniSettingsStore>(dir / "ovlnutriimport.ini");
    }
};

template <typename Store> class SettingsContract : public testing::Test {
protected:
    StoreMaker<Store> m_maker;
};
using StoreTypes = testing::Types<MemorySettingsStore, IniSettingsStore>;
TYPED_TEST_SUITE(SettingsContract, StoreTypes);

TYPED_TEST(SettingsContract, ReadsBackWhatWasWritten) {
    auto store = this->m_maker.Make();
    EXPECT_TRUE(store->WriteInt("Config", "Test Database", -2));
    EXPECT_TRUE(store->WriteString("Mainframe\\Tab cols", "Name",
                                   "Cr\xE8me br\xFBl\xE9"
                                   "e"));
    EXPECT_EQ(store->GetInt("Config", "Test Database", 0), -2);
    EXPECT_EQ(store->GetString("Mainframe\\Tab cols", "Name", ""), "Cr\xE8me br\xFBl\xE9"
                                                                   "e");
    // Names match without regard to case; a rewrite replaces the value.
    EXPECT_EQ(store->GetInt("CONFIG", "test database", 0), -2);
    EXPECT_TRUE(store->WriteInt("config", "TEST DATABASE", 3));
    EXPECT_EQ(store->GetInt("Config", "Test Database", 0), 3);
}

TYPED_TEST(SettingsContract, MissingOrNonNumericValuesGiveTheDefault) {
    auto store = this->m_maker.Make();
    EXPECT_EQ(store->GetInt("Config", "Conditions Accepted", 7), 7);
    EXPECT_EQ(store->GetString("Config", "Missing", "dflt"), "dflt");
    for (const char* text : {"abc", "12abc", "", "99999999999"}) {
        store->WriteString("Config", "Width", text);
        EXPECT_EQ(store->GetInt("Config", "Width", 5), 5) << '"' << text << '"';
    }
    store->WriteString("Config", "Width", " 42 ");
    EXPECT_EQ(store->GetInt("Config", "Width", 5), 42);
}

TYPED_TEST(SettingsContract, RejectsNamesThatCannotBeStored) {
    auto store = this->m_maker.Make();
    EXPECT_FALSE(store->WriteInt("", "Name", 1));
    EXPECT_FALSE(store->WriteInt("Config", "", 1));
    EXPECT_FALSE(store->WriteInt("Config", "a=b", 1));
    EXPECT_FALSE(store->WriteInt("Con\nfig", "Name", 1));
}

class IniSettingsStoreTest : public testing::Test {
protected:
    std::filesystem::path Path() const { return m_dir / "ovlnutriimport.ini"; }
    std::unique_ptr<IniSettingsStore> Open() {
        return std::make_unique<IniSettingsStore>(
            Path(), [this](const std::string& message) { m_messages.push_back(message); });
    }

    test::TempDir m_dir;
    std::vector<std::string> m_messages;
};

TEST_F(IniSettingsStoreTest, FileHoldsUtf8SectionsAndSurvivesReopening) {
    Open()->WriteString("Providers list info", "Filter", "\xC9pices \x80");
    Open()->WriteInt("Mainframe\\Tab cols", "Col0", 120);
    EXPECT_EQ(ReadFile(Path()), "[Providers list info]\nFilter=\xC3\x89pices \xE2\x82\xAC\n\n"
                                "[Mainframe\\Tab cols]\nCol0=120\n");
    auto store = Open();
    EXPECT_EQ(store->GetString("Providers list info", "Filter", ""), "\xC9pices \x80");
    EXPECT_EQ(store->GetInt("Mainframe\\Tab cols", "Col0", 0), 120);
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(IniSettingsStoreTest, AwkwardValuesRoundTrip) {
    const char* values[] = {"",        " lead",  "trail ",     "two\nlines", "\"quoted\"",
                            "a\\b\"c", "x=y;z#", "\t\x01\x7F", "\\n",        "\"\\x41"};
    for (const char* value : values) {
        ASSERT_TRUE(Open()->WriteString("Config", "Value", value));
        EXPECT_EQ(Open()->GetString("Config", "Value", "dflt"), value) << '"' << value << '"';
    }
    EXPECT_EQ(ReadFile(Path()).find("two\nlines"), std::string::npos);
}

TEST_F(IniSettingsStoreTest, WriteKeepsEverythingElse) {
    const std::string before = "; kept comment\n"
                               "[Config]\n"
                               "Test Database=1\n"
                               "  Quoted = \"  spaced  \"  \n"
                               "\n"
                               "[Mainframe\\Tab cols]\r\n"
                               "Col0=80\n";
    WriteFile(Path(), before);
    auto store = Open();
    EXPECT_EQ(store->GetString("Config", "Quoted", ""), "  spaced  ");
    ASSERT_TRUE(store->WriteInt("Config", "Conditions Accepted", 1));
    ASSERT_TRUE(store->WriteInt("Mainframe\\Tab cols", "Col0", 90));
    EXPECT_EQ(ReadFile(Path()), "; kept comment\n"
                                "[Config]\n"
                                "Test Database=1\n"
                                "  Quoted = \"  spaced  \"  \n"
                                "Conditions Accepted=1\n"
                                "\n"
                                "[Mainframe\\Tab cols]\n"
                                "Col0=90\n");
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_dir.Path()), {}), 1);
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(IniSettingsStoreTest, EmptyFileAndByteOrderMarkAreFine) {
    WriteFile(Path(), "");
    EXPECT_EQ(Open()->GetInt("Config", "Test Database", 4), 4);
    WriteFile(Path(), "\xEF\xBB\xBF[Config]\nTest Database=2\n");
    EXPECT_EQ(Open()->GetInt("Config", "Test Database", 4), 2);
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(IniSettingsStoreTest, BadFileGivesDefaultsAMessageAndIsNeverOverwritten) {
    const struct {
        const char* name;
        const char* content;
    } cases[] = {
        {"stray line", "[Config]\nTest Database=2\nthis is not a setting\n"},
        {"value before any section", "Test Database=2\n[Config]\n"},
        {"unclosed section", "[Config\nTest Database=2\n"},
        {"empty section name", "[]\nTest Database=2\n"},
        {"empty value name", "[Config]\n=2\n"},
    };
    for (const auto& c : cases) {
        WriteFile(Path(), c.content);
        m_messages.clear();
        auto store = Open();
        EXPECT_EQ(store->GetInt("Config", "Test Database", 9), 9) << c.name;
        ASSERT_EQ(m_messages.size(), 1u) << c.name;
        EXPECT_NE(m_messages[0].find("malformed"), std::string::npos) << c.name;
        EXPECT_FALSE(store->WriteInt("Config", "Conditions Accepted", 1)) << c.name;
        EXPECT_FALSE(store->WriteInt("Config", "Other", 1)) << c.name;
        EXPECT_EQ(m_messages.size(), 2u) << c.name; // the refusal, once
        EXPECT_EQ(ReadFile(Path()), c.content) << c.name;
    }
}

TEST_F(IniSettingsStoreTest, UnreadableFileGivesDefaultsAndAMessage) {
    std::filesystem::create_directory(Path()); // a folder where the file should be
    auto store = Open();
    EXPECT_EQ(store->GetString("Config", "Name", "dflt"), "dflt");
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_NE(m_messages[0].find("cannot be read"), std::string::npos);
    EXPECT_FALSE(store->WriteInt("Config", "Name", 1));
    EXPECT_TRUE(std::filesystem::is_directory(Path()));
}

TEST_F(IniSettingsStoreTest, WriteMakesMissingFolders) {
    const auto path = m_dir / "a" / "b" / "ovlnutriimport.ini";
    ASSERT_TRUE(IniSettingsStore(path).WriteInt("Config", "Test Database", 1));
    EXPECT_EQ(IniSettingsStore(path).GetInt("Config", "Test Database", 0), 1);
}

TEST_F(IniSettingsStoreTest, FailedWriteReportsAndKeepsTheOldValue) {
    WriteFile(m_dir / "blocker", "a file, not a folder");
    const auto path = m_dir / "blocker" / "ovlnutriimport.ini";
    IniSettingsStore store(path, [this](const std::string& m) { m_messages.push_back(m); });
    EXPECT_FALSE(store.WriteInt("Config", "Test Database", 1));
    EXPECT_EQ(store.GetInt("Config", "Test Database", 0), 0);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_NE(m_messages[0].find("cannot be written"), std::string::npos);
}

TEST(IniSettingsStoreDefaultPath, FollowsXdgConfigHome) {
    const char* savedConfig = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = savedConfig ? savedConfig : "";
    const std::filesystem::path tail =
        std::filesystem::path("Brodaine") / "Ovl VNS database Importer" / "ovlnutriimport.ini";
    setenv("XDG_CONFIG_HOME", "/xdg/conf", 1);
    EXPECT_EQ(IniSettingsStore::DefaultPath(), "/xdg/conf" / tail);
    setenv("XDG_CONFIG_HOME", "", 1);
    const char* home = std::getenv("HOME");
    if (home && *home) {
        EXPECT_EQ(IniSettingsStore::DefaultPath(), std::filesystem::path(home) / ".config" / tail);
    }
    if (savedConfig)
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

} // namespace
} // namespace ovl
