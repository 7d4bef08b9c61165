#include "gui/editing/EditingCommands.h"

#include "core/editing/EditingTexts.h"
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

#include <QAction>
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
    if (m_external) {
        // The external editor gets the path as one argument, started in the program folder.
        QProcess::startDetached(m_externalProgram, {track->FileName}, programFolder());
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
