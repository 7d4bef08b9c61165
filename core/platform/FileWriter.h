#pragma once
// Changing files in place and replacing them through a copy. Every call
// reports a Result that names the file and the cause; no descriptor leaves
// this unit.
#include "core/platform/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <cstdint>

namespace vireo {

// An existing regular file opened for reading and writing at positions;
// closes itself.
class FileWriter {
public:
    FileWriter() = default;
    ~FileWriter();
    FileWriter(const FileWriter &) = delete;
    FileWriter &operator=(const FileWriter &) = delete;

    Result open(const QString &path);
    int64_t size() const { return m_size; }
    const QString &path() const { return m_path; }
    // Exactly length bytes at offset.
    ResultOf<QByteArray> readAt(int64_t offset, int64_t length) const;
    Result writeAt(const QByteArray &bytes, int64_t offset);
    // Cuts (or extends) the file to length bytes.
    Result truncate(int64_t length);
    // Puts the written bytes on the device.
    Result sync();
    Result close();

private:
    int m_fd = -1;
    int64_t m_size = 0;
    QString m_path;
};

// Gives the owner write permission when the file lacks it (the read-only
// attribute of other systems); fails when path is not a regular file.
Result makeOwnerWritable(const QString &path);

// Replaces path's contents with head followed by the file's own bytes from
// keepFrom to its end, through a copy beside the file: the copy is created
// exclusively under a name no user file has, written, synced, given the
// file's owner and permissions, renamed over the file, and the folder is
// synced. A symbolic link stays a link (the file it points to is replaced).
// On failure the file is unchanged and the copy is gone.
Result rewriteThroughCopy(const QString &path, const QByteArray &head, int64_t keepFrom);

// The same for a whole new content (settings, caches).
Result writeFileAtomically(const QString &path, const QByteArray &bytes);

// Whether a file name is that of a copy made by rewriteThroughCopy.
bool isRewriteCopyName(QStringView fileName);
// Removes copies of path left behind by a save that was killed (a copy
// still being written by a running save is left alone); returns how many.
int removeLeftoverCopies(const QString &path);
// The same for a copy found by name in a folder listing.
bool removeLeftoverCopy(const QString &copyPath);

} // namespace vireo
