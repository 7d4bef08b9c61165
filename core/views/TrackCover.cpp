#include "core/views/TrackCover.h"

#include "core/formats/ID3v1.h"
#include "core/formats/ID3v2.h"
#include "core/library/TrackRecord.h"
#include "core/platform/FileAccess.h"

#include <algorithm>

namespace vireo::views {

ResultOf<TrackCover> findTrackCover(const QString &trackFile, int preference)
{
    const FileStat st = statFile(trackFile);
    if (!st.exists)
        return Result::failure(ErrorCode::NotFound, trackFile + QStringLiteral(": no such file"));
    if (st.isDir)
        return Result::failure(ErrorCode::InvalidArgument, trackFile + QStringLiteral(": is a folder"));
    TID3v1 v1;
    TID3v2 v2;
    FileReader file;
    if (!file.open(trackFile) || !v2.LoadTag(file))
        return Result::failure(ErrorCode::IoError, trackFile + QStringLiteral(": cannot be read"));
    // A file shorter than an ID3v1 tag simply has none.
    const bool hasV1 = file.size() >= 128 && v1.LoadTag(file) && v1.Present();
    file.close();

    TID3ListItem track(trackFile, 0);
    if (hasV1)
        track.SetV1(TID3v1Record::FromTag(v1));
    if (v2.Present())
        track.SetV2(TID3v2Record::FromTag(v2));

    TrackCover out;
    out.album = track.PreferredAlbum(preference);
    const qsizetype slash = trackFile.lastIndexOf(u'/');
    const QString folder = slash < 0 ? QStringLiteral(".") : trackFile.left(std::max<qsizetype>(slash, 1));
    out.cover = FindCoverArt(folder, out.album, trackFile);
    if (out.cover.kind == CoverArt::None)
        return out;
    const ResultOf<QByteArray> bytes = loadCoverBytes(out.cover);
    if (!bytes) {
        out.pictureError = bytes.message();
        return out;
    }
    const ResultOf<PictureInfo> info = readPictureInfo(bytes.value());
    if (info)
        out.picture = info.value();
    else
        out.pictureError = out.cover.path + QStringLiteral(": ") + info.message();
    return out;
}

} // namespace vireo::views
