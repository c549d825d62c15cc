#include "platform/InstanceLock.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/SystemInfo.h"

namespace platform {

InstanceLock::~InstanceLock() {
    Release();
}

bool InstanceLock::Acquire(const std::string& name, const std::string& folder) {
    Release();
    heldElsewhere = false;
    std::string base = folder.empty() ? SystemInfo::RuntimeFolder() : folder;
    if (base.back() != '/') base += '/';
    path = base + name + ".lock";
    // flock belongs to the open file description: a second open of the same file, even in
    // this process, is refused, and the kernel drops the lock when the process ends.
    int opened = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (opened < 0) return false;
    if (flock(opened, LOCK_EX | LOCK_NB) != 0) {
        heldElsewhere = errno == EWOULDBLOCK;
        close(opened);
        return false;
    }
    fd = opened;
    return true;
}

void InstanceLock::Release() {
    if (fd >= 0) {
        // The file stays: removing it would race a copy that has just opened it.
        close(fd);
        fd = -1;
    }
}

}  // namespace platform
