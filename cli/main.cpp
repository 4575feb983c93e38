#include "cli/CommandLine.h"

#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    ovl::cli::Console console(std::cout, std::cerr);
    ovl::cli::CommandLine commandLine;
    const int code = commandLine.Run(console, args);
    std::cout.flush();
    return code;
}
