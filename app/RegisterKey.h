#pragma once

#include "app/MessageSink.h"
#include "platform/RegistryFile.h"

#include <cstdint>
#include <string>

namespace ovl {

// Read access to one registry key of the Ovalane installation. A failure other than a missing
// key or value shows message m_nErrorId (1000 for the local-machine hive, 1001 otherwise);
// every read of a key that did not open gives its default.
class CRegisterKey {
public:
    static constexpr int kErrorLocalMachine = 1000;
    static constexpr int kErrorCurrentUser = 1001;

    // Opens the key for reading.
    CRegisterKey(const RegistryFile& registry, MessageSink& messages, RegistryRoot root,
                 std::string path);
    virtual ~CRegisterKey();
    CRegisterKey(const CRegisterKey&) = delete;
    CRegisterKey& operator=(const CRegisterKey&) = delete;

    // Reads a text value: 0 when read, otherwise 1 with text empty.
    int GetString(const std::string& valueName, std::string& text) const;
    // Reads a 32-bit number stored in exactly 4 bytes; otherwise answers defaultValue.
    std::int32_t GetDword(const std::string& valueName, std::int32_t defaultValue) const;

    bool IsOpen() const { return m_bOpen; }
    int ErrorId() const { return m_nErrorId; }

    // The fixed French text of message 1000 or 1001, code page 1252.
    static std::string ErrorText(int errorId);

private:
    // Reads a value; shows the error message when the read fails for another reason than a
    // missing value.
    bool ReadValue(const std::string& valueName, RegistryValue& value) const;
    void ShowError() const;

    int m_nErrorId;
    bool m_bOpen = false;
    std::string m_strPath;
    RegistryFile::KeyHandle m_hKey = RegistryFile::kNoKey;
    const RegistryFile& m_registry;
    MessageSink& m_messages;
};

} // namespace ovl
