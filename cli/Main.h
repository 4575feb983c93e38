#pragma once

namespace ovl::cli {

// The program: the command line's commands on the process's streams. No exception leaves it.
int Main(int argc, char** argv);

} // namespace ovl::cli
