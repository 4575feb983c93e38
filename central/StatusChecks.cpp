#include "central/StatusChecks.h"

#include "app/Language.h"
#include "central/OvlStatusSet.h"
#include "platform/Statement.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <limits>

namespace ovl {

namespace {

constexpr int kAccessFlag0 = 0;
constexpr int kAccessFlag1 = 1;
constexpr int kAccessFlag4 = 4;
constexpr int kSchemaVersionId = 5;
constexpr int kDataVersionId = 6;
constexpr int kServerNameId = 13;
constexpr int kDataReleaseId = 15;
constexpr int kAccessOpen = 2;

constexpr const char* kSchemaVersion = "1.0.0.0";
constexpr const char* kDataVersion11 = "1.1.0.0";
constexpr const char* kDataVersion12 = "1.2.0.0";
constexpr const char* kMinimumLocalVersion = "2.6.0.571";
constexpr int kLocalVersionItemId = 263;

constexpr int kLocalReleaseOlderText = 2057;
constexpr int kCentralReleasedAnewText = 2058;
constexpr int kCentralLockedText = 2048;

// Fixed French texts, code page 1252.
constexpr const char* kCentralVersionMessage = "Version de la base de donn\xE9"
                                               "es centrale incompatible !";
constexpr const char* kCentralLockedMessage = "Acc\xE8s \xE0 la base de donn\xE9"
                                              "es centrale v\xE9rouill\xE9 !";
constexpr const char* kLocalVersionMessage =
    "La version de votre base de donn\xE9"
    "es Ovalane n'est pas compatible avec cette application !";

using Version = std::array<int, 4>;

// Reads one "%d" at `pos`: blanks, an optional sign, digits. A number too large for an int
// is refused rather than wrapped.
bool ReadNumber(const std::string& text, size_t& pos, int& value) {
    while (pos < text.size() && std::isspace(static_cast<unsigned char>(text[pos])))
        ++pos;
    // from_chars takes a minus sign but not a plus sign.
    if (pos + 1 < text.size() && text[pos] == '+' &&
        std::isdigit(static_cast<unsigned char>(text[pos + 1])))
        ++pos;
    const char* first = text.data() + pos;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end == first)
        return false;
    pos = static_cast<size_t>(end - text.data());
    return true;
}

// Four numbers separated by points ("%d.%d.%d.%d"); anything after the fourth is ignored.
bool ParseVersion(const std::string& text, Version& version) {
    size_t pos = 0;
    for (size_t i = 0; i < version.size(); ++i) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != '.')
                return false;
            ++pos;
        }
        if (!ReadNumber(text, pos, version[i]))
            return false;
    }
    return true;
}

// Sets the filter and reads again: the first call opens the set, later calls re-query it.
void SelectEntries(COvlStatusSet& status, const std::string& filter) {
    status.m_strFilter = filter;
    if (status.IsOpen())
        status.Requery();
    else
        status.Open();
}

std::string EntryFilter(int id) {
    return "[VARID]=" + std::to_string(id);
}

bool CheckCentralVersions(COvlStatusSet& status, CentralStatus& values, MessageSink& sink) {
    SelectEntries(status, EntryFilter(kSchemaVersionId));
    if (status.IsEOF() || status.m_VARSTRVALUE.Value() != kSchemaVersion) {
        sink.ShowMessage(kCentralVersionMessage, MessageIcon::Exclamation);
        return false;
    }
    SelectEntries(status, EntryFilter(kDataVersionId));
    const bool v12 = !status.IsEOF() && status.m_VARSTRVALUE.Value() == kDataVersion12;
    const bool v11 = !status.IsEOF() && status.m_VARSTRVALUE.Value() == kDataVersion11;
    if (!v12 && !v11) {
        sink.ShowMessage(kCentralVersionMessage, MessageIcon::Exclamation);
        return false;
    }
    if (v12)
        values.m_bCentralV12 = 1;
    return true;
}

// True when every access flag row read holds "open"; no rows at all count as open.
bool AllFlagsOpen(COvlStatusSet& status) {
    bool open = true;
    for (; !status.IsEOF(); status.MoveNext())
        if (status.m_VARINTVALUE != kAccessOpen) // NULL reads as 0
            open = false;
    return open;
}

bool CheckAccessFlagsAtStart(COvlStatusSet& status, MessageSink& sink) {
    SelectEntries(status, "([VARID] IN(" + std::to_string(kAccessFlag0) + "," +
                              std::to_string(kAccessFlag1) + "," + std::to_string(kAccessFlag4) +
                              "))");
    if (AllFlagsOpen(status))
        return true;
    sink.ShowMessage(kCentralLockedMessage, MessageIcon::Exclamation);
    return false;
}

void ReadServerName(COvlStatusSet& status, CentralStatus& values) {
    SelectEntries(status, EntryFilter(kServerNameId));
    values.m_strServerName = status.IsEOF() ? std::string("Error") : status.m_VARSTRVALUE.Value();
}

void ReadCentralRelease(COvlStatusSet& status, CentralStatus& values) {
    SelectEntries(status, "(" + EntryFilter(kDataReleaseId) + ")");
    if (!status.IsEOF())
        values.m_nCentralRelease = status.m_VARINTVALUE;
}

// The first column of the first row as a signed 32-bit integer; -1 for no row, NULL or a
// value that is not an integer.
int ReadFirstInteger(db::Connection& connection, const std::string& sql, db::CursorType cursor) {
    db::Statement statement(connection);
    statement.SetCursorType(cursor);
    statement.ExecDirect(connection.TranslateBrackets(sql));
    std::string text;
    if (!statement.Fetch() || !statement.GetText(1, text))
        return -1;
    std::int32_t value = 0;
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(text.data(), last, value);
    if (error != std::errc() || end != last || text.empty())
        return -1;
    return value;
}

// The version text of Langue_System; false when there is no row or the column is NULL.
bool ReadLocalVersionRow(db::Connection& local, std::string& text) {
    db::Statement statement(local);
    statement.ExecDirect(local.TranslateBrackets("SELECT [Langue_1] FROM [Langue_System] WHERE "
                                                 "[Item_Id]=" +
                                                 std::to_string(kLocalVersionItemId)));
    return statement.Fetch() && statement.GetText(1, text, 255);
}

bool ReadLocalVersion(db::Connection& local, Version& version) {
    std::string text;
    return ReadLocalVersionRow(local, text) && ParseVersion(text, version);
}

std::string FormatVersion(unsigned major, unsigned minor, unsigned patch, unsigned tweak) {
    return std::to_string(major) + "." + std::to_string(minor) + "." + std::to_string(patch) + "." +
           std::to_string(tweak);
}

} // namespace

bool RunCentralStatusChecks(db::Connection& central, MessageSink& sink, CentralStatus& status) {
    COvlStatusSet set(&central);
    bool passed = CheckCentralVersions(set, status, sink);
    if (passed)
        passed = CheckAccessFlagsAtStart(set, sink);
    ReadServerName(set, status);
    if (status.m_bCentralV12)
        ReadCentralRelease(set, status);
    set.Close();
    return passed;
}

bool CheckLocalVersion(db::Connection& local, const CentralStatus& status, MessageSink& sink) {
    Version minimum{};
    ParseVersion(kMinimumLocalVersion, minimum);
    Version version{};
    if (!ReadLocalVersion(local, version) || version < minimum) {
        sink.ShowMessage(kLocalVersionMessage, MessageIcon::Error);
        return false;
    }
    return CheckLocalDataRelease(local, status, sink);
}

bool CheckLocalDataRelease(db::Connection& local, const CentralStatus& status, MessageSink& sink) {
    if (!status.m_bCentralV12)
        return true;
    const int localRelease = ReadLocalDataRelease(local);
    if (localRelease < status.m_nCentralRelease) {
        sink.ShowMessage(LoadLangString(kLocalReleaseOlderText), MessageIcon::Exclamation);
        return false;
    }
    return true;
}

std::string ReadLocalVersionText(db::Connection& local) {
    std::string text;
    ReadLocalVersionRow(local, text);
    return text;
}

int ReadLocalDataRelease(db::Connection& local) {
    return ReadFirstInteger(local, "SELECT VALNUM FROM Variables WHERE [NAME]='NUTRIDATARELEASE'",
                            db::CursorType::KeysetDriven);
}

bool CheckCentralDataRelease(db::Connection& central, const CentralStatus& status,
                             MessageSink& sink) {
    if (!status.m_bCentralV12)
        return true;
    const int centralRelease = ReadFirstInteger(
        central, "SELECT VARINTVALUE FROM OVLSTATUS WHERE " + EntryFilter(kDataReleaseId),
        db::CursorType::Dynamic);
    if (status.m_nCentralRelease < centralRelease) {
        sink.ShowMessage(LoadLangString(kCentralReleasedAnewText), MessageIcon::Exclamation);
        return false;
    }
    return true;
}

bool CheckAccessFlagsDuringRun(db::Connection& central, MessageSink& sink) {
    COvlStatusSet set(&central);
    set.m_strFilter = "(" + EntryFilter(kAccessFlag0) + ") OR (" + EntryFilter(kAccessFlag1) + ")";
    set.Open();
    const bool open = AllFlagsOpen(set);
    set.Close();
    if (!open)
        sink.ShowMessage(LoadLangString(kCentralLockedText), MessageIcon::Information);
    return open;
}

void GetFileVersions(std::string& product, std::string& file) {
    product =
        FormatVersion(OVL_VERSION_MAJOR, OVL_VERSION_MINOR, OVL_VERSION_PATCH, OVL_VERSION_TWEAK);
    file = product;
}

} // namespace ovl
