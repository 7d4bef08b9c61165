#pragma once
// The temporary playlist "$$vire$$.m3u" in the program folder: which rows of
// the track list go into it, the shuffle of its lines, and writing it in the
// plain form (UTF-8 paths, CR LF), so a Linux player finds every file,
// Japanese names included.
#include "core/platform/Result.h"

#include <QString>
#include <QStringList>

#include <random>
#include <vector>

namespace vireo {

QString temporaryPlaylistPath(); // programFolder() + "$$vire$$.m3u"

// The paths of the selected rows: from the first selected row to the end of
// the list, each row that is selected, in list order. Empty without a selection.
QStringList selectedRowPaths(const QStringList &rowPaths, const std::vector<bool> &selected);

// 10 x n exchanges of two lines drawn at random (a draw may give one line
// twice); one line or none stays as it is.
void shuffleLines(QStringList &lines, std::mt19937 &generator);
// A generator seeded from the clock, for the shuffle toggle.
std::mt19937 clockSeededGenerator();

// Writes the temporary playlist; when shuffle is set its lines are shuffled
// first with the generator. Fails with the cause when it cannot be written.
Result writeTemporaryPlaylist(const QString &path, QStringList paths, bool shuffle,
                              std::mt19937 &generator);
// Deletes the temporary playlist at shutdown when it exists.
void removeTemporaryPlaylist(const QString &path);

} // namespace vireo
