#include "platform/MemorySettingsStore.h"

namespace ovl {

int MemorySettingsStore::GetInt(const std::string& section, const std::string& name,
                                int defaultValue) const {
    const Entry* entry = Find(section, name);
    return entry ? ParseInt(entry->value).value_or(defaultValue) : defaultValue;
}

std::string MemorySettingsStore::GetString(const std::string& section, const std::string& name,
                                           const std::string& defaultValue) const {
    const Entry* entry = Find(section, name);
    return entry ? entry->value : defaultValue;
}

bool MemorySettingsStore::WriteInt(const std::string& section, const std::string& name, int value) {
    return WriteString(section, name, std::to_string(value));
}

bool MemorySettingsStore::WriteString(const std::string& section, const std::string& name,
                                      const std::string& value) {
    if (!IsValidSection(section) || !IsValidName(name))
        return false;
    for (Entry& entry : m_entries) {
        if (SameName(entry.section, section) && SameName(entry.name, name)) {
            entry.value = value;
            return true;
        }
    }
    m_entries.push_back({section, name, value});
    return true;
}

const MemorySettingsStore::Entry* MemorySettingsStore::Find(const std::string& section,
                                                            const std::string& name) const {
    for (const Entry& entry : m_entries) {
        if (SameName(entry.section, section) && SameName(entry.name, name))
            return &entry;
    }
    return nullptr;
}

} // namespace ovl
