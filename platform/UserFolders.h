#pragma once

#include <filesystem>

namespace ovl {

// The user's configuration folder: $XDG_CONFIG_HOME, or ~/.config when it is unset or empty.
std::filesystem::path UserConfigFolder();

} // namespace ovl
