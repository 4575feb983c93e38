#pragma once

#include <string>

namespace ovl {

// The terms-of-use document (RTF bytes) of a language index 0..4: French, English, German,
// Spanish, Italian. Any other index gives the French document.
std::string TermsRtf(int languageIndex);

} // namespace ovl
