#include "core/platform/FileWriter.h"

#include "core/platform/FdTransfer.h"
#include "core/platform/Paths.h"
#include "core/platform/FileAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vireo {
namespace {

constexpr int64_t kCopyChunk = 1 << 20;
// The copy of "a.mp3" is ".a.mp3.vireo-save-XXXXXX" (XXXXXX from mkostemp).
const QString kCopyMark = QStringLiteral(".vireo-save-");

QByteArray native(const QString &path) { return QFile::encodeName(path); }

Result syncFolder(const QString &folder)
{
    const int fd = ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return writeFailure(folder, errno);
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL; // some file systems cannot sync folders
    const int e = errno;
    ::close(fd);
    return ok ? Result::success() : writeFailure(folder, e);
}

// A copy created exclusively beside target and locked while it is written,
// so that a cleaner never takes a copy that a running save still needs.
class ExclusiveCopy {
public:
    explicit ExclusiveCopy(const QString &target)
    {
        const QFileInfo info(target);
        m_folder = info.path();
        QByteArray tmpl = native(m_folder + QStringLiteral("/.") + info.fileName() + kCopyMark + QStringLiteral("XXXXXX"));
        m_fd = ::mkostemp(tmpl.data(), O_CLOEXEC);
        if (m_fd < 0) {
            const int e = errno;
            m_error = e == EACCES || e == EPERM || e == EROFS
                ? Result::failure(ErrorCode::ReadOnly, m_folder + QStringLiteral(": cannot create a file in the folder: ")
                                                            + QString::fromLocal8Bit(std::strerror(e)))
                : writeFailure(m_folder, e);
            return;
        }
        m_path = QFile::decodeName(tmpl);
        ::flock(m_fd, LOCK_EX | LOCK_NB);
    }
    ~ExclusiveCopy() { abandon(); }
    bool isOpen() const { return m_fd >= 0; }
    const Result &error() const { return m_error; }
    Result write(const char *data, int64_t length)
    {
        return writeAllFd(m_fd, data, length) ? Result::success() : writeFailure(m_path, errno);
    }
    // Owner, group and permission bits of the file it replaces.
    void takeAttributesOf(const QString &target)
    {
        struct stat st;
        if (::stat(native(target).constData(), &st) != 0)
            return;
        // Another owner's file cannot be given away: the copy stays ours, as any editor's would.
        [[maybe_unused]] const int owned = ::fchown(m_fd, st.st_uid, st.st_gid);
        ::fchmod(m_fd, st.st_mode & 07777);
    }
    // Syncs the copy, renames it over target and syncs the folder.
    Result commit(const QString &target)
    {
        if (::fsync(m_fd) != 0)
            return writeFailure(m_path, errno);
        if (::rename(native(m_path).constData(), native(target).constData()) != 0)
            return writeFailure(target, errno);
        m_path.clear(); // nothing left to remove
        ::close(m_fd);
        m_fd = -1;
        return syncFolder(m_folder);
    }
    void abandon()
    {
        if (!m_path.isEmpty())
            ::unlink(native(m_path).constData());
        m_path.clear();
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd = -1;
    QString m_folder;
    QString m_path;
    Result m_error;
};

} // namespace

FileWriter::~FileWriter() { (void)close(); }

Result FileWriter::open(const QString &path)
{
    (void)close();
    int fd = -1;
    int64_t size = 0;
    if (Result r = openRegularFile(path, O_RDWR, fd, size); !r)
        return r;
    m_fd = fd;
    m_size = size;
    m_path = path;
    return Result::success();
}

ResultOf<QByteArray> FileWriter::readAt(int64_t offset, int64_t length) const
{
    QByteArray out(length, Qt::Uninitialized);
    errno = 0;
    if (!preadAllFd(m_fd, out.data(), length, offset))
        return errno && errno != ENOSPC ? errnoFailure(m_path, errno)
                                        : Result::failure(ErrorCode::BadData, m_path + QStringLiteral(": file ends early"));
    return out;
}

Result FileWriter::writeAt(const QByteArray &bytes, int64_t offset)
{
    if (!pwriteAllFd(m_fd, bytes.constData(), bytes.size(), offset))
        return writeFailure(m_path, errno);
    m_size = std::max(m_size, offset + int64_t(bytes.size()));
    return Result::success();
}

Result FileWriter::truncate(int64_t length)
{
    if (::ftruncate(m_fd, length) != 0)
        return writeFailure(m_path, errno);
    m_size = length;
    return Result::success();
}

Result FileWriter::sync()
{
    return ::fsync(m_fd) == 0 ? Result::success() : writeFailure(m_path, errno);
}

Result FileWriter::close()
{
    if (m_fd < 0)
        return Result::success();
    const int r = ::close(m_fd);
    m_fd = -1;
    m_size = 0;
    return r == 0 || errno == EINTR ? Result::success() : writeFailure(m_path, errno);
}

Result makeOwnerWritable(const QString &path)
{
    const QByteArray name = native(path);
    struct stat st;
    if (::stat(name.constData(), &st) != 0)
        return errnoFailure(path, errno);
    if (!S_ISREG(st.st_mode))
        return Result::failure(ErrorCode::Unsupported, path + QStringLiteral(": not a regular file"));
    if (!(st.st_mode & S_IWUSR) && ::chmod(name.constData(), (st.st_mode & 07777) | S_IWUSR) != 0)
        return writeFailure(path, errno);
    return Result::success();
}

Result rewriteThroughCopy(const QString &path, const QByteArray &head, int64_t keepFrom)
{
    // Write beside the real file when path is a symbolic link, so the link stays a link.
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.canonicalFilePath() : path;
    if (target.isEmpty())
        return errnoFailure(path, ENOENT);
    removeLeftoverCopies(target);

    FileReader source;
    if (Result r = source.open(target); !r)
        return r;
    ExclusiveCopy copy(target);
    if (!copy.isOpen())
        return copy.error();
    copy.takeAttributesOf(target);
    if (Result r = copy.write(head.constData(), head.size()); !r)
        return r;
    for (int64_t pos = std::max<int64_t>(0, keepFrom); pos < source.size();) {
        const QByteArray chunk = source.readAt(pos, std::min(kCopyChunk, source.size() - pos));
        if (chunk.isEmpty())
            return Result::failure(ErrorCode::IoError, target + QStringLiteral(": read error"));
        if (Result r = copy.write(chunk.constData(), chunk.size()); !r)
            return r;
        pos += chunk.size();
    }
    source.close();
    return copy.commit(target);
}

Result writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    makeProgramFolderFor(path);
    ExclusiveCopy copy(path);
    if (!copy.isOpen())
        return copy.error();
    struct stat st;
    if (::stat(native(path).constData(), &st) == 0)
        copy.takeAttributesOf(path);
    if (Result r = copy.write(bytes.constData(), bytes.size()); !r)
        return r;
    return copy.commit(path);
}

bool isRewriteCopyName(QStringView name)
{
    const qsizetype mark = name.lastIndexOf(kCopyMark);
    return name.startsWith(u'.') && mark > 1 && name.size() == mark + kCopyMark.size() + 6;
}

bool removeLeftoverCopy(const QString &copyPath)
{
    if (!isRewriteCopyName(QFileInfo(copyPath).fileName()))
        return false;
    const QByteArray name = native(copyPath);
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    // A save in progress holds the lock on its copy.
    const bool stale = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    const bool removed = stale && ::unlink(name.constData()) == 0;
    ::close(fd);
    return removed;
}

int removeLeftoverCopies(const QString &path)
{
    const QFileInfo info(path);
    const QDir folder(info.path());
    const QString prefix = QStringLiteral(".") + info.fileName() + kCopyMark;
    int removed = 0;
    for (const QString &n : folder.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (n.size() == prefix.size() + 6 && n.startsWith(prefix))
            removed += removeLeftoverCopy(folder.filePath(n)) ? 1 : 0;
    return removed;
}

} // namespace vireo
