#include "gui/fileops/CopyListModel.h"

#include "core/fileops/CopyList.h"

#include <QApplication>
#include <QStyle>

namespace vireo::gui {

namespace {

// "歌詞" … "Comment" as on the track list, and "No" for the last cell.
QStringList cellCaptions()
{
    QStringList captions = ListRowCaptions();
    if (!captions.isEmpty())
        captions.last() = QStringLiteral("No");
    return captions;
}

} // namespace

CopyListModel::CopyListModel(CopyList &list, QObject *parent)
    : QAbstractTableModel(parent), m_list(list)
{
    m_copiedMark = QApplication::style()->standardIcon(QStyle::SP_DialogApplyButton);
}

void CopyListModel::reload()
{
    beginResetModel();
    endResetModel();
}

void CopyListModel::rowChanged(int row)
{
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

int CopyListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_list.count();
}

int CopyListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1 + ListRowCellCount;
}

QVariant CopyListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_list.count())
        return {};
    const CopyRow &row = m_list.at(index.row());
    if (role == Qt::DisplayRole) {
        if (index.column() == 0)
            return row.Caption;
        return row.Cells.value(index.column() - 1);
    }
    if (role == Qt::DecorationRole && index.column() == 0 && row.Copied)
        return m_copiedMark;
    if (role == Qt::ToolTipRole && index.column() == 0)
        return row.path();
    return {};
}

QVariant CopyListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == 0)
        return QString();
    static const QStringList captions = cellCaptions();
    return captions.value(section - 1);
}

} // namespace vireo::gui
