#pragma once
// The tracks behind a playlist's entries. Each entry is resolved against the
// playlist's own folder (never the process's current folder). A file that
// exists is the library's track (read and added when the library lacks it);
// a file that is gone is a stand-in record owned here: it shows the
// missing-file mark but never becomes a track of the library or its caches.
#include "core/views/TrackSource.h"

#include <QHash>
#include <QString>

#include <memory>

namespace vireo {

class TID3ListItem;
class TID3TagUseful;
class TM3UFile;

namespace playlists {

class MissingTracks {
public:
    MissingTracks();
    ~MissingTracks();
    MissingTracks(const MissingTracks &) = delete;
    MissingTracks &operator=(const MissingTracks &) = delete;

    // The stand-in of a path: made on first use and kept, with the same
    // address, for the life of this object (views may borrow it).
    TID3ListItem *standIn(const QString &path);
    qsizetype count() const { return m_byPath.size(); }

private:
    QHash<QString, std::shared_ptr<TID3ListItem>> m_byPath;
};

// The track for an already resolved path: the library's (FindOrRead with the
// file's date and size) when a regular file is there, otherwise the stand-in.
TID3ListItem *entryTrack(TID3TagUseful &store, const QString &path, MissingTracks &missing);

// One track per entry of the playlist, in entry order (an entry named twice
// gives the same track twice).
views::TrackList playlistTracks(TID3TagUseful &store, const TM3UFile &playlist, MissingTracks &missing);

} // namespace playlists
} // namespace vireo
