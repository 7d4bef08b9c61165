#include "core/platform/DiskSpace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <sys/statfs.h>
#include <sys/statvfs.h>

namespace vireo {

namespace {

// Magic numbers of statfs(2) f_type (linux/magic.h).
constexpr unsigned long MsdosMagic = 0x4d44;
constexpr unsigned long ExfatMagic = 0x2011BAB0;
constexpr unsigned long FuseMagic = 0x65735546;

// A FUSE mount names its real type in the mount table ("fuseblk" with the
// driver as subtype, or "fuse.exfat"); find the entry that holds folder.
FileSystemKind fuseKindOf(const QString &folder)
{
    QFile mounts(QStringLiteral("/proc/self/mounts"));
    if (!mounts.open(QIODevice::ReadOnly))
        return FileSystemKind::Other;
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    QString bestPoint;
    QString bestType;
    for (const QByteArray &line : mounts.readAll().split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        if (f.size() < 3)
            continue;
        // Spaces and other characters in mount points are octal escapes.
        QString point = QString::fromUtf8(f[1]).replace(QStringLiteral("\\040"), QStringLiteral(" "));
        const bool inside = canonical == point
            || canonical.startsWith(point.endsWith(u'/') ? point : point + u'/');
        if (inside && point.size() >= bestPoint.size()) {
            bestPoint = point;
            bestType = QString::fromUtf8(f[2]) + u' ' + QString::fromUtf8(f[0]);
        }
    }
    return bestType.contains(QStringLiteral("exfat"), Qt::CaseInsensitive)
        ? FileSystemKind::ExFat
        : bestType.contains(QStringLiteral("fat"), Qt::CaseInsensitive) ? FileSystemKind::Fat
                                                                        : FileSystemKind::Other;
}

} // namespace

QString nearestExistingFolder(const QString &path)
{
    if (path.isEmpty())
        return QString();
    QString current = QDir::cleanPath(path);
    while (!current.isEmpty()) {
        QFileInfo info(current);
        if (info.isDir())
            return current;
        const qsizetype slash = current.lastIndexOf(u'/');
        if (slash < 0)
            return QString();
        current = slash == 0 ? QStringLiteral("/") : current.left(slash);
        if (current == QStringLiteral("/"))
            return QFileInfo(current).isDir() ? current : QString();
    }
    return QString();
}

ResultOf<DriveSpace> DriveSpaceOf(const QString &path)
{
    const QString folder = nearestExistingFolder(path);
    if (folder.isEmpty())
        return ResultOf<DriveSpace>::failure(ErrorCode::NotFound,
                                             path + QStringLiteral(": no such folder"));
    struct statvfs st {};
    if (::statvfs(QFile::encodeName(folder).constData(), &st) != 0) {
        const int e = errno;
        return Result::fromErrno(e, folder + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(e)));
    }
    DriveSpace space;
    space.total = int64_t(st.f_blocks) * int64_t(st.f_frsize);
    space.free = int64_t(st.f_bavail) * int64_t(st.f_frsize);
    return space;
}

FileSystemKind fileSystemKindOf(const QString &path)
{
    const QString folder = nearestExistingFolder(path);
    if (folder.isEmpty())
        return FileSystemKind::Unknown;
    struct statfs st {};
    if (::statfs(QFile::encodeName(folder).constData(), &st) != 0)
        return FileSystemKind::Unknown;
    const auto type = static_cast<unsigned long>(st.f_type);
    if (type == MsdosMagic)
        return FileSystemKind::Fat;
    if (type == ExfatMagic)
        return FileSystemKind::ExFat;
    if (type == FuseMagic)
        return fuseKindOf(folder);
    return FileSystemKind::Other;
}

} // namespace vireo
