#pragma once
// File access with success flags: stat with the packed DOS date, a reader
// that seeks (tags are read from both ends of files of any size), and the
// one safe way to replace a file's contents.
#include "core/platform/Result.h"

#include <QByteArray>
#include <QByteArrayView>
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
    bool isRegular = false;
    int error = 0; // errno of a failed look-up (ENOENT, ELOOP, EACCES, ...)
    int32_t dosDate = -1;
    int64_t size = 0;
};
FileStat statFile(const QString &path);
// Why a path names no file that can be opened, in words, from a FileStat:
// "no such file", "a loop of symbolic links", "permission denied", a name
// that is not valid UTF-8, "is a directory", "not a regular file"; empty
// for a regular file.
QString pathProblem(const QString &path, const FileStat &st);
bool fileExists(const QString &path);

// Bytes read by position: an open file or a buffer in memory. The tag and
// stream readers take one, so they read files and memory with the same code.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // The file's path, or a label for bytes in memory; messages name it.
    virtual const QString &name() const = 0;
    virtual bool isOpen() const = 0;
    virtual int64_t size() const = 0;
    // Reads up to length bytes at offset; returns what could be read (short at the end).
    virtual QByteArray readAt(int64_t offset, int64_t length) const = 0;
    // Reads exactly length bytes at offset into out; false when fewer are there.
    bool readExact(int64_t offset, int64_t length, QByteArray &out) const;
};

// Bytes in memory seen as a file (the caller keeps them alive).
class MemorySource final : public ByteSource {
public:
    explicit MemorySource(QByteArrayView bytes, const QString &name = QStringLiteral("(memory)"))
        : m_bytes(bytes), m_name(name) {}
    const QString &name() const override { return m_name; }
    bool isOpen() const override { return true; }
    int64_t size() const override { return m_bytes.size(); }
    QByteArray readAt(int64_t offset, int64_t length) const override;

private:
    QByteArrayView m_bytes;
    QString m_name;
};

// Read-only access by position. Never throws; every call reports success.
class FileReader final : public ByteSource {
public:
    FileReader() = default;
    ~FileReader();
    FileReader(const FileReader &) = delete;
    FileReader &operator=(const FileReader &) = delete;

    // Opens a regular file; the failure names the file and the cause.
    Result open(const QString &path);
    void close();
    const QString &path() const { return m_path; }
    const QString &name() const override { return m_path; }
    bool isOpen() const override { return m_fd >= 0; }
    int64_t size() const override { return m_size; }
    QByteArray readAt(int64_t offset, int64_t length) const override;

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

// Reads a whole (small) file; false when it cannot be opened or read.
bool readWholeFile(const QString &path, QByteArray &out);

} // namespace vireo
