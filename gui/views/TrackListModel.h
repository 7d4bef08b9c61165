#pragma once
// The item model of the track list: the twelve columns over the core's track
// table, with the row images and the alternating row colours.
#include <QAbstractTableModel>
#include <QColor>

namespace vireo::views {
class TrackTable;
}

namespace vireo::gui {

class DataModule;

class TrackListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TrackListModel(views::TrackTable &table, const DataModule &images, QObject *parent = nullptr);

    // The table's rows were replaced, removed or re-sorted.
    void rowsReplaced();
    // The rows stay; their cells or images were made again (refreshCells).
    void cellsChanged();
    // Odd positions get `odd`, even positions `even` (so the first row has the second colour).
    void setRowColours(const QColor &odd, const QColor &even);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    views::TrackTable &m_table;
    const DataModule &m_images;
    QColor m_odd = QColor(0xE8, 0xE8, 0xFF);
    QColor m_even;
};

} // namespace vireo::gui
