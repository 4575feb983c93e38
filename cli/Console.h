#pragma once

#include "app/MessageSink.h"

#include <iosfwd>
#include <string>

namespace ovl::cli {

// The terminal edge: code page 1252 text in, UTF-8 with LF line ends out.
class Console {
public:
    // `terminal`: stderr is a terminal, where progress is drawn as a bar.
    Console(std::ostream& out, std::ostream& err, bool terminal = false)
        : m_out(out), m_err(err), m_bTerminal(terminal) {}

    // Writes a text and a line feed on stdout. CR LF pairs become LF.
    void PrintLine(const std::string& cp1252Text);
    // Writes a text and a line feed on stderr.
    void ErrorLine(const std::string& cp1252Text);

    std::ostream& Out() { return m_out; }
    std::ostream& Err() { return m_err; }
    bool IsTerminal() const { return m_bTerminal; }

private:
    std::ostream& m_out;
    std::ostream& m_err;
    bool m_bTerminal;
};

// Text of the terminal as UTF-8 with LF line ends.
std::string ToTerminal(const std::string& cp1252Text);

// Messages that the window would show in a box go to stderr; questions are answered by a
// fixed answer given on the command line.
class ConsoleMessageSink : public MessageSink {
public:
    explicit ConsoleMessageSink(Console& console, bool answerYes = false)
        : m_console(console), m_bAnswerYes(answerYes) {}
    void ShowMessage(const std::string& text, MessageIcon icon) override;
    bool AskYesNo(const std::string& text) override;

private:
    Console& m_console;
    bool m_bAnswerYes;
};

} // namespace ovl::cli
