#include "core/library/TrackTags.h"

#include "core/formats/ID3v1.h"
#include "core/formats/ID3v2.h"

namespace vireo {

void readTrackTags(TID3ListItem &track)
{
    TID3v1 v1;
    if (v1.LoadTag(track.FileName) && v1.Present())
        track.SetV1(TID3v1Record::FromTag(v1));
    TID3v2 v2;
    if (v2.LoadTag(track.FileName) && v2.Present())
        track.SetV2(TID3v2Record::FromTag(v2));
}

} // namespace vireo
