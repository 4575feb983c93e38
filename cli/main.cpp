#include "cli/Main.h"

int main(int argc, char** argv) {
    return ovl::cli::Main(argc, argv);
}
