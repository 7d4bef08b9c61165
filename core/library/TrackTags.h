#pragma once
// A track record made from a file's own tags, outside the library (a file
// the command line names, a file about to be repaired).
#include "core/library/TrackRecord.h"

namespace vireo {

// Sets V1 and V2 of the track from its file's tags, each only when the file
// has that tag; a tag that cannot be read counts as absent.
void readTrackTags(TID3ListItem &track);

} // namespace vireo
