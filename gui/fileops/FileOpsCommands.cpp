#include "gui/fileops/FileOpsCommands.h"

#include "core/library/ListRow.h"
#include "core/library/TrackRecord.h"
#include "core/views/TrackTable.h"
#include "gui/fileops/CopyTab.h"
#include "gui/fileops/CopyTabController.h"
#include "gui/fileops/DragAndDrop.h"
#include "gui/fileops/FileClipboard.h"
#include "gui/fileops/FileOpsPrompts.h"
#include "gui/fileops/SendToMenu.h"
#include "gui/fileops/TrashCommand.h"

#include <QItemSelectionModel>
#include <algorithm>
#include <QSet>
#include <QTableView>
#include <QTreeView>

namespace vireo::gui {

namespace {

// Message boxes, unless another set of prompts answers instead.
class SwitchablePrompts : public FileOpsPrompts {
public:
    FileOpsPrompts *target = nullptr;
    bool askOkCancel(QWidget *p, const QString &t) override
    {
        return target ? target->askOkCancel(p, t) : FileOpsPrompts::askOkCancel(p, t);
    }
    bool askYesNo(QWidget *p, const QString &t) override
    {
        return target ? target->askYesNo(p, t) : FileOpsPrompts::askYesNo(p, t);
    }
    void warn(QWidget *p, const QString &t) override { target ? target->warn(p, t) : FileOpsPrompts::warn(p, t); }
    void inform(QWidget *p, const QString &t) override
    {
        target ? target->inform(p, t) : FileOpsPrompts::inform(p, t);
    }
    bool pickFolder(QWidget *p, QString &path) override
    {
        return target ? target->pickFolder(p, path) : FileOpsPrompts::pickFolder(p, path);
    }
};

} // namespace

FileOpsCommands::FileOpsCommands(QWidget *window, TAdvancedFileCopy &planner, QTableView *trackList,
                                 const views::TrackTable &table, QObject *parent)
    : QObject(parent), m_window(window), m_list(trackList), m_table(table),
      m_prompts(std::make_unique<SwitchablePrompts>())
{
    m_tab = new CopyTab;
    m_copy = new CopyTabController(*m_tab, planner, *m_prompts, this);
    m_sendTo = new SendToMenu(window, *m_prompts, [this] { return selectedPaths(false); }, {}, this);

    // Rows marked as missing files are dragged too: the target decides.
    m_drag = new TrackDragSource(trackList, [this] { return selectedPaths(false); }, this);
    connect(m_drag, &TrackDragSource::dragStarting, this, [this] { emit selectionSizeText(QStringLiteral("0")); });
    connect(m_drag, &TrackDragSource::dragFinished, this,
            [this](Qt::DropAction, const QString &text) { emit statusText(text); });

    // A drop on the copy list appends the track list's selection; the
    // dropped data itself is not read.
    m_copyDrop = new FileDropTarget(m_tab->ListView_Select, FileDropTarget::Effects::CopyOnly, this);
    connect(m_copyDrop, &FileDropTarget::dropped, this, &FileOpsCommands::orderedCopy);
}

FileOpsCommands::~FileOpsCommands() = default;

void FileOpsCommands::setPrompts(FileOpsPrompts *prompts)
{
    static_cast<SwitchablePrompts &>(*m_prompts).target = prompts;
}

void FileOpsCommands::attachArtistTree(QTreeView *tree)
{
    m_treeDrop = new FileDropTarget(tree, FileDropTarget::Effects::CopyMoveLink, this);
    m_treeDrop->setSelectsUnderPointer(true);
    connect(m_treeDrop, &FileDropTarget::dropped, this, &FileOpsCommands::filesDroppedOnTree);
}

std::vector<int> FileOpsCommands::selectedRows() const
{
    std::vector<int> rows;
    const QItemSelectionModel *sel = m_list->selectionModel();
    if (!sel)
        return rows;
    for (const QModelIndex &i : sel->selectedRows())
        if (i.row() < m_table.rowCount())
            rows.push_back(i.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

QStringList FileOpsCommands::selectedPaths(bool skipMissing) const
{
    QStringList out;
    for (int row : selectedRows()) {
        const TID3ListItem *t = m_table.track(row);
        if (t && !(skipMissing && m_table.imageIndex(row) == RowImageMissing))
            out << t->FileName;
    }
    return out;
}

void FileOpsCommands::orderedCopy()
{
    const std::vector<int> rows = selectedRows();
    std::vector<ListRow> copies;
    copies.reserve(rows.size());
    for (int r : rows) {
        ListRow row;
        row.Data = m_table.track(r);
        const auto &cells = m_table.row(r).Cells;
        for (const QString &c : cells)
            row.Cells << c;
        row.ImageIndex = m_table.imageIndex(r);
        copies.push_back(std::move(row));
    }
    std::vector<const ListRow *> pointers;
    pointers.reserve(copies.size());
    for (const ListRow &r : copies)
        pointers.push_back(&r);
    m_copy->appendRows(pointers);
}

void FileOpsCommands::filesToClipboard() { PutFilesOnClipboard(selectedPaths(true)); }

void FileOpsCommands::deleteFiles()
{
    const std::vector<int> rows = selectedRows();
    if (rows.empty())
        return;
    const auto &first = m_table.row(rows.front()).Cells;
    const TrashCommand command(*m_prompts, m_trash);
    const QStringList gone = command.run(m_window, first[2], first[4], selectedPaths(false));
    if (gone.isEmpty())
        return;
    const QSet<QString> goneSet(gone.begin(), gone.end());
    std::vector<TID3ListItem *> tracks;
    std::vector<const TID3ListItem *> constTracks;
    for (int r : rows) {
        TID3ListItem *t = m_table.track(r);
        if (t && goneSet.contains(t->FileName)
            && std::find(tracks.begin(), tracks.end(), t) == tracks.end()) {
            tracks.push_back(t);
            constTracks.push_back(t);
        }
    }
    m_copy->forgetTracks(constTracks);
    emit tracksGone(tracks);
}

void FileOpsCommands::forgetTracks(const std::vector<const TID3ListItem *> &tracks) { m_copy->forgetTracks(tracks); }

} // namespace vireo::gui
