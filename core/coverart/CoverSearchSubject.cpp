#include "core/coverart/CoverSearchSubject.h"

#include "core/library/TrackRecord.h"
#include "core/platform/Paths.h"

namespace vireo::coverart {

CoverSearchSubject subjectOfTrack(const TID3ListItem &track, int preference)
{
    return {track.PreferredArtist(preference), track.PreferredAlbum(preference), extractFileDir(track.FileName)};
}

CoverSearchSubject subjectOfAlbum(const views::AlbumEntry &cell)
{
    if (!cell.Data)
        return {};
    return {cell.Data->Artist, cell.Name, cell.Data->Folder};
}

} // namespace vireo::coverart
