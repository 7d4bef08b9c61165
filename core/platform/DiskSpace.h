#pragma once
// Space of the file system that holds a path (statvfs), and which kind of
// file system it is, so callers can warn before a copy instead of failing
// half-way.
#include "core/platform/Result.h"

#include <QString>
#include <cstdint>

namespace vireo {

struct DriveSpace {
    int64_t total = 0; // f_blocks * f_frsize
    int64_t free = 0;  // free to an unprivileged user: f_bavail * f_frsize
};

// The space of the file system holding path. When path is not an existing
// folder, the nearest existing folder above it is asked: a destination folder
// that does not exist yet still lives on its parent's drive, and a mount point
// such as /media/stick must never report the space of /media.
ResultOf<DriveSpace> DriveSpaceOf(const QString &path);

// The nearest existing folder at or above path ("" when none, e.g. a
// relative text that names nothing).
QString nearestExistingFolder(const QString &path);

enum class FileSystemKind {
    Unknown,
    Fat,   // vfat, msdos
    ExFat,
    Other,
};
// The file-system kind of the nearest existing folder at or above path.
FileSystemKind fileSystemKindOf(const QString &path);
// FAT and exFAT refuse some characters and trailing dots or spaces in names.
inline bool restrictsFatNames(FileSystemKind kind)
{
    return kind == FileSystemKind::Fat || kind == FileSystemKind::ExFat;
}

} // namespace vireo
