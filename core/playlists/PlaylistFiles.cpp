#include "core/playlists/PlaylistFiles.h"

#include "core/library/EventLog.h"
#include "core/platform/Paths.h"
#include "core/playlists/PlaylistTexts.h"

namespace vireo::playlists {

ReloadOutcome PlaylistFiles::Reload(const QString &folder, SearchProgress *progress)
{
    m_files.clear();
    ReloadOutcome outcome;
    if (folder.isEmpty())
        return outcome;
    const SearchResult found = FindFiles(folder, u".m3u", progress);
    outcome.Cancelled = found.Cancelled;
    m_files.reserve(size_t(found.Files.size()));
    for (const FoundFile &f : found.Files) {
        ResultOf<TM3UFile> file = TM3UFile::Create(f.Path);
        if (!file) {
            WriteLog(file.message());
            outcome.Skipped << file.message();
            continue;
        }
        m_files.push_back(std::make_shared<TM3UFile>(std::move(*file)));
    }
    return outcome;
}

PlaylistPtr PlaylistFiles::At(qsizetype index) const
{
    return index >= 0 && index < Count() ? m_files[size_t(index)] : nullptr;
}

qsizetype PlaylistFiles::IndexOf(const TM3UFile *playlist) const
{
    for (size_t i = 0; i < m_files.size(); ++i)
        if (m_files[i].get() == playlist)
            return qsizetype(i);
    return -1;
}

QString PlaylistFiles::Caption(const TM3UFile &playlist) { return extractFileName(playlist.FileName()); }

views::TrackList PlaylistFiles::Show(TID3TagUseful &store, const TM3UFile &playlist)
{
    return playlistTracks(store, playlist, m_missing);
}

QString skippedMessage(const ReloadOutcome &outcome)
{
    if (outcome.Skipped.isEmpty())
        return {};
    return kSkippedHead + u'\n' + outcome.Skipped.join(u'\n');
}

} // namespace vireo::playlists
