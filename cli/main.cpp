#include "cli/Main.h"
#include "gui/WindowApp.h"

#include <string>
#include <vector>

int main(int argc, char** argv) {
    // No command: the window, when there is a display to show it on.
    if (ovl::gui::WantsWindow(std::vector<std::string>(argv + 1, argv + argc)) &&
        ovl::gui::HasDisplay())
        return ovl::gui::RunWindow(argc, argv);
    return ovl::cli::Main(argc, argv);
}
