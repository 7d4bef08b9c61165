#include "core/editing/SaveBatch.h"

#include "core/editing/EditingTexts.h"
#include "core/editing/TagWriteBack.h"
#include "core/editing/UndoJournal.h"
#include "core/library/EventLog.h"
#include "core/library/LibraryStore.h"

namespace vireo::editing {

QString SaveOutcome::failureList() const
{
    QStringList lines;
    for (const FileFailure &f : failures)
        lines.append(f.path + QStringLiteral(": ") + reasonText(f.result));
    return lines.join(QLatin1Char('\n'));
}

QString failureMessage(const FileFailure &f)
{
    // The reason in words, then the system's own text (it may name another
    // file, such as a picture that could not be read).
    return texts::writeFailed().arg(f.path, reasonText(f.result) + QLatin1Char('\n') + f.result.message());
}

SaveOutcome runSave(TID3TagUseful &store, UndoJournal *journal, const QString &description,
                    const QList<TID3ListItem *> &tracks, const TrackWrite &write, const SaveProgress &progress)
{
    SaveOutcome out;
    out.total = int(tracks.size());
    std::unique_ptr<UndoJournal::Recording> rec = journal ? journal->begin(description) : nullptr;
    if (rec) {
        // Every file's tag bytes are on disk, with one sync, before the first file changes.
        QStringList paths;
        paths.reserve(tracks.size());
        for (const TID3ListItem *t : tracks)
            paths.append(t->FileName);
        rec->keepAll(paths);
    }
    for (int i = 0; i < out.total; ++i) {
        TID3ListItem *track = tracks[i];
        if (progress && !progress(i, out.total, track->FileName)) {
            out.cancelled = true;
            break;
        }
        const QString path = track->FileName;
        const Result r = write(*track);
        if (rec)
            rec->written(path);
        if (r) {
            out.tracks.append(lookUpAgain(store, track));
        } else {
            WriteLog(QStringLiteral("タグ書き込み失敗：") + r.message());
            out.failures.append({path, r});
            // The record may hold values the file does not: read it again.
            out.tracks.append(store.FindTrack(path) ? reloadFromFile(store, track) : track);
        }
        ++out.done;
    }
    if (rec) {
        if (rec->overLimit())
            out.journal = Result::failure(ErrorCode::TooLarge, texts::undoUnavailable());
        if (const Result c = rec->commit(); !c && out.journal.ok())
            out.journal = c;
    }
    return out;
}

UndoOutcome undoLastSave(TID3TagUseful &store, UndoJournal &journal)
{
    UndoOutcome out = journal.undoLast();
    for (const QString &path : out.restored)
        if (TID3ListItem *t = store.FindTrack(path))
            reloadFromFile(store, t);
    if (out.hadEntry)
        WriteLog(QStringLiteral("保存の取り消し：") + out.description);
    return out;
}

} // namespace vireo::editing
