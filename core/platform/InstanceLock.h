#pragma once
// One running Vireo per program folder: the window and the CLI commands that
// write the caches hold an exclusive lock on "vireo.lock" in the program
// folder, so two runs never write the same caches at close. The lock is
// released when the holder ends, also when it is killed.
#include "core/platform/Result.h"

#include <QString>

namespace vireo {

class InstanceLock {
public:
    InstanceLock() = default;
    ~InstanceLock();
    InstanceLock(InstanceLock &&other) noexcept;
    InstanceLock &operator=(InstanceLock &&other) noexcept;
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    // Takes the lock of `folder` (with a final "/"). Fails with
    // AlreadyRunningMessage when another run holds it, or with the cause
    // when the lock file cannot be made (a read-only folder, say).
    static ResultOf<InstanceLock> acquire(const QString &folder);

    bool held() const { return m_fd >= 0; }

private:
    explicit InstanceLock(int fd) : m_fd(fd) {}
    int m_fd = -1;
};

// The message shown when another run holds the program folder.
QString AlreadyRunningMessage(const QString &folder);

} // namespace vireo
