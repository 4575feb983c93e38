#pragma once

#include "app/NotFound.h"

#include <stdexcept>
#include <utility>
#include <variant>

namespace ovl {

// What an action gives: its value, or the identifier that named nothing. Read like an
// optional; asking a not-found result for its value, or a value for what was missing, is a
// logic error.
template <class T> class ActionResult {
public:
    ActionResult(T value) : m_result(std::move(value)) {}
    ActionResult(NotFound missing) : m_result(missing) {}

    bool has_value() const { return std::holds_alternative<T>(m_result); }
    explicit operator bool() const { return has_value(); }

    T& value() {
        CheckFound();
        return std::get<T>(m_result);
    }
    const T& value() const {
        CheckFound();
        return std::get<T>(m_result);
    }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const NotFound& Missing() const {
        if (has_value())
            throw std::logic_error("a found result has nothing missing");
        return std::get<NotFound>(m_result);
    }

private:
    void CheckFound() const {
        if (!has_value())
            throw std::logic_error("value of a not-found result: " + Missing().Text());
    }

    std::variant<T, NotFound> m_result;
};

} // namespace ovl
