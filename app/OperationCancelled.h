#pragma once

#include <stdexcept>

namespace ovl {

// Raised by an operation whose progress observer asked it to stop; what it was building is
// dropped.
class OperationCancelled : public std::runtime_error {
public:
    OperationCancelled() : std::runtime_error("the operation was cancelled") {}
};

} // namespace ovl
