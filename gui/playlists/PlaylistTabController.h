#pragma once
// The playlist tab of the left panel: the one-level tree `TreeView_Fav` of
// the playlists found in the playlist folder, its reload (with the search's
// progress window) on every whole-library refresh, and showing the chosen
// playlist's tracks in the track list.
#include "core/playlists/PlaylistFiles.h"

#include <QObject>

#include <functional>

class QModelIndex;
class QStandardItemModel;
class QTabWidget;
class QTreeView;
class QWidget;

namespace vireo::views {
class LibraryViews;
}

namespace vireo::gui {

class DataModule;
class MainMediator;
class StoreAccess;

class PlaylistTabController : public QObject {
    Q_OBJECT
public:
    using FolderGetter = std::function<QString()>;
    using MessageSink = std::function<void(const QString &)>;

    // `playlistFolder` gives MP3FavDir at each reload; `window` owns the
    // progress and message windows.
    PlaylistTabController(const StoreAccess &store, views::LibraryViews &views, MainMediator &mediator,
                          const DataModule &images, FolderGetter playlistFolder, QWidget *window,
                          QObject *parent = nullptr);

    // The tree to install on the playlist page.
    QTreeView *tree() const { return m_tree; }
    // The left panel's page control, to tell whether the playlist page is in front.
    void setPageControl(QTabWidget *pages, int playlistPage);

    // Searches the playlist folder again and lists what it found; a playlist
    // that cannot be read is named in one message and left out.
    void reload();
    // Shows the playlist of a tree row in the track list.
    void showPlaylist(int row);
    // Shutdown: the tree is emptied and the tab lets go of its playlists.
    void release();

    playlists::PlaylistFiles &files() { return m_files; }
    // The playlist selected on the tab while the tab is in front, else nullptr.
    const TM3UFile *selectedPlaylist() const;

    // Tests read the skipped-playlist message instead of a message box.
    void setMessageSink(MessageSink sink) { m_message = std::move(sink); }

private:
    void rowChosen(const QModelIndex &index, bool onlyIfNotShown);

    const StoreAccess &m_store;
    views::LibraryViews &m_views;
    MainMediator &m_mediator;
    const DataModule &m_images;
    FolderGetter m_folder;
    QWidget *m_window;
    QTreeView *m_tree;
    QStandardItemModel *m_model;
    QTabWidget *m_pages = nullptr;
    int m_playlistPage = -1;
    playlists::PlaylistFiles m_files;
    const TM3UFile *m_shown = nullptr;
    bool m_reloading = false;
    MessageSink m_message;
};

} // namespace vireo::gui
