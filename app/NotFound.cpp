#include "app/NotFound.h"

namespace ovl {

std::string NotFound::Text() const {
    return std::string(kind == Kind::Product ? "no reference product" : "no ingredient") +
           " has the identifier " + std::to_string(id);
}

} // namespace ovl
