#pragma once

#include <initializer_list>
#include <string>

namespace ovl {

// A catalogue text with its "%s", "%d" and "%G" filled in order by texts already formatted,
// and "%%" as a percent sign. Data never acts as a format.
std::string FillCatalogueText(const std::string& pattern, std::initializer_list<std::string> args);

} // namespace ovl
