#pragma once
// What a cover search is for: the keywords (artist, album) and the folder the
// chosen picture is saved into. The track list's current row and a cell of
// the cover strip both name an album; both go through here so they search
// and save alike.
#include "core/views/NodeData.h"

#include <QString>

namespace vireo {
class TID3ListItem;
}

namespace vireo::coverart {

struct CoverSearchSubject {
    QString artist;
    QString album;
    QString folder; // no final "/"

    bool operator==(const CoverSearchSubject &) const = default;
};

// A track: its artist and album as the tag preference picks them, its folder.
CoverSearchSubject subjectOfTrack(const TID3ListItem &track, int preference);
// A cover strip cell: the album node's artist key, the cell's album name and
// the folder of the track that made the node. Empty when the cell has no node.
CoverSearchSubject subjectOfAlbum(const views::AlbumEntry &cell);

} // namespace vireo::coverart
