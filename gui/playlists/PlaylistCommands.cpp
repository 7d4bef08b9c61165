#include "gui/playlists/PlaylistCommands.h"

#include "core/playlists/PlaylistEditor.h"
#include "core/views/LibraryViews.h"
#include "gui/playlists/FavMakeForm.h"
#include "gui/playlists/PlaylistTabController.h"
#include "gui/shell/MainMediator.h"
#include "gui/shell/StoreAccess.h"
#include "gui/shell/TrackAreaWidgets.h"
#include "gui/shell/TreePanelWidgets.h"

#include <QAction>
#include <QMainWindow>
#include <QTableView>
#include <QTreeView>

namespace vireo::gui {

PlaylistCommands::PlaylistCommands(const StoreAccess &store, views::LibraryViews &views, MainMediator &mediator,
                                   const DataModule &images, std::function<QString()> playlistFolder,
                                   QMainWindow *window)
    : QObject(window), m_views(views), m_folder(std::move(playlistFolder))
{
    m_tab = new PlaylistTabController(store, views, mediator, images, m_folder, window, this);
    m_editor = new TFavMakeForm([&store] { return store.store(); }, images, window);
    connect(&mediator, &MainMediator::playlistsReloadRequested, m_tab, &PlaylistTabController::reload);
}

void PlaylistCommands::attach(TreePanelWidgets &tree, TrackAreaWidgets &area)
{
    tree.installPage(TreePanelWidgets::PlaylistPage, m_tab->tree());
    tree.TreeView_Fav = m_tab->tree(); // so the tree fonts and colours reach it
    m_tab->setPageControl(tree.PageControl1, TreePanelWidgets::PlaylistPage);
    m_area = &area;
    area.makePlaylist->setEnabled(true);
    area.ctxAddFavourite->setEnabled(true);
    connect(area.makePlaylist, &QAction::triggered, this, &PlaylistCommands::openEditor);
    connect(area.ctxAddFavourite, &QAction::triggered, this, &PlaylistCommands::addSelectedToEditor);
}

void PlaylistCommands::openEditor()
{
    m_editor->openFromMain(m_tab->files().Files(), m_folder ? m_folder() : QString(), m_tab->selectedPlaylist());
}

void PlaylistCommands::addSelectedToEditor()
{
    openEditor();
    if (!m_area)
        return;
    std::vector<int> rows;
    for (const QModelIndex &i : m_area->ListView_MAIN->selectionModel()->selectedRows())
        rows.push_back(i.row());
    m_editor->addRows(playlists::copyTableRows(m_views.browse().table(), std::move(rows)));
}

void PlaylistCommands::release() { m_tab->release(); }

} // namespace vireo::gui
