#pragma once
// The track list as the play commands take it: every row of the track table
// in display order (path, cells, image) and one selection flag per row.
#include "core/playback/PlayListPlayer.h"

#include <vector>

class QAbstractItemView;

namespace vireo::views {
class TrackTable;
}

namespace vireo::gui {

QVector<PlayListEntry> trackTableRows(const views::TrackTable &table);
std::vector<bool> selectedRowFlags(const QAbstractItemView *view, int rowCount);

} // namespace vireo::gui
