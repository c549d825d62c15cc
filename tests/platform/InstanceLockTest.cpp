#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/InstanceLock.h"
#include "tests/TestSupport.h"

namespace {

using platform::InstanceLock;
using testsupport::TempDir;

// Runs body in a child process and returns its exit status.
template <typename Body>
int InChild(Body body) {
    pid_t pid = fork();
    if (pid == 0) _exit(body());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(InstanceLockTest, ASecondHolderIsRefusedInThisProcessAndAnother) {
    TempDir dir;
    const std::string folder = dir.Path().string();
    InstanceLock first;
    ASSERT_TRUE(first.Acquire("Rosewick", folder));
    EXPECT_TRUE(first.Held());
    EXPECT_EQ(first.LockPath(), folder + "/Rosewick.lock");

    InstanceLock second;
    EXPECT_FALSE(second.Acquire("Rosewick", folder));
    EXPECT_FALSE(second.Held());
    EXPECT_TRUE(second.HeldElsewhere());
    EXPECT_EQ(InChild([&] {
                  InstanceLock other;
                  return other.Acquire("Rosewick", folder) ? 0 : 7;
              }),
              7);

    // Another name is another lock.
    InstanceLock unrelated;
    EXPECT_TRUE(unrelated.Acquire("OtherGame", folder));

    first.Release();
    EXPECT_FALSE(first.Held());
    EXPECT_TRUE(second.Acquire("Rosewick", folder));
}

TEST(InstanceLockTest, TheLockGoesWithTheProcessThatHeldIt) {
    TempDir dir;
    const std::string folder = dir.Path().string();
    // The child takes the lock and ends without releasing it.
    EXPECT_EQ(InChild([&] {
                  static InstanceLock held;
                  return held.Acquire("Rosewick", folder) ? 0 : 1;
              }),
              0);
    InstanceLock mine;
    EXPECT_TRUE(mine.Acquire("Rosewick", folder));
}

TEST(InstanceLockTest, AnUnwritableFolderIsNotMistakenForAnotherCopy) {
    InstanceLock lock;
    EXPECT_FALSE(lock.Acquire("Rosewick", "/nonexistent-folder"));
    EXPECT_FALSE(lock.HeldElsewhere());
}

TEST(InstanceLockTest, TheDefaultFolderIsTheRuntimeFolder) {
    InstanceLock lock;
    ASSERT_TRUE(lock.Acquire("rosewick-lock-test-" + std::to_string(getpid())));
    EXPECT_EQ(lock.LockPath().rfind('/') + 1, lock.LockPath().find("rosewick-lock-test-"));
    const std::string path = lock.LockPath();
    lock.Release();
    std::remove(path.c_str());
}

}  // namespace
