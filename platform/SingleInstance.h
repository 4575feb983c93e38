#pragma once

#include <filesystem>
#include <string>

namespace ovl {

// Lets one copy of the program run per user: a lock file "<name>.lock" held with an advisory
// lock for the object's life. The lock goes with the process, so a crashed copy never leaves
// it behind.
class SingleInstance {
public:
    explicit SingleInstance(std::string name, std::filesystem::path folder = DefaultFolder());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // $XDG_RUNTIME_DIR, or a folder of this user's own under the temp folder.
    static std::filesystem::path DefaultFolder();

    // False only when another holder has the lock. When the lock file cannot be made at all
    // the program may still run: the answer is true and Problem() says why.
    bool Acquire();

    bool IsHeld() const { return m_fd >= 0; }
    const std::string& Problem() const { return m_strProblem; }
    std::filesystem::path LockPath() const { return m_folder / (m_strName + ".lock"); }

private:
    bool FolderIsSafe();

    std::string m_strName;
    std::filesystem::path m_folder;
    int m_fd = -1;
    std::string m_strProblem;
};

} // namespace ovl
