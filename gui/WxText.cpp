#include "gui/WxText.h"

#include "platform/TextConvert.h"

namespace ovl::gui {

wxString ToWx(const std::string& cp1252) {
    return wxString::FromUTF8(text::Cp1252ToUtf8(cp1252));
}

std::string FromWx(const wxString& text) {
    const wxScopedCharBuffer utf8 = text.utf8_str();
    return text::Utf8ToCp1252(std::string_view(utf8.data(), utf8.length()));
}

} // namespace ovl::gui
