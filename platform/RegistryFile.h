#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace ovl {

enum class RegistryRoot { LocalMachine, CurrentUser };

// The types a registry value can have here: "..." text, dword:, hex: and hex(4): (a 32-bit
// number of any length), any other hex(n):.
enum class RegistryValueType { String, Dword, Binary, Other };

// What opening a key or reading a value answers, as the registry calls would.
enum class RegistryStatus {
    Ok,
    KeyMissing,   // the key does not exist
    OpenFailed,   // the key cannot be opened for another reason
    ValueMissing, // the value does not exist
    ReadFailed,   // the value cannot be read for another reason
};

struct RegistryValue {
    RegistryValueType type = RegistryValueType::Other;
    std::string data; // text in code page 1252, or the bytes, least significant first
};

// A read-only registry held in a REGEDIT4 text file (UTF-8):
//   REGEDIT4
//   [HKEY_LOCAL_MACHINE\SOFTWARE\Varnel\Ovalane\ovl\Config]
//   "Database Type"=dword:00000000
//   "Srv DB subname"="Site2"
// Key paths and value names match without regard to letter case; a key implies its parents.
// A missing file holds no key. A file that cannot be read, or whose first line or a key line
// is malformed, makes every key fail to open. A malformed value line makes that value (or,
// when its name cannot be read, every value of its key) fail to read.
class RegistryFile {
public:
    using KeyHandle = std::size_t;
    static constexpr KeyHandle kNoKey = static_cast<KeyHandle>(-1);

    explicit RegistryFile(std::filesystem::path path = DefaultPath());

    // $XDG_CONFIG_HOME (or ~/.config)/Varnel/Ovalane/registry.reg
    static std::filesystem::path DefaultPath();

    // Opens a key (path in code page 1252, parts separated by backslashes); on success sets
    // handle, otherwise sets it to kNoKey.
    RegistryStatus OpenKey(RegistryRoot root, const std::string& path, KeyHandle& handle) const;
    RegistryStatus QueryValue(KeyHandle handle, const std::string& name,
                              RegistryValue& value) const;
    RegistryStatus CloseKey(KeyHandle handle) const;

    // The first fault found in the file, for diagnostics; empty when there is none.
    const std::string& Problem() const { return m_strProblem; }

private:
    struct Entry {
        RegistryValue value;
        bool broken = false;
    };
    struct Key {
        std::map<std::string, Entry> values; // by upper-case name
        bool broken = false;
    };
    using KeyId = std::pair<RegistryRoot, std::string>; // root and upper-case path

    void Load();
    bool Parse(const std::string& content);
    bool ParseKeyLine(const std::string& line, KeyHandle& current);
    bool ParseValueLine(const std::string& line, Key& key);
    KeyHandle AddKey(RegistryRoot root, const std::string& path);
    void NoteProblem(std::size_t lineNumber, const std::string& what);

    std::filesystem::path m_path;
    std::vector<Key> m_keys; // indexed by handle
    std::map<KeyId, KeyHandle> m_handles;
    bool m_bUnreadable = false;
    std::string m_strProblem;
};

} // namespace ovl
