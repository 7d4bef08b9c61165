#pragma once
// The cover a track's album gets, as the cover strip would find it, and what
// that picture is (format and pixel size from its content).
#include "core/views/CoverLookup.h"
#include "core/views/PictureInfo.h"

namespace vireo::views {

struct TrackCover {
    QString album;          // the track's preferred album name
    CoverArt cover;         // where the picture comes from (None when nothing was found)
    PictureInfo picture;    // valid when pictureError is empty and a cover was found
    QString pictureError;   // why the picture cannot be read or recognised
};

// Reads the track's tags, takes the preferred album (preference 1 ID3v1
// first, 2 ID3v2 first) and looks its cover up in the track's folder.
// Fails when the track file does not exist or cannot be read.
ResultOf<TrackCover> findTrackCover(const QString &trackFile, int preference);

} // namespace vireo::views
