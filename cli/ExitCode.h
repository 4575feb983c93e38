#pragma once

namespace ovl::cli {

// The exit codes of the command-line tool.
enum ExitCode : int {
    kExitDone = 0,
    kExitFailed = 1, // a database error or a refused operation
    kExitUsage = 2,
    kExitStartRefused = 3,   // connections, versions, or terms not accepted
    kExitDuplicateNames = 4, // create: an ingredient of that name exists
    kExitAnotherCopy = 5,    // another copy holds the single-instance lock
};

} // namespace ovl::cli
