#pragma once

#include <cstddef>
#include <string>

namespace ovl {

// Told how far a long operation has come; the window draws a bar, the command line draws one
// on a terminal. Knows no toolkit: the operation calls it on its own thread, between steps.
class ProgressObserver {
public:
    virtual ~ProgressObserver() = default;
    // `total` is 0 when it is not known yet. `text` says what was just done; it may be empty.
    virtual void Update(std::size_t done, std::size_t total, const std::string& text) = 0;
    // A message about one step, such as why an item failed, shown beside the progress.
    virtual void Report(const std::string& text) { (void)text; }
    // Asked between steps: true stops the operation with OperationCancelled.
    virtual bool IsCancelled() const { return false; }
};

} // namespace ovl
