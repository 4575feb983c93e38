#include "gui/WxMessageSink.h"

#include "gui/WxText.h"

#include <wx/app.h>
#include <wx/msgdlg.h>

namespace ovl::gui {

namespace {

constexpr const char* kCaption = "ovlnutriimport";

long IconStyle(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Exclamation:
        return wxICON_EXCLAMATION;
    case MessageIcon::Error:
        return wxICON_ERROR;
    case MessageIcon::Question:
        return wxICON_QUESTION;
    case MessageIcon::Information:
        break;
    }
    return wxICON_INFORMATION;
}

wxWindow* Parent() {
    return wxTheApp ? wxTheApp->GetTopWindow() : nullptr;
}

} // namespace

void WxMessageSink::ShowMessage(const std::string& text, MessageIcon icon) {
    wxMessageDialog box(Parent(), ToWx(text), kCaption, wxOK | IconStyle(icon));
    box.ShowModal();
}

bool WxMessageSink::AskYesNo(const std::string& text) {
    wxMessageDialog box(Parent(), ToWx(text), kCaption, wxYES_NO | wxICON_QUESTION);
    return box.ShowModal() == wxID_YES;
}

} // namespace ovl::gui
