#include "gui/views/TrackListModel.h"

#include "gui/shell/DataModule.h"
#include "core/views/TrackTable.h"

namespace vireo::gui {

TrackListModel::TrackListModel(views::TrackTable &table, const DataModule &images, QObject *parent)
    : QAbstractTableModel(parent), m_table(table), m_images(images)
{
}

void TrackListModel::rowsReplaced()
{
    beginResetModel();
    endResetModel();
}

void TrackListModel::cellsChanged()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void TrackListModel::setRowColours(const QColor &odd, const QColor &even)
{
    m_odd = odd;
    m_even = even;
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::BackgroundRole});
}

int TrackListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_table.rowCount();
}

int TrackListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : views::kTrackColumnCount;
}

QVariant TrackListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_table.rowCount())
        return {};
    const int row = index.row();
    const int col = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return col == 0 ? QVariant() : QVariant(m_table.cellText(row, col));
    case Qt::DecorationRole:
        return col == 0 ? QVariant(m_images.rowImage(m_table.imageIndex(row))) : QVariant();
    case Qt::BackgroundRole:
        if (row % 2 == 1)
            return m_odd;
        return m_even.isValid() ? QVariant(m_even) : QVariant();
    case Qt::TextAlignmentRole:
        if (views::trackColumns()[size_t(col)].RightAligned)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant TrackListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= views::kTrackColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return views::trackColumns()[size_t(section)].Caption;
    return {};
}

} // namespace vireo::gui
