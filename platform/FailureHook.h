#pragma once

namespace ovl::db {

// Lets a test make the Nth statement executed from now fail with the same exception a driver
// error raises, to prove that no failure leaves half-written data. Off unless armed.
class FailureHook {
public:
    // Statement `n` (1-based, counted from this call) will fail; 0 only counts.
    static void FailAtStatement(long n);
    static void Disarm();
    // Statements executed since the last FailAtStatement or Disarm.
    static long ExecutedCount();
    // Called by the layer before each statement it executes; throws when armed for this one.
    static void BeforeExecute();
};

} // namespace ovl::db
