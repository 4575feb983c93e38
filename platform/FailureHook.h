#pragma once

namespace ovl::db {

// Lets a test make the Nth statement executed from now fail with the same exception a driver
// error raises, to prove that no failure leaves half-written data. Off unless armed; unarmed,
// a statement pays one test of a plain flag.
class FailureHook {
public:
    // Arms the hook: statement `n` (1-based, counted from this call) will fail with the
    // SQLSTATE given; 0 only counts.
    static void FailAtStatement(long n, const char* sqlState = "HY000");
    // Stops counting and failing.
    static void Disarm();
    // Statements executed since the hook was last armed.
    static long ExecutedCount();
    // Called by the layer before each statement it executes; throws when armed for this one.
    static void BeforeExecute() {
        if (s_bArmed) [[unlikely]]
            CountStatement();
    }

private:
    static void CountStatement();

    // The program runs its database work on one thread; tests arm the hook on the same one.
    static inline bool s_bArmed = false;
};

} // namespace ovl::db
