#include "core/views/TrackSource.h"

namespace vireo::views {

TrackList TrackSource::allTracks() const
{
    TrackList out;
    const qsizetype n = trackCount();
    out.reserve(size_t(n));
    for (qsizetype i = 0; i < n; ++i)
        out.push_back(trackAt(i));
    return out;
}

RowFiller TrackSource::rowFiller() const
{
    return [this](const TID3ListItem *track, bool markMissing, bool showV2) {
        return fillRow(track, markMissing, showV2);
    };
}

} // namespace vireo::views
