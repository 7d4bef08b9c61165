#pragma once
// One save over one or many tracks, as every editor does it: the undo
// journal keeps each file's tag bytes before it changes, the track's writes
// run and their results are checked, a file that failed is read again into the
// library, and the save goes on with the next file. Progress is reported
// before each file; the caller may cancel between files.
#include "core/platform/Result.h"

#include <QList>
#include <QString>

#include <functional>

namespace vireo {
class TID3ListItem;
class TID3TagUseful;
}

namespace vireo::editing {

class UndoJournal;

struct FileFailure {
    QString path;
    Result result;
};

struct SaveOutcome {
    int total = 0;
    int done = 0;               // files handled (written or failed)
    bool cancelled = false;
    QList<FileFailure> failures;
    QList<TID3ListItem *> tracks; // the library's records after the save, in input order (handled ones)
    Result journal;             // why the save is not undoable, when it is not
    bool ok() const { return failures.isEmpty(); }
    // "path: reason" of every failure, one a line.
    QString failureList() const;
};

// Called before each file (index from 0); false cancels the rest.
using SaveProgress = std::function<bool(int index, int total, const QString &path)>;
// Changes one track's record and writes it; returns the first failure.
using TrackWrite = std::function<Result(TID3ListItem &track)>;

SaveOutcome runSave(TID3TagUseful &store, UndoJournal *journal, const QString &description,
                    const QList<TID3ListItem *> &tracks, const TrackWrite &write,
                    const SaveProgress &progress = {});

struct UndoOutcome;
// Takes back the newest save of the journal and reads the files it restored
// again into the library.
UndoOutcome undoLastSave(TID3TagUseful &store, UndoJournal &journal);

// The one message for a failed file: its path and the reason.
QString failureMessage(const FileFailure &f);

} // namespace vireo::editing
