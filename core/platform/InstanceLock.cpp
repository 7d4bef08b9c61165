#include "core/platform/InstanceLock.h"

#include "core/platform/Paths.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vireo {

InstanceLock::~InstanceLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // closing releases the lock
}

InstanceLock::InstanceLock(InstanceLock &&other) noexcept : m_fd(other.m_fd) { other.m_fd = -1; }

InstanceLock &InstanceLock::operator=(InstanceLock &&other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = other.m_fd;
        other.m_fd = -1;
    }
    return *this;
}

QString AlreadyRunningMessage(const QString &folder)
{
    return QStringLiteral("Vireo は既に起動しています（%1）。同じキャッシュを二重に書かないよう、終了します。").arg(folder);
}

ResultOf<InstanceLock> InstanceLock::acquire(const QString &folder)
{
    const QString path = folder + QStringLiteral("vireo.lock");
    makeProgramFolderFor(path);
    const QByteArray native = QFile::encodeName(path);
    int fd;
    do {
        fd = ::open(native.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        const int err = errno;
        return Result::fromErrno(err, path + QStringLiteral(": ") + qt_error_string(err));
    }
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc < 0 && errno == EINTR);
    if (rc < 0) {
        const int err = errno;
        ::close(fd);
        if (err == EWOULDBLOCK)
            return Result::failure(ErrorCode::InUse, AlreadyRunningMessage(folder));
        return Result::fromErrno(err, path + QStringLiteral(": ") + qt_error_string(err));
    }
    return InstanceLock(fd);
}

} // namespace vireo
