#pragma once
// A recursive walk over a folder and every folder below it, in the order the
// file system lists them. Hidden entries are included; only regular files
// are reported (a symbolic link counts as what it points to); a folder
// reached again through a symbolic link is not entered twice, so link loops
// end. Names that are not valid UTF-8, folders that cannot be listed and
// copies left behind by a killed save (which are removed) are reported as
// problems with a message naming the entry and the cause.
#include <QString>
#include <cstddef>
#include <cstdint>

namespace vireo {

class DirectoryVisitor {
public:
    virtual ~DirectoryVisitor() = default;
    // Once per folder, before it is listed.
    virtual void beforeListing() {}
    // A folder about to be entered (path without a final "/").
    virtual void enterFolder(const QString &folder) { (void)folder; }
    // Whether a regular file's name (raw bytes) is wanted; only wanted files
    // are looked at further.
    virtual bool wantName(const char *name, size_t length) const = 0;
    // A wanted file with its packed DOS date (-1 when it cannot be packed) and size.
    virtual void file(const QString &path, int32_t dosDate, int64_t size) = 0;
    virtual void problem(const QString &message) = 0;
    // Asked before every entry; true ends the walk at once.
    virtual bool cancelled() { return false; }
};

// folder ends with "/".
void walkDirectory(const QString &folder, DirectoryVisitor &visitor);

} // namespace vireo
