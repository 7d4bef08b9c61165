#pragma once
// File access with success flags: stat with the packed DOS date, a reader
// that seeks (tags are read from both ends of files of any size), and the
// one safe way to replace a file's contents.
#include "core/platform/Result.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace vireo {

// A modification time as the 32-bit DOS date-time of the track record
// (local time; seconds halved); -1 when it cannot be packed (before 1980 or
// after 2107).
int32_t packDosDateTime(int64_t unixSeconds);

struct FileStat {
    bool exists = false;
    bool isDir = false;
    int32_t dosDate = -1;
    int64_t size = 0;
};
FileStat statFile(const QString &path);
bool fileExists(const QString &path);

// Read-only access by position. Never throws; every call reports success.
class FileReader {
public:
    FileReader() = default;
    ~FileReader();
    FileReader(const FileReader &) = delete;
    FileReader &operator=(const FileReader &) = delete;

    // Opens a regular file; the failure names the file and the cause.
    Result open(const QString &path);
    void close();
    const QString &path() const { return m_path; }
    bool isOpen() const { return m_fd >= 0; }
    int64_t size() const { return m_size; }
    // Reads up to length bytes at offset; returns what could be read (short at the end).
    QByteArray readAt(int64_t offset, int64_t length) const;
    // Reads exactly length bytes at offset into out; false when fewer are there.
    bool readExact(int64_t offset, int64_t length, QByteArray &out) const;

    // Counts every successful open of a FileReader in this process (tests
    // use it to prove a start from valid caches opens no MP3 file).
    static uint64_t openCount();

private:
    int m_fd = -1;
    int64_t m_size = 0;
    QString m_path;
};

// "path: cause" for an errno value, with the code that matches it.
Result errnoFailure(const QString &path, int err);
// The same for a failed write: no permission to write (EACCES, EPERM) and a
// read-only file system are both ReadOnly.
Result writeFailure(const QString &path, int err);

// Writes bytes to path through a temporary file beside it, fsyncs it and
// renames it over the old file, keeping the old file's permission bits. On
// any failure the old file is untouched and the temporary file is removed.
Result writeFileAtomically(const QString &path, const QByteArray &bytes);
// The same for a caller that writes the temporary file itself: tmpPath is
// fsynced and renamed over path. On failure tmpPath is removed.
Result replaceFileWith(const QString &tmpPath, const QString &path);

// Loops over short transfers and EINTR on an open descriptor. False on
// failure with errno set (ENOSPC when the device takes no more bytes).
bool writeAllFd(int fd, const char *data, int64_t length);
bool pwriteAllFd(int fd, const char *data, int64_t length, int64_t offset);
// Reads exactly length bytes at offset; false when fewer are there.
bool preadAllFd(int fd, char *data, int64_t length, int64_t offset);

// Reads a whole (small) file; false when it cannot be opened or read.
bool readWholeFile(const QString &path, QByteArray &out);

} // namespace vireo
