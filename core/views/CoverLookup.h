#pragma once
// The cover picture of an album, looked up on first use rather than when the
// node is made: the album-named ".jpg" in its folder, else "folder.jpg", else
// the picture embedded in the ID3v2 tag of the album's first track.
#include "core/platform/Result.h"
#include "core/views/NodeData.h"

#include <QByteArray>

namespace vireo::views {

// Where an album's cover comes from.
struct CoverArt {
    enum Kind { None, File, Embedded };
    Kind kind = None;
    QString path;          // the picture file, or the track whose tag holds the picture
    QByteArray embedded;   // Embedded: the picture bytes (already read with the tag)
    QString embeddedMime;  // Embedded: the MIME type the tag states (not trusted for decoding)
};

// Cover files larger than this are refused rather than read into memory.
inline constexpr qint64 kMaxCoverFileBytes = 32 * 1024 * 1024;

// Looks for the cover of the album named `album` whose first track is
// `trackFile` in `folder`. Picture files are only looked at (not read); the
// track's tag is read only when neither file exists. Logs
// "カバーアート画像ファイルが存在しない：" and the album when no file exists.
CoverArt FindCoverArt(const QString &folder, const QString &album, const QString &trackFile);

// The picture embedded in a track's ID3v2 tag (kind None when it has none).
CoverArt embeddedCover(const QString &trackFile);

// The picture bytes of a cover: the file read whole (at most
// kMaxCoverFileBytes), or the embedded bytes. Fails with the file and cause.
ResultOf<QByteArray> loadCoverBytes(const CoverArt &cover);

// The payload form: runs the lookup once per payload (later calls return the
// first answer); sets CoverLookedUp, CoverFound, CoverFile and CoverEmbedded.
// Payloads of another kind give false.
bool lookUpCoverFile(T_Vireo_NodeData &data);
// Forgets an earlier answer, so the next lookup looks again (after a cover search saved a file).
void forgetCoverLookup(T_Vireo_NodeData &data);

} // namespace vireo::views
