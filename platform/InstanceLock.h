#pragma once

#include <string>

namespace platform {

// Refuses a second running copy: an exclusive lock on a file named after the game in the
// user's runtime folder. The lock goes when the holder ends, however it ends.
class InstanceLock {
public:
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when this process now holds the lock on <folder>/<name>.lock (folder defaults to
    // SystemInfo::RuntimeFolder()); false when another copy holds it (HeldElsewhere) or the
    // file cannot be made.
    bool Acquire(const std::string& name, const std::string& folder = "");
    bool HeldElsewhere() const { return heldElsewhere; }
    void Release();
    bool Held() const { return fd >= 0; }
    const std::string& LockPath() const { return path; }

private:
    int fd = -1;
    bool heldElsewhere = false;
    std::string path;
};

}  // namespace platform
