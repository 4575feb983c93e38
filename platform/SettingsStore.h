#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ovl {

// The program's own per-user settings: integers and texts grouped in named sections
// ("Config", "Mainframe\Tab cols"). Section and value names match without regard to letter
// case. Every text is code page 1252.
class SettingsStore {
public:
    virtual ~SettingsStore();

    // The stored value, or defaultValue when it is missing or is not a whole number.
    virtual int GetInt(const std::string& section, const std::string& name,
                       int defaultValue) const = 0;
    // The stored value, or defaultValue when it is missing.
    virtual std::string GetString(const std::string& section, const std::string& name,
                                  const std::string& defaultValue) const = 0;
    // Each write answers whether the value was stored.
    virtual bool WriteInt(const std::string& section, const std::string& name, int value) = 0;
    virtual bool WriteString(const std::string& section, const std::string& name,
                             const std::string& value) = 0;

protected:
    // A stored text read as a decimal 32-bit integer; nothing when it is not one.
    static std::optional<int> ParseInt(std::string_view text);
    // Whether two section or value names are the same name.
    static bool SameName(std::string_view a, std::string_view b);
    // Whether a text can serve as a section or value name: not empty, no line break, and for
    // a value name no '='.
    static bool IsValidSection(std::string_view section);
    static bool IsValidName(std::string_view name);
};

} // namespace ovl
