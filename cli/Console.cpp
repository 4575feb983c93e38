#include "cli/Console.h"

#include "platform/TextConvert.h"

#include <ostream>

namespace ovl::cli {

std::string ToTerminal(const std::string& cp1252Text) {
    const std::string utf8 = text::Cp1252ToUtf8(cp1252Text);
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size(); ++i) {
        if (utf8[i] == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n')
            continue;
        out += utf8[i];
    }
    return out;
}

void Console::PrintLine(const std::string& cp1252Text) {
    m_out << ToTerminal(cp1252Text) << '\n';
}

void Console::ErrorLine(const std::string& cp1252Text) {
    m_err << ToTerminal(cp1252Text) << '\n';
    m_err.flush();
}

namespace {

const char* IconPrefix(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Error:
        return "error: ";
    case MessageIcon::Exclamation:
        return "warning: ";
    case MessageIcon::Information:
        return "note: ";
    case MessageIcon::Question:
        return "question: ";
    }
    return "";
}

} // namespace

void ConsoleMessageSink::ShowMessage(const std::string& text, MessageIcon icon) {
    m_console.ErrorLine(IconPrefix(icon) + text);
}

bool ConsoleMessageSink::AskYesNo(const std::string& text) {
    m_console.ErrorLine(IconPrefix(MessageIcon::Question) + text);
    m_console.ErrorLine(m_bAnswerYes ? "-> yes" : "-> no");
    return m_bAnswerYes;
}

} // namespace ovl::cli
