#include "gui/playback/TrackListRows.h"

#include "core/library/TrackRecord.h"
#include "core/views/TrackTable.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

namespace vireo::gui {

QVector<PlayListEntry> trackTableRows(const views::TrackTable &table)
{
    QVector<PlayListEntry> out;
    out.reserve(table.rowCount());
    for (int r = 0; r < table.rowCount(); ++r) {
        TID3ListItem *track = table.track(r);
        if (!track)
            continue;
        PlayListEntry e;
        e.path = track->FileName;
        e.row.Data = track;
        const views::TrackRow &row = table.row(r);
        e.row.Cells = QStringList(row.Cells.begin(), row.Cells.end());
        e.row.ImageIndex = row.ImageIndex;
        out << e;
    }
    return out;
}

std::vector<bool> selectedRowFlags(const QAbstractItemView *view, int rowCount)
{
    std::vector<bool> flags(size_t(std::max(rowCount, 0)), false);
    if (!view || !view->selectionModel())
        return flags;
    for (const QModelIndex &i : view->selectionModel()->selectedRows())
        if (i.row() >= 0 && i.row() < rowCount)
            flags[size_t(i.row())] = true;
    return flags;
}

} // namespace vireo::gui
