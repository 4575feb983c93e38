#include "platform/SingleInstance.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ovl {

SingleInstance::SingleInstance(std::string name, std::filesystem::path folder)
    : m_strName(std::move(name)), m_folder(std::move(folder)) {}

SingleInstance::~SingleInstance() {
    if (m_fd >= 0)
        ::close(m_fd);
}

std::filesystem::path SingleInstance::DefaultFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime)
        return runtime;
    // The temp folder is shared by every user: a folder per user keeps the lock per logon.
    return std::filesystem::temp_directory_path() /
           ("ovlnutriimport-" + std::to_string(::getuid()));
}

bool SingleInstance::Acquire() {
    if (m_fd >= 0)
        return true;
    m_strProblem.clear();
    if (!FolderIsSafe())
        return true;
    const std::string path = LockPath().string();
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        m_strProblem = path + ": " + std::strerror(errno);
        return true;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            return false;
        m_strProblem = path + ": " + std::strerror(error);
        return true;
    }
    m_fd = fd;
    return true;
}

// The folder must exist (it is made when missing) and belong to this user: in a folder that
// others may write to, another user could take the lock in our place.
bool SingleInstance::FolderIsSafe() {
    if (::mkdir(m_folder.c_str(), 0700) != 0 && errno != EEXIST) {
        m_strProblem = m_folder.string() + ": " + std::strerror(errno);
        return false;
    }
    struct stat info {};
    if (::lstat(m_folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != ::getuid()) {
        m_strProblem = m_folder.string() + ": not a folder of this user";
        return false;
    }
    return true;
}

} // namespace ovl
