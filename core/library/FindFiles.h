#pragma once
// The recursive file search of a folder scan: every file under a folder whose
// extension matches, with its date and size, in the order the file system
// lists them. The caller shows progress and may cancel.
#include <QList>
#include <QString>
#include <QStringView>

#include <cstdint>

namespace vireo {

struct FoundFile {
    QString Path;
    int32_t Date = -1; // packed DOS date-time of the last write; -1 when it cannot be packed
    int64_t Size = 0;
};

// What the search window does while the search runs.
class SearchProgress {
public:
    virtual ~SearchProgress() = default;
    // Once per folder, before it is listed (the window repaints, Cancel can be pressed).
    virtual void processEvents() {}
    // A folder about to be searched, and a file found.
    virtual void showFolder(const QString &folder) { Q_UNUSED(folder); }
    virtual void showFile(const QString &path) { Q_UNUSED(path); }
    // Asked before every entry; true ends the search at once.
    virtual bool cancelRequested() { return false; }
};

struct SearchResult {
    QList<FoundFile> Files;
    bool Cancelled = false;
};

// Searches folder (with or without a final "/") and every folder below it
// for files whose extension (from the last "." of the name) equals extension
// without regard to case. Hidden entries are included; only regular files
// are taken (a symbolic link counts as what it points to). A folder reached
// again through a symbolic link is not entered twice, so link loops end.
// Names that are not valid UTF-8 are skipped with a log line. Folders that
// cannot be listed add nothing (with a log line naming the folder and the
// cause); copies left behind by an interrupted save are removed.
SearchResult FindFiles(const QString &folder, QStringView extension, SearchProgress *progress = nullptr);

} // namespace vireo
