#pragma once

#include <string>

namespace ovl {

// The icon a message box would show; the command line prints it as a prefix.
enum class MessageIcon { Exclamation, Error, Information, Question };

// Where the system's messages go. The window shows a modal box; the command line writes the
// text to stderr. Texts are code page 1252.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void ShowMessage(const std::string& text, MessageIcon icon) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
};

} // namespace ovl
