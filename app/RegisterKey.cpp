#include "app/RegisterKey.h"

#include <cstring>

namespace ovl {

CRegisterKey::CRegisterKey(const RegistryFile& registry, MessageSink& messages, RegistryRoot root,
                           std::string path)
    : m_nErrorId(root == RegistryRoot::LocalMachine ? kErrorLocalMachine : kErrorCurrentUser),
      m_strPath(std::move(path)), m_registry(registry), m_messages(messages) {
    const RegistryStatus status = m_registry.OpenKey(root, m_strPath, m_hKey);
    m_bOpen = status == RegistryStatus::Ok;
    if (status != RegistryStatus::Ok && status != RegistryStatus::KeyMissing)
        ShowError();
}

CRegisterKey::~CRegisterKey() {
    if (m_bOpen && m_registry.CloseKey(m_hKey) != RegistryStatus::Ok)
        ShowError();
}

int CRegisterKey::GetString(const std::string& valueName, std::string& text) const {
    text.clear();
    RegistryValue value;
    if (!ReadValue(valueName, value) || value.type != RegistryValueType::String)
        return 1;
    text = value.data;
    return 0;
}

std::int32_t CRegisterKey::GetDword(const std::string& valueName, std::int32_t defaultValue) const {
    RegistryValue value;
    if (!ReadValue(valueName, value) || value.type != RegistryValueType::Dword ||
        value.data.size() != sizeof(std::uint32_t))
        return defaultValue;
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < 4; ++i)
        number |= static_cast<std::uint32_t>(static_cast<unsigned char>(value.data[i])) << (8 * i);
    return static_cast<std::int32_t>(number);
}

std::string CRegisterKey::ErrorText(int errorId) {
    return errorId == kErrorLocalMachine ? "ERREUR : Acc\xE8s \xE0 la clef HKLM"
                                         : "ERREUR : Acc\xE8s \xE0 la clef HKCU";
}

bool CRegisterKey::ReadValue(const std::string& valueName, RegistryValue& value) const {
    if (!m_bOpen)
        return false;
    const RegistryStatus status = m_registry.QueryValue(m_hKey, valueName, value);
    if (status != RegistryStatus::Ok && status != RegistryStatus::ValueMissing)
        ShowError();
    return status == RegistryStatus::Ok;
}

void CRegisterKey::ShowError() const {
    m_messages.ShowMessage(ErrorText(m_nErrorId), MessageIcon::Exclamation);
}

} // namespace ovl
