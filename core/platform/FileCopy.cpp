#include "core/platform/FileCopy.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>
#include <fcntl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vireo {

namespace {

// Chunk of one kernel copy call: large enough to run at device speed, small
// enough that a cancel is noticed and write-back starts early.
constexpr int64_t ChunkBytes = int64_t(16) << 20;
constexpr size_t BufferBytes = size_t(1) << 20;

QString errnoText(int e) { return QString::fromLocal8Bit(std::strerror(e)); }

class Fd {
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    int get() const { return m_fd; }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }
    // Closes and reports the close's own error (NFS and FUSE report late
    // write failures here).
    int closeChecked()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd >= 0 ? ::close(fd) : 0;
    }

private:
    int m_fd;
};

bool fallbackErrno(int e)
{
    return e == EXDEV || e == EINVAL || e == ENOSYS || e == EOPNOTSUPP || e == EBADF
        || e == ETXTBSY || e == EPERM;
}

enum class Method { CopyRange, SendFile, ReadWrite };

// Copies one chunk from the current offsets; returns bytes copied, 0 at the
// end of the source, -1 with errno on failure.
ssize_t copyChunk(Method &method, int in, int out, std::vector<char> &buffer, bool firstCall)
{
    for (;;) {
        ssize_t n = -1;
        switch (method) {
        case Method::CopyRange:
            n = ::copy_file_range(in, nullptr, out, nullptr, size_t(ChunkBytes), 0);
            if (n < 0 && firstCall && fallbackErrno(errno)) {
                method = Method::SendFile;
                continue;
            }
            break;
        case Method::SendFile:
            n = ::sendfile(out, in, nullptr, size_t(ChunkBytes));
            if (n < 0 && firstCall && (errno == EINVAL || errno == ENOSYS)) {
                method = Method::ReadWrite;
                continue;
            }
            break;
        case Method::ReadWrite: {
            if (buffer.empty())
                buffer.resize(BufferBytes);
            ssize_t got;
            do {
                got = ::read(in, buffer.data(), buffer.size());
            } while (got < 0 && errno == EINTR);
            if (got <= 0)
                return got;
            ssize_t done = 0;
            while (done < got) {
                const ssize_t w = ::write(out, buffer.data() + done, size_t(got - done));
                if (w < 0 && errno == EINTR)
                    continue;
                if (w <= 0) {
                    if (w == 0)
                        errno = ENOSPC;
                    return -1;
                }
                done += w;
            }
            return got;
        }
        }
        if (n < 0 && errno == EINTR)
            continue;
        return n;
    }
}

} // namespace

QString fileCopyTempPrefix() { return QStringLiteral(".vireo-copy-"); }

PendingCopy::PendingCopy(PendingCopy &&other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_tmp(std::move(other.m_tmp)),
      m_target(std::move(other.m_target)), m_size(other.m_size)
{
    other.m_tmp.clear();
}

PendingCopy &PendingCopy::operator=(PendingCopy &&other) noexcept
{
    if (this != &other) {
        AbandonCopy(*this);
        m_fd = std::exchange(other.m_fd, -1);
        m_tmp = std::move(other.m_tmp);
        other.m_tmp.clear();
        m_target = std::move(other.m_target);
        m_size = other.m_size;
    }
    return *this;
}

PendingCopy::~PendingCopy() { AbandonCopy(*this); }

void AbandonCopy(PendingCopy &copy)
{
    if (copy.m_fd >= 0)
        ::close(copy.m_fd);
    copy.m_fd = -1;
    if (!copy.m_tmp.isEmpty())
        ::unlink(copy.m_tmp.constData());
    copy.m_tmp.clear();
}

ResultOf<PendingCopy> CopyToTemporary(const QString &source, const QString &target,
                                      const FileCopyOptions &options)
{
    const QByteArray src = QFile::encodeName(source);
    const QByteArray dst = QFile::encodeName(target);
    Fd in(::open(src.constData(), O_RDONLY | O_CLOEXEC));
    if (in.get() < 0) {
        const int e = errno;
        return Result::fromErrno(e, source + QStringLiteral(": ") + errnoText(e));
    }
    struct stat st {};
    if (::fstat(in.get(), &st) != 0) {
        const int e = errno;
        return Result::fromErrno(e, source + QStringLiteral(": ") + errnoText(e));
    }
    if (!S_ISREG(st.st_mode))
        return Result::failure(ErrorCode::InvalidArgument, source + QStringLiteral(": not a regular file"));
    struct stat existing {};
    if (::lstat(dst.constData(), &existing) == 0)
        return Result::failure(ErrorCode::Failed, target + QStringLiteral(": the file already exists"));

    const qsizetype slash = dst.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : dst.left(slash);
    PendingCopy copy;
    copy.m_target = target;
    // A short fixed-length name, so a long target name cannot push the
    // temporary name past the file system's limit.
    for (int attempt = 0; attempt < 100 && copy.m_fd < 0; ++attempt) {
        char suffix[17];
        std::snprintf(suffix, sizeof suffix, "%08x", QRandomGenerator::global()->generate());
        const QByteArray tmp = folder + '/' + QFile::encodeName(fileCopyTempPrefix()) + suffix + ".part";
        copy.m_fd = ::open(tmp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (copy.m_fd >= 0) {
            copy.m_tmp = tmp;
        } else if (errno != EEXIST) {
            const int e = errno;
            return Result::fromErrno(e, target + QStringLiteral(": ") + errnoText(e));
        }
    }
    if (copy.m_fd < 0)
        return Result::failure(ErrorCode::Failed, target + QStringLiteral(": no free temporary name"));

    auto fail = [&](int e) {
        AbandonCopy(copy);
        return Result::fromErrno(e, target + QStringLiteral(": ") + errnoText(e));
    };
    ::posix_fadvise(in.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    Method method = Method::CopyRange;
    std::vector<char> buffer;
    int64_t written = 0;
    int64_t flushedTo = 0;
    for (bool first = true;; first = false) {
        if (options.cancel && options.cancel->load(std::memory_order_relaxed))
            return fail(ECANCELED);
        const ssize_t n = copyChunk(method, in.get(), copy.m_fd, buffer, first);
        if (n < 0)
            return fail(errno);
        if (n == 0)
            break;
        written += n;
        // Start write-back of what is complete so the final sync is short and
        // the device works while the next chunk is read.
        if (options.sync && written - flushedTo >= ChunkBytes) {
            ::sync_file_range(copy.m_fd, flushedTo, written - flushedTo, SYNC_FILE_RANGE_WRITE);
            flushedTo = written;
        }
    }
    if (options.sync && written > flushedTo)
        ::sync_file_range(copy.m_fd, flushedTo, written - flushedTo, SYNC_FILE_RANGE_WRITE);
    // Times last: every write above moved the modification time.
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    ::futimens(copy.m_fd, times);
    ::fchmod(copy.m_fd, st.st_mode & 0777); // FAT keeps no modes; that is fine
    copy.m_size = written;
    return copy;
}

Result FinishCopy(PendingCopy &copy, bool sync)
{
    if (copy.m_fd < 0 || copy.m_tmp.isEmpty())
        return Result::failure(ErrorCode::InvalidArgument, copy.m_target + QStringLiteral(": nothing to finish"));
    const QString target = copy.m_target;
    auto fail = [&](int e) {
        AbandonCopy(copy);
        return Result::fromErrno(e, target + QStringLiteral(": ") + errnoText(e));
    };
    if (sync && ::fsync(copy.m_fd) != 0)
        return fail(errno);
    const int fd = std::exchange(copy.m_fd, -1);
    if (::close(fd) != 0)
        return fail(errno);

    const QByteArray dst = QFile::encodeName(target);
    if (::renameat2(AT_FDCWD, copy.m_tmp.constData(), AT_FDCWD, dst.constData(), RENAME_NOREPLACE) != 0) {
        int e = errno;
        if (e == EINVAL || e == ENOSYS) {
            // A file system without the no-replace flag: check, then rename.
            struct stat existing {};
            if (::lstat(dst.constData(), &existing) == 0)
                e = EEXIST;
            else if (::rename(copy.m_tmp.constData(), dst.constData()) == 0)
                e = 0;
            else
                e = errno;
        }
        if (e != 0) {
            AbandonCopy(copy);
            if (e == EEXIST)
                return Result::failure(ErrorCode::Failed, target + QStringLiteral(": the file already exists"));
            return Result::fromErrno(e, target + QStringLiteral(": ") + errnoText(e));
        }
    }
    copy.m_tmp.clear();
    return Result::success();
}

void SyncFolder(const QString &folder)
{
    Fd dir(::open(QFile::encodeName(folder.isEmpty() ? QStringLiteral(".") : folder).constData(),
                  O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
}

Result CopyFileSafely(const QString &source, const QString &target, const FileCopyOptions &options)
{
    ResultOf<PendingCopy> copy = CopyToTemporary(source, target, options);
    if (!copy)
        return copy.status();
    if (Result r = FinishCopy(copy.value(), options.sync); !r)
        return r;
    if (options.sync) {
        const qsizetype slash = target.lastIndexOf(u'/');
        SyncFolder(slash < 0 ? QString() : slash == 0 ? QStringLiteral("/") : target.left(slash));
    }
    return Result::success();
}

} // namespace vireo
