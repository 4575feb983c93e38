#pragma once

#include <string>

namespace ovl {

class SettingsStore;

namespace ui {

// The logic of the terms-of-use dialog: Accept is enabled exactly while both boxes are
// checked; accepting records "Conditions Accepted" = 1, refusing (also in review mode,
// Escape and the close box) records 0.
class CConditionsDlg {
public:
    explicit CConditionsDlg(SettingsStore& settings) : m_settings(settings) {}

    // 0: first use, 1: review of terms accepted before (both boxes come checked).
    bool m_bAlreadyAccepted = false;

    // The terms document of a language, as readable text with its paragraphs.
    static std::string DocumentText(int languageIndex);
    // A buffer is rich text when it holds more than 5 bytes starting with "{\rtf" in any case.
    static bool IsRichText(const std::string& bytes);
    // What a pane shows for a buffer: rich text read to plain text, other bytes as they are.
    static std::string ShownText(const std::string& bytes);

    void OnInitDialog();
    void OnCheckBoxClicked(bool commitmentChecked, bool acceptanceChecked);
    void OnAccept();
    void OnRefuse();

    bool IsCommitmentChecked() const { return m_bCommitment; }
    bool IsAcceptanceChecked() const { return m_bAcceptance; }
    bool IsAcceptEnabled() const { return m_bAcceptEnabled; }

private:
    SettingsStore& m_settings;
    bool m_bCommitment = false;
    bool m_bAcceptance = false;
    bool m_bAcceptEnabled = false;
};

// The four lines of the about box.
struct AboutLines {
    std::string productLine; // 1020
    std::string buildLine;   // 1022
    std::string serverLine;  // 1045
    std::string databaseLine; // 1046
};
AboutLines MakeAboutLines(const std::string& productVersion, const std::string& fileVersion,
                          const std::string& serverName, bool remoteDesktop, int databaseType);

} // namespace ui
} // namespace ovl
