#include "core/playlists/PlaylistTracks.h"

#include "core/library/LibraryStore.h"
#include "core/library/TrackRecord.h"
#include "core/platform/FileAccess.h"
#include "core/playlists/M3UFile.h"

namespace vireo::playlists {

MissingTracks::MissingTracks() = default;
MissingTracks::~MissingTracks() = default;

TID3ListItem *MissingTracks::standIn(const QString &path)
{
    std::shared_ptr<TID3ListItem> &slot = m_byPath[path];
    if (!slot) {
        slot = std::make_shared<TID3ListItem>(path, 0);
        slot->Exists = false;
    }
    return slot.get();
}

TID3ListItem *entryTrack(TID3TagUseful &store, const QString &path, MissingTracks &missing)
{
    const FileStat st = path.isEmpty() ? FileStat{} : statFile(path);
    if (!st.exists || st.isDir)
        return missing.standIn(path);
    return store.FindOrRead(path, st.dosDate, st.size);
}

views::TrackList playlistTracks(TID3TagUseful &store, const TM3UFile &playlist, MissingTracks &missing)
{
    views::TrackList tracks;
    tracks.reserve(size_t(playlist.Entries().size()));
    for (const QString &entry : playlist.Entries())
        tracks.push_back(entryTrack(store, resolveM3UEntry(playlist.FileName(), entry), missing));
    return tracks;
}

} // namespace vireo::playlists
