#pragma once

#include <cstddef>

namespace ovl {

// Longest texts the local record classes read: names and codes, and ingredient list texts.
constexpr std::size_t kLocalTextLength = 255;
constexpr std::size_t kLocalLongTextLength = 32768;

} // namespace ovl
