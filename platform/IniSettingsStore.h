#pragma once

#include "platform/SettingsStore.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace ovl {

// Settings in a UTF-8 INI file: one "[Section]" line per section, then "Name=value" lines.
// The file is read once, when the store is built; each write rewrites the whole file through
// a temporary file in the same folder, so a failed write leaves the old file whole.
// A value with surrounding blanks, a line break or a leading quote is written in quotes with
// backslash escapes (\\ \" \n \r \t \xHH); reading removes surrounding quotes.
class IniSettingsStore : public SettingsStore {
public:
    // Receives a code page 1252 text when the file cannot be read or written.
    using ErrorCallback = std::function<void(const std::string& message)>;

    explicit IniSettingsStore(std::filesystem::path path = DefaultPath(),
                              ErrorCallback onError = {});

    // $XDG_CONFIG_HOME (or ~/.config)/Brodaine/Ovl VNS database Importer/ovlnutriimport.ini
    static std::filesystem::path DefaultPath();

    const std::filesystem::path& Path() const { return m_path; }

    int GetInt(const std::string& section, const std::string& name,
               int defaultValue) const override;
    std::string GetString(const std::string& section, const std::string& name,
                          const std::string& defaultValue) const override;
    bool WriteInt(const std::string& section, const std::string& name, int value) override;
    bool WriteString(const std::string& section, const std::string& name,
                     const std::string& value) override;

private:
    // One line as read; for a "Name=value" line also its name (code page 1252).
    struct Line {
        std::string text;
        std::string name;
        bool isValue = false;
    };
    struct Section {
        std::string name; // code page 1252
        std::vector<Line> lines;
    };
    struct Document {
        std::vector<Line> preamble; // blank and comment lines before the first section
        std::vector<Section> sections;
    };

    void Load();
    static bool ParseDocument(const std::string& content, Document& document, std::size_t& badLine);
    const Line* FindValue(const std::string& section, const std::string& name) const;
    void SetValue(Document& document, const std::string& section, const std::string& name,
                  const std::string& value) const;
    bool Save(const Document& document);
    void Report(const std::string& message) const;
    std::string PathText() const;

    std::filesystem::path m_path;
    ErrorCallback m_onError;
    Document m_document;
    // Set when the file exists but could not be read or parsed: it is then never overwritten.
    bool m_bUnusable = false;
    bool m_bRefusalReported = false;
};

} // namespace ovl
