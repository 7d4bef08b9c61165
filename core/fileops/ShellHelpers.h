#pragma once
// The shell helpers of the track list: file sizes, the file list a file
// manager pastes from the clipboard, and the Trash with its question.
#include "core/platform/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>

class QMimeData;

namespace vireo {

// The size of a file in bytes; 0 when it cannot be found. (64-bit: MP3 files
// and, above all, other files may pass 2 GiB.)
int64_t FileSizeOf(const QString &path);

// The clipboard forms of a file list, as Linux file managers paste them.
// text/uri-list: one file:// URL per line, each ended by CR LF.
QByteArray UriListBytes(const QStringList &paths);
// x-special/gnome-copied-files: "copy", then one URL per line.
QByteArray GnomeCopiedFilesBytes(const QStringList &paths);
// text/plain: the paths, one per line.
QString PlainTextPaths(const QStringList &paths);
// A new QMimeData carrying all three forms (the caller or the clipboard owns it).
QMimeData *MakeFileMimeData(const QStringList &paths);
// The local paths of dropped or pasted data (file:// URLs only).
QStringList LocalPathsOf(const QMimeData *data);

// The question of "ファイル削除", from the first selected row's file-name and
// title cells.
QString DeleteQuestion(const QString &fileNameCell, const QString &titleCell);

struct TrashReport {
    QStringList trashed;                         // now in the Trash
    QStringList vanished;                        // no longer there at all: nothing to keep
    QList<std::pair<QString, QString>> refused;  // path and cause; still in place
    bool allTrashed() const { return refused.isEmpty(); }
    // One message naming every refused file and its cause.
    QString refusedMessage() const;
};
using TrashFunction = std::function<Result(const QString &path)>;
// Moves each file to the Trash (MoveToTrash unless another function is
// given). A refused file is never deleted by other means.
TrashReport TrashFiles(const QStringList &paths, const TrashFunction &trash = {});

} // namespace vireo
