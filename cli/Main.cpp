#include "cli/Main.h"

#include "cli/CommandLine.h"

#include <iostream>
#include <unistd.h>

namespace ovl::cli {

int Main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    Console console(std::cout, std::cerr, isatty(STDERR_FILENO) != 0);
    const int code = CommandLine().Run(console, args);
    std::cout.flush();
    return code;
}

} // namespace ovl::cli
