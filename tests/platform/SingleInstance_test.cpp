#include "platform/SingleInstance.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ovl {
namespace {

const char* const kName = "ovlnutriimportUniqueInstance261";

// Another process that holds the lock until it is told to go.
class LockHolder {
public:
    explicit LockHolder(const std::filesystem::path& folder) {
        int ready[2];
        int release[2];
        if (::pipe(ready) != 0 || ::pipe(release) != 0)
            throw std::runtime_error("pipe");
        m_pid = ::fork();
        if (m_pid == 0) {
            ::close(release[1]);
            SingleInstance instance(kName, folder);
            const char answer = instance.Acquire() && instance.IsHeld() ? 'y' : 'n';
            (void)!::write(ready[1], &answer, 1);
            char ignored = 0;
            (void)!::read(release[0], &ignored, 1);
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release[0]);
        m_release = release[1];
        char answer = 'n';
        m_bHolding = ::read(ready[0], &answer, 1) == 1 && answer == 'y';
        ::close(ready[0]);
    }
    ~LockHolder() { Release(); }

    bool Holding() const { return m_bHolding; }
    void Release() {
        if (m_release < 0)
            return;
        ::close(m_release); // the child's read ends, and it exits
        m_release = -1;
        int status = 0;
        ::waitpid(m_pid, &status, 0);
    }

private:
    pid_t m_pid = -1;
    int m_release = -1;
    bool m_bHolding = false;
};

TEST(SingleInstance, SecondCopyIsRefusedWhileTheFirstRuns) {
    test::TempDir dir;
    LockHolder other(dir.Path());
    ASSERT_TRUE(other.Holding());
    EXPECT_EQ(std::filesystem::path(dir / "ovlnutriimportUniqueInstance261.lock"),
              SingleInstance(kName, dir.Path()).LockPath());

    SingleInstance instance(kName, dir.Path());
    EXPECT_FALSE(instance.Acquire());
    EXPECT_FALSE(instance.IsHeld());
    EXPECT_TRUE(instance.Problem().empty());

    other.Release();
    EXPECT_TRUE(instance.Acquire());
    EXPECT_TRUE(instance.IsHeld());
}

TEST(SingleInstance, LockGoesWithTheObject) {
    test::TempDir dir;
    {
        SingleInstance first(kName, dir.Path());
        ASSERT_TRUE(first.Acquire());
        SingleInstance second(kName, dir.Path());
        EXPECT_FALSE(second.Acquire());
        SingleInstance otherName("another", dir.Path());
        EXPECT_TRUE(otherName.Acquire());
    }
    SingleInstance again(kName, dir.Path());
    EXPECT_TRUE(again.Acquire());
}

TEST(SingleInstance, UnusableFolderLetsTheProgramRunAndSaysWhy) {
    test::TempDir dir;
    SingleInstance instance(kName, dir / "missing" / "deeper");
    EXPECT_TRUE(instance.Acquire());
    EXPECT_FALSE(instance.IsHeld());
    EXPECT_FALSE(instance.Problem().empty());
}

} // namespace
} // namespace ovl
