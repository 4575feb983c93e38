#include "platform/IniSettingsStore.h"
#include "platform/UserFolders.h"

#include "platform/TextConvert.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace ovl {
namespace {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool NeedsQuotes(std::string_view value) {
    if (value.empty())
        return false;
    if (value.front() == '"' || Trim(value).size() != value.size())
        return true;
    for (const char c : value) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return true;
    }
    return false;
}

std::string Quote(std::string_view value) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (byte < 0x20 || byte == 0x7F) {
                out += "\\x";
                out += kHex[byte >> 4];
                out += kHex[byte & 0x0F];
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
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

// The inner text of a quoted value with its escapes resolved; an unknown escape is kept as
// written.
std::string Unquote(std::string_view inner) {
    std::string out;
    for (std::size_t i = 0; i < inner.size(); ++i) {
        if (inner[i] != '\\' || i + 1 == inner.size()) {
            out += inner[i];
            continue;
        }
        const char next = inner[++i];
        switch (next) {
        case '\\':
            out += '\\';
            break;
        case '"':
            out += '"';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case 'x':
            if (i + 2 < inner.size() && HexDigit(inner[i + 1]) >= 0 &&
                HexDigit(inner[i + 2]) >= 0) {
                out += static_cast<char>(HexDigit(inner[i + 1]) * 16 + HexDigit(inner[i + 2]));
                i += 2;
                break;
            }
            [[fallthrough]];
        default:
            out += '\\';
            out += next;
        }
    }
    return out;
}

// The value of a "Name=value" line as the program sees it (UTF-8).
std::string ValueOfLine(std::string_view line) {
    const std::string_view raw = Trim(line.substr(line.find('=') + 1));
    if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"')
        return Unquote(raw.substr(1, raw.size() - 2));
    return std::string(raw);
}

std::string ValueLine(const std::string& name, const std::string& value) {
    const std::string utf8 = ovl::text::Cp1252ToUtf8(value);
    return ovl::text::Cp1252ToUtf8(name) + "=" + (NeedsQuotes(utf8) ? Quote(utf8) : utf8);
}

// Reads a whole file; false with errno set on failure.
bool ReadWholeFile(const std::filesystem::path& path, std::string& content) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    char buffer[8192];
    ssize_t count = 0;
    while ((count = ::read(fd, buffer, sizeof buffer)) > 0)
        content.append(buffer, static_cast<std::size_t>(count));
    const int readError = errno;
    ::close(fd);
    errno = readError;
    return count == 0;
}

bool WriteAll(int fd, const std::string& content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t count = ::write(fd, content.data() + done, content.size() - done);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return false;
        done += static_cast<std::size_t>(count);
    }
    return true;
}

// Writes the content to a temporary file beside the target, then renames it over the target,
// so the target is either the old file or the new one. Answers the reason of a failure, or
// nothing.
std::string ReplaceFile(const std::filesystem::path& path, const std::string& content) {
    std::error_code error;
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path(), error);
    if (error)
        return error.message();
    std::string temporary = path.string() + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0)
        return std::strerror(errno);
    std::string failure;
    if (!WriteAll(fd, content) || ::fsync(fd) != 0)
        failure = std::strerror(errno);
    if (::close(fd) != 0 && failure.empty())
        failure = std::strerror(errno);
    if (failure.empty() && std::rename(temporary.c_str(), path.c_str()) != 0)
        failure = std::strerror(errno);
    if (!failure.empty())
        ::unlink(temporary.c_str());
    return failure;
}

} // namespace

IniSettingsStore::IniSettingsStore(std::filesystem::path path, ErrorCallback onError)
    : m_path(std::move(path)), m_onError(std::move(onError)) {
    Load();
}

std::filesystem::path IniSettingsStore::DefaultPath() {
    return UserConfigFolder() / "Brodaine" / "Ovl VNS database Importer" / "ovlnutriimport.ini";
}

int IniSettingsStore::GetInt(const std::string& section, const std::string& name,
                             int defaultValue) const {
    const Line* line = FindValue(section, name);
    return line ? ParseInt(ValueOfLine(line->text)).value_or(defaultValue) : defaultValue;
}

std::string IniSettingsStore::GetString(const std::string& section, const std::string& name,
                                        const std::string& defaultValue) const {
    const Line* line = FindValue(section, name);
    return line ? ovl::text::Utf8ToCp1252(ValueOfLine(line->text)) : defaultValue;
}

bool IniSettingsStore::WriteInt(const std::string& section, const std::string& name, int value) {
    return WriteString(section, name, std::to_string(value));
}

bool IniSettingsStore::WriteString(const std::string& section, const std::string& name,
                                   const std::string& value) {
    if (!IsValidSection(section) || !IsValidName(name))
        return false;
    if (m_bUnusable) {
        // Writing would replace a file whose other values could not be read.
        if (!m_bRefusalReported)
            Report("The settings file " + PathText() + " was not changed: it could not be read.");
        m_bRefusalReported = true;
        return false;
    }
    Document changed = m_document;
    SetValue(changed, section, name, value);
    if (!Save(changed))
        return false;
    m_document = std::move(changed);
    return true;
}

void IniSettingsStore::Load() {
    std::string content;
    if (!ReadWholeFile(m_path, content)) {
        if (errno == ENOENT || errno == ENOTDIR) // no such file: nothing stored yet
            return;
        m_bUnusable = true;
        Report("The settings file " + PathText() + " cannot be read (" +
               ovl::text::Utf8ToCp1252(std::strerror(errno)) + "); default settings are used.");
        return;
    }
    std::size_t badLine = 0;
    if (!ParseDocument(content, m_document, badLine)) {
        m_document = Document();
        m_bUnusable = true;
        Report("The settings file " + PathText() + " is malformed at line " +
               std::to_string(badLine) + "; default settings are used.");
    }
}

bool IniSettingsStore::ParseDocument(const std::string& content, Document& document,
                                     std::size_t& badLine) {
    std::string_view rest = content;
    if (rest.starts_with("\xEF\xBB\xBF"))
        rest.remove_prefix(3);
    for (std::size_t number = 1; !rest.empty(); ++number) {
        const std::size_t end = rest.find('\n');
        std::string_view text = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (text.ends_with('\r'))
            text.remove_suffix(1);
        const std::string_view trimmed = Trim(text);
        std::vector<Line>& lines =
            document.sections.empty() ? document.preamble : document.sections.back().lines;
        if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#') {
            lines.push_back({std::string(text), {}, false});
        } else if (trimmed.front() == '[' && trimmed.back() == ']' && trimmed.size() > 2) {
            const std::string name =
                ovl::text::Utf8ToCp1252(Trim(trimmed.substr(1, trimmed.size() - 2)));
            document.sections.push_back({name, {{std::string(text), {}, false}}});
        } else if (const std::size_t equals = trimmed.find('=');
                   equals != std::string_view::npos && equals > 0 && !document.sections.empty()) {
            const std::string name = ovl::text::Utf8ToCp1252(Trim(trimmed.substr(0, equals)));
            lines.push_back({std::string(text), name, true});
        } else {
            badLine = number;
            return false;
        }
    }
    return true;
}

const IniSettingsStore::Line* IniSettingsStore::FindValue(const std::string& section,
                                                          const std::string& name) const {
    for (const Section& candidate : m_document.sections) {
        if (!SameName(candidate.name, section))
            continue;
        for (const Line& line : candidate.lines) {
            if (line.isValue && SameName(line.name, name))
                return &line;
        }
    }
    return nullptr;
}

void IniSettingsStore::SetValue(Document& document, const std::string& section,
                                const std::string& name, const std::string& value) const {
    Section* first = nullptr;
    for (Section& candidate : document.sections) {
        if (!SameName(candidate.name, section))
            continue;
        for (Line& line : candidate.lines) {
            if (line.isValue && SameName(line.name, name)) {
                line.text = ValueLine(line.name, value);
                return;
            }
        }
        if (!first)
            first = &candidate;
    }
    if (!first) {
        // A new section goes at the end, after a blank line.
        std::vector<Line>& last =
            document.sections.empty() ? document.preamble : document.sections.back().lines;
        if (!last.empty() && !Trim(last.back().text).empty())
            last.push_back({});
        document.sections.push_back(
            {section, {{"[" + ovl::text::Cp1252ToUtf8(section) + "]", {}, false}}});
        first = &document.sections.back();
    }
    // A new value goes after the section's last non-blank line.
    auto position = first->lines.end();
    while (position != first->lines.begin() && Trim(std::prev(position)->text).empty())
        --position;
    first->lines.insert(position, {ValueLine(name, value), name, true});
}

bool IniSettingsStore::Save(const Document& document) {
    std::string content;
    auto append = [&content](const std::vector<Line>& lines) {
        for (const Line& line : lines)
            content += line.text + "\n";
    };
    append(document.preamble);
    for (const Section& section : document.sections)
        append(section.lines);

    const std::string failure = ReplaceFile(m_path, content);
    if (!failure.empty()) {
        Report("The settings file " + PathText() + " cannot be written (" +
               ovl::text::Utf8ToCp1252(failure) + ").");
        return false;
    }
    return true;
}

void IniSettingsStore::Report(const std::string& message) const {
    if (m_onError)
        m_onError(message);
}

std::string IniSettingsStore::PathText() const {
    return ovl::text::Utf8ToCp1252(m_path.string());
}

} // namespace ovl
