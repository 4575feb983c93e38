#pragma once

#include <cstdint>
#include <string>

namespace ovl {

// An identifier that names no row: the answer of an action asked about a product or an
// ingredient that does not exist.
struct NotFound {
    enum class Kind { Product, Ingredient };

    static NotFound Product(std::int32_t id) { return NotFound{Kind::Product, id}; }
    static NotFound Ingredient(std::int32_t id) { return NotFound{Kind::Ingredient, id}; }

    // "no reference product has the identifier 5", "no ingredient has the identifier 5".
    std::string Text() const;

    Kind kind;
    std::int32_t id;
};

} // namespace ovl
