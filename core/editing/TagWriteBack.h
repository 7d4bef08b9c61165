#pragma once
// The tag write-back of the editors with its outcome checked: each call
// returns a Result that names the file and the reason it could not be written
// (read-only, vanished, disk full), and a failed file's record can be read
// again from the file so the library never shows values the file lacks.
#include "core/platform/Result.h"

#include <QByteArrayView>
#include <QString>

namespace vireo {
class TID3ListItem;
class TID3TagUseful;
class TID3v1;
}

namespace vireo::editing {

Result writeV1(TID3ListItem &track, TID3v1 &tag);
Result writeV2(TID3ListItem &track);
Result removeV1(TID3ListItem &track, TID3v1 &tag);
Result removeV2(TID3ListItem &track);

// The reason of a failed write of path, found by looking at the file and its
// folder; detail is the writer's own text when it gave one.
Result explainWriteFailure(const QString &path, const QString &detail);
// The reason alone, in the user's language, for the one failure message.
QString reasonText(const Result &r);

// The library's record of the file read again from its tags (the old record
// leaves the library; views that borrow it keep it until their rebuild).
TID3ListItem *reloadFromFile(TID3TagUseful &store, TID3ListItem *track);
// After a save: the library lookup with the file's current date and size, so
// a file whose date changed is read again.
TID3ListItem *lookUpAgain(TID3TagUseful &store, TID3ListItem *track);

// The MIME type of a picture from its first bytes: "image/jpeg", "image/png",
// "image/bmp", "image/gif", or empty when none of them.
QString pictureMimeFromContent(QByteArrayView head);
// The same for a picture file; empty when it cannot be read or is none of them.
QString pictureMimeOfFile(const QString &path);

} // namespace vireo::editing
