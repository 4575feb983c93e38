#pragma once

#include "app/MessageSink.h"

#include <ostream>
#include <string>
#include <vector>

namespace ovl::test {

struct RecordedMessage {
    std::string text;
    MessageIcon icon = MessageIcon::Information;

    bool operator==(const RecordedMessage&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const RecordedMessage& message) {
    static constexpr const char* kIcons[] = {"exclamation", "error", "information", "question"};
    return out << '[' << kIcons[static_cast<int>(message.icon)] << "] " << message.text;
}

// A message sink that keeps every message and question instead of showing them; questions
// get the answer set in m_bAnswer.
class RecordingMessageSink : public MessageSink {
public:
    void ShowMessage(const std::string& text, MessageIcon icon) override {
        m_messages.push_back({text, icon});
    }
    bool AskYesNo(const std::string& text) override {
        m_messages.push_back({text, MessageIcon::Question});
        return m_bAnswer;
    }

    std::vector<RecordedMessage> m_messages;
    bool m_bAnswer = true;
};

} // namespace ovl::test
