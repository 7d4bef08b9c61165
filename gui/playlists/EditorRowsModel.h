#pragma once
// The item model of the playlist editor's list `ListView_Fav`: the editor's
// rows in their order, twelve columns, the row image in the first one.
#include <QAbstractTableModel>

#include <vector>

namespace vireo::playlists {
struct EditorRow;
}

namespace vireo::gui {

class DataModule;

class EditorRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    EditorRowsModel(const std::vector<playlists::EditorRow> &rows, const DataModule &images,
                    QObject *parent = nullptr);

    // The rows were replaced, moved or deleted.
    void rowsReplaced();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const std::vector<playlists::EditorRow> &m_rows;
    const DataModule &m_images;
};

} // namespace vireo::gui
