#pragma once

#include "platform/SettingsStore.h"

#include <string>
#include <vector>

namespace ovl {

// Settings held in memory only, for tests and for runs that must leave no trace.
class MemorySettingsStore : public SettingsStore {
public:
    int GetInt(const std::string& section, const std::string& name,
               int defaultValue) const override;
    std::string GetString(const std::string& section, const std::string& name,
                          const std::string& defaultValue) const override;
    bool WriteInt(const std::string& section, const std::string& name, int value) override;
    bool WriteString(const std::string& section, const std::string& name,
                     const std::string& value) override;

private:
    struct Entry {
        std::string section;
        std::string name;
        std::string value;
    };

    const Entry* Find(const std::string& section, const std::string& name) const;

    std::vector<Entry> m_entries;
};

} // namespace ovl
