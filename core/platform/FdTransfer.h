#pragma once
// Transfers on open descriptors, for the platform units only: loops over
// short transfers and EINTR. False on failure with errno set (ENOSPC when
// the device takes no more bytes, or the file ends before a read is done).
#include <cstdint>

namespace vireo {

bool writeAllFd(int fd, const char *data, int64_t length);
bool pwriteAllFd(int fd, const char *data, int64_t length, int64_t offset);
bool preadAllFd(int fd, char *data, int64_t length, int64_t offset);

} // namespace vireo
