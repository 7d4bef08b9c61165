#pragma once
// The item model of the copy list (ListView_Select): the order number and the
// track-list cells of each row, with the copied mark as the row's picture.
#include <QAbstractTableModel>
#include <QIcon>

namespace vireo {
class CopyList;
}

namespace vireo::gui {

class CopyListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit CopyListModel(CopyList &list, QObject *parent = nullptr);

    // The list changed in more than one row (append, remove, clear, move).
    void reload();
    // One row's copied mark changed.
    void rowChanged(int row);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    CopyList &m_list;
    QIcon m_copiedMark;
};

} // namespace vireo::gui
