#include "platform/RegistryFile.h"
#include "tests/support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

namespace ovl {
namespace {

constexpr RegistryRoot kHklm = RegistryRoot::LocalMachine;
constexpr RegistryRoot kHkcu = RegistryRoot::CurrentUser;

class RegistryFileTest : public testing::Test {
protected:
    RegistryFile Load(const std::string& content) {
        std::ofstream(m_dir / "registry.reg", std::ios::binary) << content;
        return RegistryFile(m_dir / "registry.reg");
    }

    // Opens the key and reads the value in one go.
    static RegistryStatus Query(const RegistryFile& registry, RegistryRoot root,
                                const std::string& path, const std::string& name,
                                RegistryValue& value) {
        RegistryFile::KeyHandle key = RegistryFile::kNoKey;
        const RegistryStatus open = registry.OpenKey(root, path, key);
        return open == RegistryStatus::Ok ? registry.QueryValue(key, name, value) : open;
    }

    test::TempDir m_dir;
};

const char* const kSample = "REGEDIT4\r\n"
                            "\r\n"
                            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Varnel\\Ovalane\\ovl\\Config]\r\n"
                            "\"Database Type\"=dword:00000000\r\n"
                            "\"Big\"=dword:FFFFFFFE\r\n"
                            "\"Short\"=hex(4):01,02\r\n"
                            "\"Blob\"=hex:01,02,\\\r\n"
                            "  03,04\r\n"
                            "@=\"default\"\r\n"
                            "; a comment\r\n"
                            "[HKEY_CURRENT_USER\\Software\\Varnel\\Ovalane\\ovl\\MultiSrv]\r\n"
                            "\"Srv DB subname\"=\"Si\\\"te\\\\2\"\r\n"
                            "[HKEY_CLASSES_ROOT\\.ovl]\r\n"
                            "\"Ignored\"=\"x\"\r\n"
                            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Varnel\\Ovalane\\ovl\\"
                            "Propri\xC3\xA9taire\\R\xC3\xA9seau]\r\n"
                            "\"Type\"=dword:1\r\n";

TEST_F(RegistryFileTest, ReadsEachValueType) {
    const RegistryFile registry = Load(kSample);
    const char* const config = "SOFTWARE\\Varnel\\Ovalane\\ovl\\Config";
    const struct {
        RegistryRoot root;
        const char* path;
        const char* name;
        RegistryValueType type;
        std::string data;
    } cases[] = {
        {kHklm, config, "Database Type", RegistryValueType::Dword, std::string(4, '\0')},
        {kHklm, config, "Big", RegistryValueType::Dword, "\xFE\xFF\xFF\xFF"},
        {kHklm, config, "Short", RegistryValueType::Dword, "\x01\x02"},
        {kHklm, config, "Blob", RegistryValueType::Binary, "\x01\x02\x03\x04"},
        {kHklm, config, "", RegistryValueType::String, "default"},
        {kHkcu, "Software\\Varnel\\Ovalane\\ovl\\MultiSrv", "Srv DB subname",
         RegistryValueType::String, "Si\"te\\2"},
        {kHklm, "SOFTWARE\\Varnel\\Ovalane\\ovl\\Propri\xE9taire\\R\xE9seau", "Type",
         RegistryValueType::Dword, std::string("\x01\0\0\0", 4)},
    };
    for (const auto& c : cases) {
        RegistryValue value;
        ASSERT_EQ(Query(registry, c.root, c.path, c.name, value), RegistryStatus::Ok) << c.name;
        EXPECT_EQ(value.type, c.type) << c.name;
        EXPECT_EQ(value.data, c.data) << c.name;
    }
    EXPECT_TRUE(registry.Problem().empty());
}

TEST_F(RegistryFileTest, KeysAndNamesIgnoreCaseAndKeysImplyTheirParents) {
    const RegistryFile registry = Load(kSample);
    RegistryValue value;
    EXPECT_EQ(
        Query(registry, kHklm, "software\\VARNEL\\ovalane\\OVL\\config\\", "database TYPE", value),
        RegistryStatus::Ok);
    EXPECT_EQ(Query(registry, kHklm, "SOFTWARE\\Varnel\\Ovalane\\ovl\\PROPRI\xC9TAIRE\\r\xE9seau",
                    "type", value),
              RegistryStatus::Ok);
    RegistryFile::KeyHandle key = RegistryFile::kNoKey;
    EXPECT_EQ(registry.OpenKey(kHklm, "SOFTWARE\\Varnel", key), RegistryStatus::Ok);
    EXPECT_EQ(registry.QueryValue(key, "Database Type", value), RegistryStatus::ValueMissing);
}

TEST_F(RegistryFileTest, MissingThingsAreReportedAsMissing) {
    const RegistryFile registry = Load(kSample);
    RegistryValue value;
    // The same path under the other root, an unknown key, an ignored hive, an unknown value.
    EXPECT_EQ(
        Query(registry, kHkcu, "SOFTWARE\\Varnel\\Ovalane\\ovl\\Config", "Database Type", value),
        RegistryStatus::KeyMissing);
    EXPECT_EQ(Query(registry, kHklm, "SOFTWARE\\Nobody", "x", value), RegistryStatus::KeyMissing);
    EXPECT_EQ(Query(registry, kHklm, ".ovl", "Ignored", value), RegistryStatus::KeyMissing);
    EXPECT_EQ(Query(registry, kHkcu, "Software\\Varnel\\Ovalane\\ovl\\MultiSrv", "Srv DB", value),
              RegistryStatus::ValueMissing);

    const RegistryFile none(m_dir / "absent.reg");
    EXPECT_EQ(Query(none, kHklm, "SOFTWARE\\Varnel\\Ovalane\\ovl\\Config", "Database Type", value),
              RegistryStatus::KeyMissing);
    EXPECT_TRUE(none.Problem().empty());
}

TEST_F(RegistryFileTest, MalformedFileOrKeyLineFailsEveryOpen) {
    const struct {
        const char* name;
        const char* content;
    } cases[] = {
        {"empty file", ""},
        {"wrong first line", "REGEDIT3\n[HKEY_LOCAL_MACHINE\\A]\n\"V\"=dword:1\n"},
        {"unclosed key", "REGEDIT4\n[HKEY_LOCAL_MACHINE\\A\n\"V\"=dword:1\n"},
        {"unknown root", "REGEDIT4\n[HKEY_NOWHERE\\A]\n[HKEY_LOCAL_MACHINE\\A]\n\"V\"=dword:1\n"},
        {"deleted key", "REGEDIT4\n[-HKEY_LOCAL_MACHINE\\B]\n[HKEY_LOCAL_MACHINE\\A]\n"},
        {"value outside any key", "REGEDIT4\n\"V\"=dword:1\n[HKEY_LOCAL_MACHINE\\A]\n"},
    };
    for (const auto& c : cases) {
        const RegistryFile registry = Load(c.content);
        RegistryFile::KeyHandle key = 0;
        EXPECT_EQ(registry.OpenKey(kHklm, "A", key), RegistryStatus::OpenFailed) << c.name;
        EXPECT_EQ(key, RegistryFile::kNoKey) << c.name;
        EXPECT_EQ(registry.OpenKey(kHkcu, "Elsewhere", key), RegistryStatus::OpenFailed) << c.name;
        EXPECT_FALSE(registry.Problem().empty()) << c.name;
    }
}

TEST_F(RegistryFileTest, MalformedValueLineFailsItsRead) {
    const struct {
        const char* name;
        const char* line;
        RegistryStatus good; // what reading "Good" in the same key gives
    } cases[] = {
        {"dword too long", "\"V\"=dword:000000001", RegistryStatus::Ok},
        {"dword not hex", "\"V\"=dword:zz", RegistryStatus::Ok},
        {"unclosed string", "\"V\"=\"abc", RegistryStatus::Ok},
        {"text after string", "\"V\"=\"abc\" x", RegistryStatus::Ok},
        {"unknown escape", "\"V\"=\"a\\nb\"", RegistryStatus::Ok},
        {"bad hex byte", "\"V\"=hex:01,2g", RegistryStatus::Ok},
        {"deleted value", "\"V\"=-", RegistryStatus::Ok},
        // Without a readable name the whole key is suspect.
        {"unquoted name", "V=dword:1", RegistryStatus::ReadFailed},
        {"no equals sign", "\"V\" dword:1", RegistryStatus::ReadFailed},
    };
    for (const auto& c : cases) {
        const RegistryFile registry = Load(std::string("REGEDIT4\n[HKEY_CURRENT_USER\\K]\n") +
                                           "\"Good\"=dword:2\n" + c.line + "\n");
        RegistryFile::KeyHandle key = RegistryFile::kNoKey;
        ASSERT_EQ(registry.OpenKey(kHkcu, "K", key), RegistryStatus::Ok) << c.name;
        RegistryValue value;
        EXPECT_EQ(registry.QueryValue(key, "V", value), RegistryStatus::ReadFailed) << c.name;
        EXPECT_EQ(registry.QueryValue(key, "Good", value), c.good) << c.name;
        EXPECT_FALSE(registry.Problem().empty()) << c.name;
    }
}

TEST_F(RegistryFileTest, UnreadableFileFailsEveryOpen) {
    std::filesystem::create_directory(m_dir / "registry.reg");
    const RegistryFile registry(m_dir / "registry.reg");
    RegistryFile::KeyHandle key = RegistryFile::kNoKey;
    EXPECT_EQ(registry.OpenKey(kHklm, "A", key), RegistryStatus::OpenFailed);
}

TEST(RegistryFileDefaultPath, FollowsXdgConfigHome) {
    const char* savedConfig = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = savedConfig ? savedConfig : "";
    setenv("XDG_CONFIG_HOME", "/xdg/conf", 1);
    EXPECT_EQ(RegistryFile::DefaultPath(), "/xdg/conf/Varnel/Ovalane/registry.reg");
    if (savedConfig)
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

} // namespace
} // namespace ovl
