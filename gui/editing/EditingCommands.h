#pragma once
// The editing commands as the main window runs them: the openers of the tag
// editor (or the external one), the bulk editor, the artist and album renames
// and adds from the artist tree, the drops of files onto it, and the undo of
// the last save. It owns the dialogs and the undo journal; the window wires
// its menus to these calls and refreshes its views on libraryChanged.
#include "core/editing/Rename.h"
#include "core/editing/UndoJournal.h"

#include <QObject>
#include <QPoint>

#include <memory>
#include <optional>

class QWidget;

namespace vireo {
class TID3ListItem;
class TID3TagUseful;
}

class QAction;

namespace vireo::views {
class LibraryViews;
}

namespace vireo::gui {
class StoreAccess;
class TreeNodeModel;
struct TrackAreaWidgets;
struct TreePanelWidgets;
}

namespace vireo::gui::editing {

class TID3AllSetDlg;
class TID3TagEditDlg;
class TMdlgForm;

class EditingCommands : public QObject {
    Q_OBJECT
public:
    // The store is asked for at each command (it exists only between start-up and shutdown).
    EditingCommands(const StoreAccess &store, QWidget *window);
    ~EditingCommands() override;

    // The external tag editor (settings ID3TAGEditorFlg and ID3TAGEditor).
    void setExternalEditor(bool on, const QString &program);

    // "ID3Tag編集": the record refreshed from its file, then the external
    // editor started on it, or the dialog shown. True when something was saved.
    bool editTrack(vireo::TID3ListItem *track);
    // "ID3Tag一括編集"/"ID3TAG一括編集".
    bool editTracks(const QList<vireo::TID3ListItem *> &tracks);
    // "Artist名変更" over the artist's track set; false when cancelled.
    bool renameArtist(const QString &artist, const QList<vireo::TID3ListItem *> &tracks);
    // "Album名変更" over the tracks of the list; artist: the one to select afterwards.
    bool renameAlbum(const QString &artist, const QString &album, const QList<vireo::TID3ListItem *> &tracks);
    // "Artist名追加"/"Album追加": the name asked; nothing when cancelled.
    std::optional<QString> askNewName(vireo::editing::NameMode mode);
    // Files dropped on an artist node (album empty) or an album node, after the question.
    bool applyDrop(const QStringList &paths, const QString &artist, const std::optional<QString> &album);
    // "直前の保存を取り消す".
    bool undoLastSave();

    vireo::editing::UndoJournal &journal() { return m_journal; }
    TMdlgForm &nameDialog();

    // Wires the track list's "ID3Tag編集" (toolbar and menu) to the selected row
    // and "ID3Tag一括編集" to the selected rows, or all rows when none is selected.
    void attachTrackArea(TrackAreaWidgets &w, views::LibraryViews &views);
    // The tree menu's "Artist名変更", "Album名変更" (enabled for the node and
    // page as the menu opens) and "ID3TAG一括編集" (every row of the list).
    void attachTreeMenu(TreePanelWidgets &w, TreeNodeModel &artistModel, TreeNodeModel &albumModel,
                        views::LibraryViews &views);
    // "直前の保存を取り消す" (Ctrl+Z), owned by the window.
    QAction *makeUndoAction(QWidget *window);

signals:
    // After a save: rebuild the trees (or only refill the list) and select the
    // artist and album (an empty artist: the current one).
    void libraryChanged(bool rebuildTrees, const QString &artist, const QString &album);

private:
    bool report(const vireo::editing::SaveOutcome &out);
    TID3TagEditDlg &tagEditor(vireo::TID3TagUseful &store);
    TID3AllSetDlg &bulkEditor(vireo::TID3TagUseful &store);

    const StoreAccess &m_store;
    QWidget *m_window;
    vireo::editing::UndoJournal m_journal;
    bool m_external = false;
    QString m_externalProgram;
    vireo::TID3TagUseful *m_dialogStore = nullptr; // the store the dialogs were made for
    std::unique_ptr<TID3TagEditDlg> m_tagEditor;
    std::unique_ptr<TID3AllSetDlg> m_bulkEditor;
    std::unique_ptr<TMdlgForm> m_nameDialog;
};

} // namespace vireo::gui::editing
