#pragma once

#include <wx/string.h>

#include <string>

namespace ovl::gui {

// The program keeps code page 1252 bytes; the toolkit wants Unicode.
wxString ToWx(const std::string& cp1252);
// Text the code page cannot hold becomes "?".
std::string FromWx(const wxString& text);

} // namespace ovl::gui
