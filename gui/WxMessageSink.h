#pragma once

#include "app/MessageSink.h"

namespace ovl::gui {

// Messages as modal boxes with their icon; questions with Yes and No.
class WxMessageSink : public MessageSink {
public:
    void ShowMessage(const std::string& text, MessageIcon icon) override;
    bool AskYesNo(const std::string& text) override;
};

} // namespace ovl::gui
