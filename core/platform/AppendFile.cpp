#include "core/platform/AppendFile.h"

#include "core/platform/FdTransfer.h"
#include "core/platform/FileAccess.h"
#include "core/platform/Paths.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vireo {

Result AppendFile::open(const QString &path)
{
    close();
    makeProgramFolderFor(path);
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return writeFailure(path, errno);
    m_fd = fd;
    m_path = path;
    return Result::success();
}

void AppendFile::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_path.clear();
}

bool AppendFile::stillNamed(const QString &path) const
{
    struct stat st;
    return m_fd >= 0 && m_path == path && ::fstat(m_fd, &st) == 0 && st.st_nlink > 0;
}

int64_t AppendFile::size() const
{
    struct stat st;
    return m_fd >= 0 && ::fstat(m_fd, &st) == 0 ? int64_t(st.st_size) : -1;
}

Result AppendFile::append(const QByteArray &bytes)
{
    if (m_fd < 0)
        return Result::failure(ErrorCode::InvalidArgument, QStringLiteral("no file open"));
    return writeAllFd(m_fd, bytes.constData(), bytes.size()) ? Result::success() : writeFailure(m_path, errno);
}

bool pathExists(const QString &path)
{
    return ::access(QFile::encodeName(path).constData(), F_OK) == 0;
}

Result renamePath(const QString &from, const QString &to)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        return writeFailure(from, errno);
    return Result::success();
}

} // namespace vireo
