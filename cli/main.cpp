#include "cli/CommandLine.h"
#include "gui/WindowApp.h"

#include <iostream>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    // No command: the window, when there is a display to show it on.
    if (ovl::gui::WantsWindow(args) && ovl::gui::HasDisplay())
        return ovl::gui::RunWindow(argc, argv);
    std::ios::sync_with_stdio(false);
    ovl::cli::Console console(std::cout, std::cerr);
    ovl::cli::CommandLine commandLine;
    const int code = commandLine.Run(console, args);
    std::cout.flush();
    return code;
}
