#include "app/RegisterKey.h"
#include "tests/support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <vector>

namespace ovl {
namespace {

class RecordingSink : public MessageSink {
public:
    void ShowMessage(const std::string& text, MessageIcon icon) override {
        m_shown.push_back(text);
        m_icons.push_back(icon);
    }
    bool AskYesNo(const std::string&) override { return false; }

    std::vector<std::string> m_shown;
    std::vector<MessageIcon> m_icons;
};

const char* const kHklmText = "ERREUR : Acc\xE8s \xE0 la clef HKLM";
const char* const kHkcuText = "ERREUR : Acc\xE8s \xE0 la clef HKCU";

class RegisterKeyTest : public testing::Test {
protected:
    const RegistryFile& Load(const std::string& content) {
        std::ofstream(m_dir / "registry.reg", std::ios::binary) << content;
        m_registry = std::make_unique<RegistryFile>(m_dir / "registry.reg");
        return *m_registry;
    }

    test::TempDir m_dir;
    std::unique_ptr<RegistryFile> m_registry;
    RecordingSink m_sink;
};

TEST_F(RegisterKeyTest, GetDwordNeedsANumberOfExactlyFourBytes) {
    const RegistryFile& registry =
        Load("REGEDIT4\n"
             "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Varnel\\Ovalane\\ovl\\Config]\n"
             "\"Zero\"=dword:00000000\n"
             "\"MinusOne\"=dword:ffffffff\n"
             "\"AsText\"=\"0\"\n"
             "\"FourBytes\"=hex(4):05,00,00,00\n"
             "\"TwoBytes\"=hex(4):05,00\n"
             "\"EightBytes\"=hex(4):05,00,00,00,00,00,00,00\n"
             "\"Binary\"=hex:05,00,00,00\n");
    CRegisterKey key(registry, m_sink, RegistryRoot::LocalMachine,
                     "SOFTWARE\\Varnel\\Ovalane\\ovl\\Config");
    ASSERT_TRUE(key.IsOpen());
    const struct {
        const char* name;
        std::int32_t expected;
    } cases[] = {
        {"Zero", 0},     {"MinusOne", -1},  {"AsText", 1}, {"FourBytes", 5},
        {"TwoBytes", 1}, {"EightBytes", 1}, {"Binary", 1}, {"Missing", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(key.GetDword(c.name, 1), c.expected) << c.name;
    EXPECT_TRUE(m_sink.m_shown.empty());
}

TEST_F(RegisterKeyTest, GetStringReadsOnlyText) {
    const RegistryFile& registry =
        Load("REGEDIT4\n"
             "[HKEY_CURRENT_USER\\Software\\Varnel\\Ovalane\\ovl\\MultiSrv]\n"
             "\"Srv DB subname\"=\"Site2\"\n"
             "\"Number\"=dword:00000002\n");
    CRegisterKey key(registry, m_sink, RegistryRoot::CurrentUser,
                     "Software\\Varnel\\Ovalane\\ovl\\MultiSrv");
    std::string text = "old";
    EXPECT_EQ(key.GetString("Srv DB subname", text), 0);
    EXPECT_EQ(text, "Site2");
    for (const char* name : {"Number", "Missing"}) {
        text = "old";
        EXPECT_EQ(key.GetString(name, text), 1) << name;
        EXPECT_EQ(text, "") << name;
    }
    EXPECT_TRUE(m_sink.m_shown.empty());
}

TEST_F(RegisterKeyTest, MissingKeyOrFileIsSilent) {
    const RegistryFile none(m_dir / "absent.reg");
    const RegistryFile& some = Load("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Other]\n");
    for (const RegistryFile* registry : {&none, &some}) {
        CRegisterKey key(*registry, m_sink, RegistryRoot::LocalMachine,
                         "SOFTWARE\\Varnel\\Ovalane\\ovl\\Config");
        EXPECT_FALSE(key.IsOpen());
        EXPECT_EQ(key.GetDword("Database Type", 1), 1);
        std::string text = "old";
        EXPECT_EQ(key.GetString("Srv DB subname", text), 1);
        EXPECT_EQ(text, "");
    }
    EXPECT_TRUE(m_sink.m_shown.empty());
}

TEST_F(RegisterKeyTest, MalformedFileShowsTheMessageOfTheRootOnOpen) {
    const RegistryFile& registry = Load("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Broken\n");
    const struct {
        RegistryRoot root;
        int errorId;
        const char* text;
    } cases[] = {
        {RegistryRoot::LocalMachine, 1000, kHklmText},
        {RegistryRoot::CurrentUser, 1001, kHkcuText},
    };
    for (const auto& c : cases) {
        m_sink.m_shown.clear();
        m_sink.m_icons.clear();
        CRegisterKey key(registry, m_sink, c.root, "Software\\Varnel");
        EXPECT_EQ(key.ErrorId(), c.errorId);
        EXPECT_FALSE(key.IsOpen());
        EXPECT_EQ(key.GetDword("Type", 0), 0);
        std::string text;
        EXPECT_EQ(key.GetString("Type", text), 1);
        // Only the open failure is shown; the reads of a closed key are silent.
        ASSERT_EQ(m_sink.m_shown.size(), 1u) << c.errorId;
        EXPECT_EQ(m_sink.m_shown[0], c.text);
        EXPECT_EQ(m_sink.m_icons[0], MessageIcon::Exclamation);
    }
}

TEST_F(RegisterKeyTest, MalformedValueShowsTheMessageOnEachRead) {
    const RegistryFile& registry =
        Load("REGEDIT4\n"
             "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Varnel\\Ovalane\\ovl\\Config]\n"
             "\"Database Type\"=dword:0x0\n"
             "\"OvlServeur Service Present\"=dword:00000001\n");
    CRegisterKey key(registry, m_sink, RegistryRoot::LocalMachine,
                     "SOFTWARE\\Varnel\\Ovalane\\ovl\\Config");
    EXPECT_EQ(key.GetDword("Database Type", 1), 1);
    std::string text = "old";
    EXPECT_EQ(key.GetString("Database Type", text), 1);
    EXPECT_EQ(text, "");
    EXPECT_EQ(key.GetDword("OvlServeur Service Present", -1), 1);
    EXPECT_EQ(m_sink.m_shown, std::vector<std::string>(2, kHklmText));
}

} // namespace
} // namespace ovl
