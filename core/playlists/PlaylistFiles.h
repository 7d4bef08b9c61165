#pragma once
// PlaylistFiles: the playlists of the playlist tab, one TM3UFile per ".m3u"
// file of the playlist folder, in the order the folder search found them.
// The objects are shared: the playlist editor may keep one as its current
// playlist or in its list, and it stays valid after the tab reloads.
#include "core/library/FindFiles.h"
#include "core/playlists/M3UFile.h"
#include "core/playlists/PlaylistTracks.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace vireo::playlists {

using PlaylistPtr = std::shared_ptr<TM3UFile>;

struct ReloadOutcome {
    // One text per playlist that could not be read (its path and the cause);
    // the reload went on with the others.
    QStringList Skipped;
    bool Cancelled = false;
};

class PlaylistFiles {
public:
    // Lets go of the current objects, then searches folder and every folder
    // below it, depth first in the order the file system lists them, for files
    // whose extension is ".m3u" without regard to case (".m3u8" is another
    // format), and reads each. An empty folder setting lists nothing.
    ReloadOutcome Reload(const QString &folder, SearchProgress *progress = nullptr);
    // Shutdown: lets go of every object.
    void Clear() { m_files.clear(); }

    const std::vector<PlaylistPtr> &Files() const { return m_files; }
    qsizetype Count() const { return qsizetype(m_files.size()); }
    // nullptr outside 0..Count()-1.
    PlaylistPtr At(qsizetype index) const;
    // The position of an object, or -1.
    qsizetype IndexOf(const TM3UFile *playlist) const;

    // A node's caption: the file's name with extension, without the folder.
    static QString Caption(const TM3UFile &playlist);

    // The tracks of a playlist as the track list shows them (see playlistTracks);
    // the stand-ins of missing files live as long as this object.
    views::TrackList Show(TID3TagUseful &store, const TM3UFile &playlist);
    MissingTracks &Missing() { return m_missing; }

private:
    std::vector<PlaylistPtr> m_files;
    MissingTracks m_missing;
};

// The one message that names every playlist a reload skipped ("" when none).
QString skippedMessage(const ReloadOutcome &outcome);

} // namespace vireo::playlists
