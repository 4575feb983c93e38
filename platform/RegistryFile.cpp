#include "platform/RegistryFile.h"
#include "platform/UserFolders.h"

#include "platform/TextConvert.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <unistd.h>

namespace ovl {
namespace {

constexpr RegistryRoot kIgnoredRoot = static_cast<RegistryRoot>(-1);

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// Upper case, without empty parts: "Software\\Varnel\\" and "SOFTWARE\\VARNEL" are one key.
std::string NormalizedPath(std::string_view path) {
    std::string out;
    while (!path.empty()) {
        const std::size_t end = path.find('\\');
        const std::string_view part = path.substr(0, end);
        path.remove_prefix(end == std::string_view::npos ? path.size() : end + 1);
        if (part.empty())
            continue;
        if (!out.empty())
            out += '\\';
        out += part;
    }
    return ovl::text::UpperCp1252(out);
}

// The root named by a key line's first part; kIgnoredRoot for the hives this program never
// reads; nothing for an unknown name.
std::optional<RegistryRoot> RootNamed(const std::string& name) {
    const std::string upper = ovl::text::UpperCp1252(name);
    if (upper == "HKEY_LOCAL_MACHINE")
        return RegistryRoot::LocalMachine;
    if (upper == "HKEY_CURRENT_USER")
        return RegistryRoot::CurrentUser;
    if (upper == "HKEY_CLASSES_ROOT" || upper == "HKEY_USERS" || upper == "HKEY_CURRENT_CONFIG")
        return kIgnoredRoot;
    return std::nullopt;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Reads a quoted text with \" and \\ escapes at the start of text; advances past it.
bool ReadQuoted(std::string_view& text, std::string& out) {
    if (text.empty() || text.front() != '"')
        return false;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] == '"') {
            text.remove_prefix(i + 1);
            return true;
        }
        if (text[i] == '\\') {
            if (i + 1 == text.size() || (text[i + 1] != '"' && text[i + 1] != '\\'))
                return false;
            ++i;
        }
        out += text[i];
    }
    return false;
}

bool ReadDword(std::string_view text, std::string& bytes) {
    text = Trim(text);
    if (text.empty() || text.size() > 8)
        return false;
    std::uint32_t number = 0;
    for (const char c : text) {
        if (HexDigit(c) < 0)
            return false;
        number = number << 4 | static_cast<std::uint32_t>(HexDigit(c));
    }
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>(number >> (8 * i) & 0xFF);
    return true;
}

// "00,1f,ab": bytes of one or two hex digits separated by commas; may be empty.
bool ReadHexBytes(std::string_view text, std::string& bytes) {
    text = Trim(text);
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view part = Trim(text.substr(0, comma));
        if (part.empty() || part.size() > 2 || HexDigit(part[0]) < 0 ||
            (part.size() == 2 && HexDigit(part[1]) < 0))
            return false;
        int byte = 0;
        for (const char c : part)
            byte = byte * 16 + HexDigit(c);
        bytes += static_cast<char>(byte);
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
        if (Trim(text).empty())
            return false;
    }
    return true;
}

// The data after "name=": "text", dword:, hex: or hex(n):.
bool ReadData(std::string_view text, RegistryValue& value) {
    text = Trim(text);
    if (!text.empty() && text.front() == '"') {
        value.type = RegistryValueType::String;
        return ReadQuoted(text, value.data) && Trim(text).empty();
    }
    if (text.starts_with("dword:")) {
        value.type = RegistryValueType::Dword;
        return ReadDword(text.substr(6), value.data);
    }
    if (text.starts_with("hex:")) {
        value.type = RegistryValueType::Binary;
        return ReadHexBytes(text.substr(4), value.data);
    }
    const std::size_t close = text.find("):");
    if (!text.starts_with("hex(") || close == std::string_view::npos || close == 4)
        return false;
    int type = 0;
    for (const char c : text.substr(4, close - 4)) {
        if (HexDigit(c) < 0 || type > 0xFFFFFF)
            return false;
        type = type * 16 + HexDigit(c);
    }
    value.type = type == 4   ? RegistryValueType::Dword
                 : type == 3 ? RegistryValueType::Binary
                             : RegistryValueType::Other;
    return ReadHexBytes(text.substr(close + 2), value.data);
}

// Takes the next logical line off rest, trimmed and in code page 1252; a line ending in a
// backslash goes on in the next one (long hex data). Advances the line counter.
std::string TakeLine(std::string_view& rest, std::size_t& lineNumber) {
    std::string line;
    for (;;) {
        const std::size_t end = rest.find('\n');
        std::string_view part = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        ++lineNumber;
        if (part.ends_with('\r'))
            part.remove_suffix(1);
        line += Trim(part);
        if (line.empty() || line.back() != '\\' || rest.empty())
            break;
        line.pop_back();
    }
    return ovl::text::Utf8ToCp1252(line);
}

} // namespace

RegistryFile::RegistryFile(std::filesystem::path path) : m_path(std::move(path)) {
    Load();
}

std::filesystem::path RegistryFile::DefaultPath() {
    return UserConfigFolder() / "Varnel" / "Ovalane" / "registry.reg";
}

RegistryStatus RegistryFile::OpenKey(RegistryRoot root, const std::string& path,
                                     KeyHandle& handle) const {
    handle = kNoKey;
    if (m_bUnreadable)
        return RegistryStatus::OpenFailed;
    const auto found = m_handles.find({root, NormalizedPath(path)});
    if (found == m_handles.end())
        return RegistryStatus::KeyMissing;
    handle = found->second;
    return RegistryStatus::Ok;
}

RegistryStatus RegistryFile::QueryValue(KeyHandle handle, const std::string& name,
                                        RegistryValue& value) const {
    if (handle >= m_keys.size() || m_keys[handle].broken)
        return RegistryStatus::ReadFailed;
    const auto& values = m_keys[handle].values;
    const auto found = values.find(ovl::text::UpperCp1252(name));
    if (found == values.end())
        return RegistryStatus::ValueMissing;
    if (found->second.broken)
        return RegistryStatus::ReadFailed;
    value = found->second.value;
    return RegistryStatus::Ok;
}

RegistryStatus RegistryFile::CloseKey(KeyHandle handle) const {
    return handle < m_keys.size() ? RegistryStatus::Ok : RegistryStatus::ReadFailed;
}

void RegistryFile::Load() {
    std::error_code error;
    if (!std::filesystem::exists(m_path, error) && !error)
        return;
    std::ifstream file(m_path, std::ios::binary);
    std::ostringstream content;
    if (file)
        content << file.rdbuf();
    if (error || !file || std::filesystem::is_directory(m_path, error)) {
        NoteProblem(0, "cannot be read");
        m_bUnreadable = true;
        return;
    }
    if (!Parse(content.str())) {
        m_bUnreadable = true;
        m_keys.clear();
        m_handles.clear();
    }
}

bool RegistryFile::Parse(const std::string& content) {
    std::string_view rest = content;
    if (rest.starts_with("\xEF\xBB\xBF"))
        rest.remove_prefix(3);
    AddKey(RegistryRoot::LocalMachine, "");
    AddKey(RegistryRoot::CurrentUser, "");
    KeyHandle current = kNoKey;
    bool inIgnoredKey = false;
    std::size_t next = 1;
    while (!rest.empty() || next == 1) {
        const std::size_t number = next;
        const std::string line = TakeLine(rest, next);
        if (number == 1) {
            if (line != "REGEDIT4" && line != "Windows Registry Editor Version 5.00") {
                NoteProblem(number, "does not begin with REGEDIT4");
                return false;
            }
        } else if (line.empty() || line.front() == ';') {
            continue;
        } else if (line.front() == '[') {
            if (!ParseKeyLine(line, current)) {
                NoteProblem(number, "holds a malformed key");
                return false;
            }
            inIgnoredKey = current == kNoKey;
        } else if (current != kNoKey) {
            if (!ParseValueLine(line, m_keys[current]))
                NoteProblem(number, "holds a malformed value");
        } else if (!inIgnoredKey) {
            NoteProblem(number, "holds a value outside any key");
            return false;
        }
    }
    return true;
}

bool RegistryFile::ParseKeyLine(const std::string& line, KeyHandle& current) {
    if (line.size() < 3 || line.back() != ']')
        return false;
    const std::string_view inside = std::string_view(line).substr(1, line.size() - 2);
    const std::size_t slash = inside.find('\\');
    const auto root = RootNamed(std::string(inside.substr(0, slash)));
    if (!root)
        return false;
    current = *root == kIgnoredRoot ? kNoKey
                                    : AddKey(*root, slash == std::string_view::npos
                                                        ? std::string()
                                                        : std::string(inside.substr(slash + 1)));
    return true;
}

bool RegistryFile::ParseValueLine(const std::string& line, Key& key) {
    std::string_view text = line;
    std::string name;
    if (text.front() == '@')
        text.remove_prefix(1);
    else if (!ReadQuoted(text, name))
        text = {};
    text = Trim(text);
    if (text.empty() || text.front() != '=') {
        // Without a readable name the fault cannot be pinned to one value.
        key.broken = true;
        return false;
    }
    Entry entry;
    entry.broken = !ReadData(text.substr(1), entry.value);
    key.values[ovl::text::UpperCp1252(name)] = entry;
    return !entry.broken;
}

RegistryFile::KeyHandle RegistryFile::AddKey(RegistryRoot root, const std::string& path) {
    const std::string normalized = NormalizedPath(path);
    // A key implies its parents.
    const std::size_t slash = normalized.rfind('\\');
    if (!normalized.empty())
        AddKey(root, slash == std::string::npos ? std::string() : normalized.substr(0, slash));
    const auto [found, added] = m_handles.try_emplace({root, normalized}, m_keys.size());
    if (added)
        m_keys.emplace_back();
    return found->second;
}

void RegistryFile::NoteProblem(std::size_t lineNumber, const std::string& what) {
    if (!m_strProblem.empty())
        return;
    m_strProblem = ovl::text::Utf8ToCp1252(m_path.string()) + " " + what;
    if (lineNumber > 0)
        m_strProblem += " at line " + std::to_string(lineNumber);
}

} // namespace ovl
