#pragma once
// The file commands of the main window, over the track list: the copy tab
// with its controller, "選択順にコピー", "ファイルコピー ", "ファイル削除",
// "送る", dragging tracks out of the track list, and the drop targets of the
// copy list and the artist tree. The window connects its actions here and
// reacts to tracksGone (the track list and the library forget them) and
// filesDroppedOnTree (the rename by drop).
#include "core/fileops/ShellHelpers.h"

#include <QObject>
#include <QPoint>
#include <QStringList>
#include <memory>
#include <vector>

class QTableView;
class QTreeView;
class QWidget;

namespace vireo {
class TAdvancedFileCopy;
class TID3ListItem;
struct ListRow;
namespace views {
class TrackTable;
}
}

namespace vireo::gui {

class CopyTab;
class CopyTabController;
class FileDropTarget;
class FileOpsPrompts;
class SendToMenu;
class TrackDragSource;

class FileOpsCommands : public QObject {
    Q_OBJECT
public:
    // trackList shows table's rows in display order.
    FileOpsCommands(QWidget *window, TAdvancedFileCopy &planner, QTableView *trackList,
                    const views::TrackTable &table, QObject *parent = nullptr);
    ~FileOpsCommands() override;

    CopyTab &tab() { return *m_tab; }
    CopyTabController &copyTab() { return *m_copy; }
    SendToMenu &sendTo() { return *m_sendTo; }
    TrackDragSource &dragSource() { return *m_drag; }
    FileDropTarget &copyListDrop() { return *m_copyDrop; }
    FileDropTarget *artistTreeDrop() { return m_treeDrop; }
    // Questions and messages go to these prompts instead of message boxes
    // (tests); nullptr gives the message boxes back.
    void setPrompts(FileOpsPrompts *prompts);
    // The Trash ("ファイル削除"); the freedesktop.org Trash unless a test gives another.
    void setTrash(TrashFunction trash) { m_trash = std::move(trash); }

    // Files dropped on the artist tree are announced by filesDroppedOnTree.
    void attachArtistTree(QTreeView *tree);

    // "選択順にコピー" and a drop on the copy list.
    void orderedCopy();
    // "ファイルコピー ": the selected rows' files, missing ones left out.
    void filesToClipboard();
    // "ファイル削除": the question, the Trash, then tracksGone for the files that went.
    void deleteFiles();
    // The tracks that left the library some other way leave the copy list.
    void forgetTracks(const std::vector<const TID3ListItem *> &tracks);

    // Paths of the selected rows in display order.
    QStringList selectedPaths(bool skipMissing) const;

signals:
    // These tracks' files went to the Trash (or were gone already): the
    // track list and the library must forget them.
    void tracksGone(const std::vector<vireo::TID3ListItem *> &tracks);
    void filesDroppedOnTree(const QStringList &paths, Qt::DropAction action, QPoint pos);
    // Status bar: the selected size ("0" when a drag starts) and the message field.
    void selectionSizeText(const QString &text);
    void statusText(const QString &text);

private:
    std::vector<int> selectedRows() const;

    QWidget *m_window;
    QTableView *m_list;
    const views::TrackTable &m_table;
    std::unique_ptr<FileOpsPrompts> m_prompts;
    TrashFunction m_trash;
    CopyTab *m_tab;
    CopyTabController *m_copy;
    SendToMenu *m_sendTo;
    TrackDragSource *m_drag;
    FileDropTarget *m_copyDrop;
    FileDropTarget *m_treeDrop = nullptr;
};

} // namespace vireo::gui
