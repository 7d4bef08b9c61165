#pragma once
// The folder scan that fills the library from the disk, and the commands
// built on it (open the default folder, cache rebuild). A window or the
// command line drives them through a ScanHost that shows the progress and
// rebuilds its views at the right moment.
#include "core/library/FindFiles.h"

#include <QList>
#include <QStringList>
#include <QString>

namespace vireo {

class TID3TagUseful;

struct ScanOutcome {
    bool Searched = false;  // false when CacheOnly kept the disk out of it
    bool Cancelled = false; // the search was cancelled; the files found so far were read
    QList<FoundFile> Files; // the files found, in the order found
    qsizetype ReadFromTags = 0; // files whose tags were read (new or changed)
    qsizetype FromLibrary = 0;  // files the library already held unchanged
    QString CountText;          // "MP3ファイル数：" and the count the status bar shows
};

// What the caller of a scan provides. Every step has a default that does nothing.
class ScanHost : public SearchProgress {
public:
    // The scan begins: empty the track list, show the search window.
    virtual void scanStarted(const QString &folder) { Q_UNUSED(folder); }
    // The search is over; tags are read now (no cancel any more).
    virtual void readingTags(qsizetype total) { Q_UNUSED(total); }
    // Before the tags of one found file are looked up (index counts from 0).
    virtual void readingFile(const QString &path, qsizetype index, qsizetype total)
    {
        Q_UNUSED(path); Q_UNUSED(index); Q_UNUSED(total);
    }
    // The search window closes.
    virtual void searchFinished() {}
    // Rebuild the views from the library: the trees and the playlist list
    // for a whole-library scan, the folder view otherwise. After a whole-library
    // rebuild no view may hold a track that left the library.
    virtual void rebuildViews(bool wholeLibrary, const ScanOutcome &outcome)
    {
        Q_UNUSED(wholeLibrary); Q_UNUSED(outcome);
    }
    // The status bar's track count ("MP3ファイル数：" and the number).
    virtual void showTrackCount(const QString &text) { Q_UNUSED(text); }
    // The library was emptied (cache rebuild): drop every borrowed track now.
    virtual void libraryCleared() {}
    // A message box.
    virtual void showMessage(const QString &text) { Q_UNUSED(text); }
    // With trusted caches (CacheOnly), whether the existence of the library's
    // files is checked later by the host instead of during the scan.
    virtual bool defersExistenceCheck() const { return false; }
};

// The scan of a folder: searches it for ".MP3" files unless the store's
// CacheOnly is set, looks every file up with FindOrRead, runs RefreshFlags
// and lets the host rebuild its views.
// presearched: the result of FindFiles on the same folder made beforehand
// (for example on another thread while the caches loaded); used instead of
// searching again.
ScanOutcome ScanFolder(TID3TagUseful &store, const QString &folder, bool wholeLibrary, ScanHost &host,
                       SearchResult *presearched = nullptr);

// Opens the default music folder: a whole-library scan of mp3Dir. Unless
// startingUp, CacheOnly is off for the scan, so the disk is always searched.
// False (and the message shown) when mp3Dir is empty.
bool OpenDefaultFolder(TID3TagUseful &store, const QString &mp3Dir, bool startingUp, ScanHost &host,
                       ScanOutcome *outcome = nullptr, SearchResult *presearched = nullptr);

// The cache rebuild: empties the library, then opens the default folder.
bool RebuildCache(TID3TagUseful &store, const QString &mp3Dir, ScanHost &host, ScanOutcome *outcome = nullptr,
                  SearchResult *presearched = nullptr);

// Files and folders dropped on the track list: each existing file is looked
// up whatever its extension, each other name is scanned as a whole-library
// folder; then the host rebuilds its views once more. Returns the track count text.
QString DropFiles(TID3TagUseful &store, const QStringList &names, ScanHost &host);

// The message shown when no default folder is set.
QString NoMusicFolderMessage();

} // namespace vireo
