#include "gui/editing/EditingCommands.h"

#include "core/editing/EditingTexts.h"
#include "core/editing/ExternalTagEditor.h"
#include "core/library/EventLog.h"
#include "core/editing/SaveBatch.h"
#include "core/editing/TagWriteBack.h"
#include "core/library/LibraryStore.h"
#include "core/library/TrackRecord.h"
#include "core/platform/FileAccess.h"
#include "core/platform/Paths.h"
#include "gui/editing/BulkEditDialog.h"
#include "gui/editing/EditingMessages.h"
#include "gui/editing/NameDialog.h"
#include "gui/editing/SaveProgressWindow.h"
#include "gui/editing/TagEditDialog.h"
#include "gui/shell/StoreAccess.h"

#include "core/views/LibraryViews.h"
#include "gui/shell/TrackAreaWidgets.h"
#include "gui/shell/TreePanelWidgets.h"
#include "gui/views/TreeNodeModel.h"

#include <QAction>
#include <QMenu>
#include <QTabWidget>
#include <QTreeView>
#include <QItemSelectionModel>
#include <QProcess>
#include <QTableView>

#include <algorithm>

namespace vireo::gui::editing {

using namespace vireo::editing;

EditingCommands::EditingCommands(const StoreAccess &store, QWidget *window)
    : QObject(window), m_store(store), m_window(window)
{
}

EditingCommands::~EditingCommands() = default;

void EditingCommands::setExternalEditor(bool on, const QString &program)
{
    m_external = on;
    m_externalProgram = program;
}

TID3TagEditDlg &EditingCommands::tagEditor(TID3TagUseful &store)
{
    if (!m_tagEditor || m_dialogStore != &store) {
        m_bulkEditor.reset();
        m_tagEditor = std::make_unique<TID3TagEditDlg>(store, &m_journal, m_window);
        m_dialogStore = &store;
    }
    return *m_tagEditor;
}

TID3AllSetDlg &EditingCommands::bulkEditor(TID3TagUseful &store)
{
    if (!m_bulkEditor || m_dialogStore != &store) {
        m_tagEditor.reset();
        m_bulkEditor = std::make_unique<TID3AllSetDlg>(store, &m_journal, m_window);
        m_dialogStore = &store;
    }
    return *m_bulkEditor;
}

TMdlgForm &EditingCommands::nameDialog()
{
    if (!m_nameDialog)
        m_nameDialog = std::make_unique<TMdlgForm>(m_window);
    return *m_nameDialog;
}

bool EditingCommands::editTrack(TID3ListItem *track)
{
    TID3TagUseful *store = m_store.store();
    if (!track || !store)
        return false;
    const FileStat st = statFile(track->FileName);
    track = store->FindOrRead(track->FileName, st.dosDate, st.size);
    if (useExternalTagEditor(m_external, m_externalProgram)) {
        const ExternalEditorCommand c = buildExternalEditorCommand(m_externalProgram, track->FileName, programFolder());
        if (!QProcess::startDetached(c.program, c.arguments, c.workingFolder))
            WriteLog(QStringLiteral("外部タグエディタを起動できません：") + c.program + u' ' + c.parameters);
        return false;
    }
    TID3TagEditDlg &dlg = tagEditor(*store);
    if (!dlg.execute(track))
        return false;
    const TID3ListItem *saved = dlg.track();
    emit libraryChanged(dlg.rebuildNeeded(), QString(), saved->PreferredAlbum(store->Preference()));
    return true;
}

bool EditingCommands::editTracks(const QList<TID3ListItem *> &tracks)
{
    TID3TagUseful *store = m_store.store();
    if (tracks.isEmpty() || !store)
        return false;
    TID3AllSetDlg &dlg = bulkEditor(*store);
    if (!dlg.execute(tracks))
        return false;
    emit libraryChanged(true, dlg.confirmedArtist(), dlg.confirmedAlbum());
    return true;
}

bool EditingCommands::report(const SaveOutcome &out)
{
    QStringList notes;
    if (out.failures.size() == 1)
        notes.append(failureMessage(out.failures.first()));
    else if (!out.failures.isEmpty())
        notes.append(texts::someWritesFailed().arg(out.failures.size()) + QLatin1Char('\n') + out.failureList());
    if (out.journal.code() == ErrorCode::TooLarge)
        notes.append(texts::undoUnavailable());
    if (!notes.isEmpty())
        showMessage(m_window, out.failures.isEmpty() ? QMessageBox::Information : QMessageBox::Warning,
                    notes.join(QStringLiteral("\n\n")));
    return out.done > 0;
}

bool EditingCommands::renameArtist(const QString &artist, const QList<TID3ListItem *> &tracks)
{
    TID3TagUseful *store = m_store.store();
    TMdlgForm &dlg = nameDialog();
    if (!store || !dlg.AskName(NameMode::ArtistRename, artist))
        return false;
    const QString name = dlg.EnteredName();
    SaveProgressWindow progress(m_window);
    report(vireo::editing::renameArtist(*store, &m_journal, tracks, name, progress.callback()));
    emit libraryChanged(true, name, QString());
    return true;
}

bool EditingCommands::renameAlbum(const QString &artist, const QString &album, const QList<TID3ListItem *> &tracks)
{
    TID3TagUseful *store = m_store.store();
    TMdlgForm &dlg = nameDialog();
    if (!store || !dlg.AskName(NameMode::AlbumRename, album))
        return false;
    const QString name = dlg.EnteredName();
    SaveProgressWindow progress(m_window);
    report(vireo::editing::renameAlbum(*store, &m_journal, tracks, name, progress.callback()));
    emit libraryChanged(true, artist, name);
    return true;
}

std::optional<QString> EditingCommands::askNewName(NameMode mode)
{
    TMdlgForm &dlg = nameDialog();
    if (!dlg.AskName(mode, QString()))
        return std::nullopt;
    return dlg.EnteredName();
}

bool EditingCommands::applyDrop(const QStringList &paths, const QString &artist, const std::optional<QString> &album)
{
    TID3TagUseful *store = m_store.store();
    if (!store)
        return false;
    const QString question = album ? texts::askArtistAndAlbum() : texts::askArtist();
    if (showMessage(m_window, QMessageBox::Warning, question, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return false;
    SaveProgressWindow progress(m_window);
    report(applyNamesToFiles(*store, &m_journal, paths, artist, album, progress.callback()));
    emit libraryChanged(true, artist, album.value_or(QString()));
    return true;
}

bool EditingCommands::undoLastSave()
{
    TID3TagUseful *store = m_store.store();
    if (!store)
        return false;
    const UndoOutcome out = vireo::editing::undoLastSave(*store, m_journal);
    if (!out.hadEntry) {
        showMessage(m_window, QMessageBox::Information, texts::undoNothing());
        return false;
    }
    QString text = texts::undoDone().arg(out.restored.size());
    if (!out.changedSince.isEmpty())
        text += QStringLiteral("\n\n") + texts::undoSkipped() + QLatin1Char('\n') + out.changedSince.join(QLatin1Char('\n'));
    if (!out.failed.isEmpty())
        text += QStringLiteral("\n\n") + out.failed.join(QLatin1Char('\n'));
    showMessage(m_window, out.changedSince.isEmpty() && out.failed.isEmpty() ? QMessageBox::Information
                                                                            : QMessageBox::Warning,
                text);
    emit libraryChanged(true, QString(), QString());
    return !out.restored.isEmpty();
}

void EditingCommands::attachTrackArea(TrackAreaWidgets &w, views::LibraryViews &views)
{
    QTableView *list = w.ListView_MAIN;
    const auto selectedRows = [list] {
        QList<int> rows;
        if (QItemSelectionModel *sel = list->selectionModel())
            for (const QModelIndex &i : sel->selectedRows())
                rows.append(i.row());
        std::sort(rows.begin(), rows.end());
        return rows;
    };
    const auto editOne = [this, &views, selectedRows] {
        const QList<int> rows = selectedRows();
        const views::TrackTable &table = views.browse().table();
        if (rows.isEmpty() || table.rowCount() == 0)
            return;
        editTrack(table.track(rows.first()));
    };
    const auto editMany = [this, &views, selectedRows] {
        const views::TrackTable &table = views.browse().table();
        QList<int> rows = selectedRows();
        if (rows.isEmpty())
            for (int r = 0; r < table.rowCount(); ++r)
                rows.append(r);
        QList<TID3ListItem *> tracks;
        for (int r : rows)
            tracks.append(table.track(r));
        editTracks(tracks);
    };
    for (QAction *a : {w.editTag, w.ctxTagEdit}) {
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, editOne);
    }
    w.ctxTagBulkEdit->setEnabled(true);
    connect(w.ctxTagBulkEdit, &QAction::triggered, this, editMany);
}

namespace {

// The node selected in a tree and its parent (null when none).
struct SelectedNode {
    const views::TreeNode *node = nullptr;
    const views::TreeNode *parent = nullptr;
    int kind() const { return node ? node->kind() : -1; }
};

SelectedNode selectedNode(QTreeView *view, TreeNodeModel &model)
{
    SelectedNode s;
    const QModelIndex at = view ? view->currentIndex() : QModelIndex();
    if (at.isValid() && at.model() == &model) {
        s.node = model.node(at);
        s.parent = model.parentNode(at);
    }
    return s;
}

TreePage treePage(const TreePanelWidgets &w)
{
    switch (w.PageControl1->currentIndex()) {
    case TreePanelWidgets::ArtistPage: return TreePage::Artist;
    case TreePanelWidgets::AlbumPage: return TreePage::Album;
    default: return TreePage::Other;
    }
}

} // namespace

void EditingCommands::attachTreeMenu(TreePanelWidgets &w, TreeNodeModel &artistModel, TreeNodeModel &albumModel,
                                     views::LibraryViews &views)
{
    // The menu's actions belong to the window that made the menu.
    QWidget *owner = w.treeMenu->parentWidget();
    auto *artistRename = owner ? owner->findChild<QAction *>(QStringLiteral("treeArtistRename")) : nullptr;
    auto *albumRename = owner ? owner->findChild<QAction *>(QStringLiteral("treeAlbumRename")) : nullptr;
    auto *bulk = owner ? owner->findChild<QAction *>(QStringLiteral("treeBulkEdit")) : nullptr;
    if (!artistRename || !albumRename)
        return;
    TreePanelWidgets *panel = &w;
    connect(w.treeMenu, &QMenu::aboutToShow, this, [=, this, &artistModel, &albumModel] {
        const TreePage page = treePage(*panel);
        const SelectedNode sel = page == TreePage::Album ? selectedNode(panel->TreeView_Album, albumModel)
                                                         : selectedNode(panel->TreeView_Artist, artistModel);
        const RenameMenuState state = renameMenuState(page, sel.kind());
        artistRename->setEnabled(state.artistRename);
        albumRename->setEnabled(state.albumRename);
    });
    connect(artistRename, &QAction::triggered, this, [=, this, &artistModel] {
        const SelectedNode sel = selectedNode(panel->TreeView_Artist, artistModel);
        TID3TagUseful *store = m_store.store();
        if (!store || treePage(*panel) != TreePage::Artist || sel.kind() != T_Vireo_NodeData::ArtistKind
            || !sel.node->Data)
            return;
        const QString artist = sel.node->Data->Artist;
        renameArtist(artist, artistTracks(*store, artist));
    });
    connect(albumRename, &QAction::triggered, this, [=, this, &artistModel, &albumModel, &views] {
        const TreePage page = treePage(*panel);
        QString artist, album;
        if (page == TreePage::Artist) {
            const SelectedNode sel = selectedNode(panel->TreeView_Artist, artistModel);
            if (sel.kind() != T_Vireo_NodeData::AlbumKind || !sel.node->Data)
                return;
            album = sel.node->Data->Album;
            artist = sel.parent && sel.parent->Data ? sel.parent->Data->Artist : sel.node->Data->Artist;
        } else if (page == TreePage::Album) {
            const SelectedNode sel = selectedNode(panel->TreeView_Album, albumModel);
            if (!sel.node || !sel.node->Data)
                return;
            album = sel.node->Data->Album;
        } else {
            return;
        }
        // The rows of the track list: the tracks of the selected album.
        const views::TrackTable &table = views.browse().table();
        QList<TID3ListItem *> tracks;
        for (int r = 0; r < table.rowCount(); ++r)
            tracks.append(table.track(r));
        renameAlbum(artist, album, tracks);
    });
    if (bulk) {
        bulk->setEnabled(true);
        connect(bulk, &QAction::triggered, this, [this, &views] {
            const views::TrackTable &table = views.browse().table();
            QList<TID3ListItem *> tracks;
            for (int r = 0; r < table.rowCount(); ++r)
                tracks.append(table.track(r));
            editTracks(tracks);
        });
    }
}

QAction *EditingCommands::makeUndoAction(QWidget *window)
{
    auto *a = new QAction(texts::undoMenu(), window);
    a->setObjectName(QStringLiteral("UndoLastSave"));
    a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    window->addAction(a);
    connect(a, &QAction::triggered, this, &EditingCommands::undoLastSave);
    return a;
}

} // namespace vireo::gui::editing
