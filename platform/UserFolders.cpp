#include "platform/UserFolders.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace ovl {

namespace {

std::filesystem::path HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home && *home)
        return home;
    const passwd* entry = ::getpwuid(::getuid());
    return entry && entry->pw_dir ? entry->pw_dir : ".";
}

} // namespace

std::filesystem::path UserConfigFolder() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    return configHome && *configHome ? std::filesystem::path(configHome) : HomeFolder() / ".config";
}

} // namespace ovl
