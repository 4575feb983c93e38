#include "app/CatalogueText.h"

namespace ovl {

std::string FillCatalogueText(const std::string& pattern, std::initializer_list<std::string> args) {
    std::string out;
    auto arg = args.begin();
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (c != '%' || (next != '%' && next != 's' && next != 'd' && next != 'G')) {
            out += c;
            continue;
        }
        ++i;
        if (next == '%')
            out += '%';
        else if (arg != args.end())
            out += *arg++;
    }
    return out;
}

} // namespace ovl
