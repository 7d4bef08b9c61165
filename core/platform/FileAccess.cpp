#include "core/platform/FileAccess.h"

#include "core/platform/FdTransfer.h"

#include <QFile>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vireo {
namespace {
std::atomic<uint64_t> g_openCount{0};

QByteArray nativePath(const QString &path) { return QFile::encodeName(path); }

QString errnoText(int e) { return QString::fromLocal8Bit(std::strerror(e)); }
}

int32_t packDosDateTime(int64_t unixSeconds)
{
    const time_t t = static_cast<time_t>(unixSeconds);
    struct tm lt;
    if (!localtime_r(&t, &lt))
        return -1;
    const int year = lt.tm_year + 1900;
    if (year < 1980 || year > 2107)
        return -1;
    const uint32_t date = (uint32_t(year - 1980) << 9) | (uint32_t(lt.tm_mon + 1) << 5) | uint32_t(lt.tm_mday);
    const uint32_t time = (uint32_t(lt.tm_hour) << 11) | (uint32_t(lt.tm_min) << 5) | uint32_t(lt.tm_sec / 2);
    return static_cast<int32_t>((date << 16) | time);
}

FileStat statFile(const QString &path)
{
    FileStat s;
    struct stat st;
    if (::stat(nativePath(path).constData(), &st) != 0) {
        s.error = errno;
        return s;
    }
    s.exists = true;
    s.isDir = S_ISDIR(st.st_mode);
    s.isRegular = S_ISREG(st.st_mode);
    s.size = st.st_size;
    s.dosDate = packDosDateTime(st.st_mtime);
    return s;
}

QString pathProblem(const QString &path, const FileStat &st)
{
    if (st.exists)
        return st.isDir ? QStringLiteral("is a directory")
             : st.isRegular ? QString()
                            : QStringLiteral("not a regular file");
    // Bytes that are not UTF-8 reach the program as U+FFFD and then name
    // another file; no such file is found.
    if (path.contains(QChar::ReplacementCharacter) && (st.error == ENOENT || st.error == 0))
        return QStringLiteral("the file name is not valid UTF-8 (such a name cannot be given to Vireo)");
    switch (st.error) {
    case ENOENT:
        return QStringLiteral("no such file");
    case ELOOP:
        return QStringLiteral("a loop of symbolic links (too many levels of symbolic links)");
    case 0:
        return QStringLiteral("no such file");
    default:
        return errnoText(st.error);
    }
}

bool fileExists(const QString &path)
{
    struct stat st;
    return ::stat(nativePath(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

namespace {
// One loop for every transfer: op moves at most n bytes at position pos.
template <typename Op>
bool transferAll(int64_t length, Op op)
{
    int64_t done = 0;
    while (done < length) {
        const ssize_t r = op(done, length - done);
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0) {
            if (r == 0)
                errno = ENOSPC;
            return false;
        }
        done += r;
    }
    return true;
}
}

bool writeAllFd(int fd, const char *data, int64_t length)
{
    return transferAll(length, [&](int64_t done, int64_t n) { return ::write(fd, data + done, size_t(n)); });
}

bool pwriteAllFd(int fd, const char *data, int64_t length, int64_t offset)
{
    return transferAll(length, [&](int64_t done, int64_t n) { return ::pwrite(fd, data + done, size_t(n), offset + done); });
}

bool preadAllFd(int fd, char *data, int64_t length, int64_t offset)
{
    return transferAll(length, [&](int64_t done, int64_t n) { return ::pread(fd, data + done, size_t(n), offset + done); });
}

FileReader::~FileReader() { close(); }

Result errnoFailure(const QString &path, int err)
{
    return Result::fromErrno(err, path + QStringLiteral(": ") + errnoText(err));
}

Result writeFailure(const QString &path, int err)
{
    if (err == EACCES || err == EPERM || err == EROFS || err == ETXTBSY)
        return Result::failure(ErrorCode::ReadOnly, path + QStringLiteral(": ") + errnoText(err));
    return errnoFailure(path, err);
}

Result openRegularFile(const QString &path, int flags, int &fd, int64_t &size)
{
    fd = ::open(nativePath(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return (flags & O_ACCMODE) == O_RDONLY ? errnoFailure(path, errno) : writeFailure(path, errno);
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        const int e = errno;
        ::close(fd);
        fd = -1;
        return errnoFailure(path, e);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        fd = -1;
        return Result::failure(ErrorCode::Unsupported,
                               path + (S_ISDIR(st.st_mode) ? QStringLiteral(": is a directory")
                                                           : QStringLiteral(": not a regular file")));
    }
    size = st.st_size;
    return Result::success();
}

Result FileReader::open(const QString &path)
{
    close();
    int fd = -1;
    int64_t size = 0;
    if (Result r = openRegularFile(path, O_RDONLY, fd, size); !r)
        return r;
    m_fd = fd;
    m_size = size;
    m_path = path;
    ++g_openCount;
    return Result::success();
}

void FileReader::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_size = 0;
    m_path.clear();
}

QByteArray FileReader::readAt(int64_t offset, int64_t length) const
{
    QByteArray out;
    if (m_fd < 0 || offset < 0 || length <= 0 || offset >= m_size)
        return out;
    if (length > m_size - offset)
        length = m_size - offset;
    out.resize(length);
    int64_t done = 0;
    while (done < length) {
        const ssize_t r = ::pread(m_fd, out.data() + done, length - done, offset + done);
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            break;
        done += r;
    }
    out.resize(done);
    return out;
}

QByteArray MemorySource::readAt(int64_t offset, int64_t length) const
{
    if (offset < 0 || length <= 0 || offset >= m_bytes.size())
        return QByteArray();
    return m_bytes.sliced(offset, std::min<int64_t>(length, m_bytes.size() - offset)).toByteArray();
}

bool ByteSource::readExact(int64_t offset, int64_t length, QByteArray &out) const
{
    out = readAt(offset, length);
    return length >= 0 && out.size() == length;
}

uint64_t FileReader::openCount() { return g_openCount.load(); }

bool readWholeFile(const QString &path, QByteArray &out)
{
    // Not through FileReader: its open counter tells how many MP3 files were
    // opened, and settings or picture files must not count there.
    out.clear();
    const int fd = ::open(nativePath(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (ok) {
        out.resize(st.st_size);
        ok = preadAllFd(fd, out.data(), st.st_size, 0);
    }
    ::close(fd);
    if (!ok)
        out.clear();
    return ok;
}

} // namespace vireo
