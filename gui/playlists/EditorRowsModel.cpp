#include "gui/playlists/EditorRowsModel.h"

#include "core/playlists/PlaylistEditor.h"
#include "gui/shell/DataModule.h"

#include <QStringList>

namespace vireo::gui {

namespace {
const QStringList &captions()
{
    static const QStringList c{QString(),
                               QStringLiteral("歌詞"),
                               QStringLiteral("フォルダ名"),
                               QStringLiteral("ファイル名"),
                               QStringLiteral("トラック"),
                               QStringLiteral("タイトル"),
                               QStringLiteral("アーティスト"),
                               QStringLiteral("アルバム"),
                               QStringLiteral("Year"),
                               QStringLiteral("Genre"),
                               QStringLiteral("Comment"),
                               QStringLiteral("ID3Info")};
    return c;
}
} // namespace

EditorRowsModel::EditorRowsModel(const std::vector<playlists::EditorRow> &rows, const DataModule &images,
                                 QObject *parent)
    : QAbstractTableModel(parent), m_rows(rows), m_images(images)
{
}

void EditorRowsModel::rowsReplaced()
{
    beginResetModel();
    endResetModel();
}

int EditorRowsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int EditorRowsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(captions().size());
}

QVariant EditorRowsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()))
        return {};
    const views::TrackRow &row = m_rows[size_t(index.row())].Row;
    if (role == Qt::DisplayRole && index.column() > 0)
        return row.Cells[size_t(index.column() - 1)];
    if (role == Qt::DecorationRole && index.column() == 0)
        return m_images.rowImage(row.ImageIndex);
    if (role == Qt::ToolTipRole)
        return m_rows[size_t(index.row())].FileName;
    return {};
}

QVariant EditorRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < captions().size())
        return captions()[section];
    return {};
}

} // namespace vireo::gui
