#pragma once
// Transfers on open descriptors, for the platform units only: loops over
// short transfers and EINTR. False on failure with errno set (ENOSPC when
// the device takes no more bytes, or the file ends before a read is done).
#include "core/platform/Result.h"

#include <QString>

#include <cstdint>

namespace vireo {

bool writeAllFd(int fd, const char *data, int64_t length);
bool pwriteAllFd(int fd, const char *data, int64_t length, int64_t offset);
bool preadAllFd(int fd, char *data, int64_t length, int64_t offset);

// Opens a regular file with `flags` (O_RDONLY or O_RDWR; O_CLOEXEC is added)
// and gives its descriptor and size. A folder or a special file is refused
// with ErrorCode::Unsupported; an open for writing that is refused reports
// ErrorCode::ReadOnly.
Result openRegularFile(const QString &path, int flags, int &fd, int64_t &size);

} // namespace vireo
