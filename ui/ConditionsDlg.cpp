#include "ui/ConditionsDlg.h"

#include "app/RtfText.h"
#include "app/TermsDocuments.h"
#include "platform/SettingsStore.h"

#include <cctype>

namespace ovl::ui {

namespace {
constexpr const char* kConfigSection = "Config";
constexpr const char* kAcceptedValue = "Conditions Accepted";
} // namespace

bool CConditionsDlg::IsRichText(const std::string& bytes) {
    static const char kRtf[] = "{\\rtf";
    if (bytes.size() <= 5)
        return false;
    for (std::size_t i = 0; i < 5; ++i)
        if (std::tolower(static_cast<unsigned char>(bytes[i])) != kRtf[i])
            return false;
    return true;
}

std::string CConditionsDlg::ShownText(const std::string& bytes) {
    return IsRichText(bytes) ? RtfToPlainText(bytes) : bytes;
}

std::string CConditionsDlg::DocumentText(int languageIndex) {
    return ShownText(TermsRtf(languageIndex));
}

void CConditionsDlg::OnInitDialog() {
    if (m_bAlreadyAccepted) {
        m_bCommitment = m_bAcceptance = true;
        m_bAcceptEnabled = true;
    }
}

void CConditionsDlg::OnCheckBoxClicked(bool commitmentChecked, bool acceptanceChecked) {
    m_bCommitment = commitmentChecked;
    m_bAcceptance = acceptanceChecked;
    m_bAcceptEnabled = m_bCommitment && m_bAcceptance;
}

void CConditionsDlg::OnAccept() {
    m_settings.WriteInt(kConfigSection, kAcceptedValue, 1);
}

void CConditionsDlg::OnRefuse() {
    m_settings.WriteInt(kConfigSection, kAcceptedValue, 0);
}

AboutLines MakeAboutLines(const std::string& productVersion, const std::string& fileVersion,
                          const std::string& serverName, bool remoteDesktop, int databaseType) {
    AboutLines lines;
    // The space before the version is a no-break space.
    lines.productLine = "OVLNutriImport, version\xA0" + productVersion + " release";
    lines.buildLine = "Build, version " + fileVersion;
    lines.serverLine = "Serveur : " + serverName;
    lines.databaseLine = std::string(remoteDesktop ? "RDS" : "") +
                         (databaseType == 0 ? " on SQL Server" : "");
    return lines;
}

} // namespace ovl::ui
