#pragma once
// The playlists in the main window: the playlist tab on the left panel, the
// playlist editor window, and the track list's "Make Playlist" and
// "お気に入りに追加", which open the editor (the second with the selected rows).
#include <QObject>

#include <functional>

class QMainWindow;

namespace vireo::views {
class LibraryViews;
}

namespace vireo::gui {

class DataModule;
class MainMediator;
class PlaylistTabController;
class StoreAccess;
class TFavMakeForm;
struct TrackAreaWidgets;
struct TreePanelWidgets;

class PlaylistCommands : public QObject {
    Q_OBJECT
public:
    PlaylistCommands(const StoreAccess &store, views::LibraryViews &views, MainMediator &mediator,
                     const DataModule &images, std::function<QString()> playlistFolder, QMainWindow *window);

    // Installs the tab on the playlist page, reloads it on every whole-library
    // refresh, and gives the track list's two commands their behaviour.
    void attach(TreePanelWidgets &tree, TrackAreaWidgets &area);

    PlaylistTabController &tab() { return *m_tab; }
    TFavMakeForm &editor() { return *m_editor; }

    // "Make Playlist".
    void openEditor();
    // "お気に入りに追加": the selected rows of the track list, in list order.
    void addSelectedToEditor();
    // Shutdown ("M3Uリスト開放").
    void release();

private:
    views::LibraryViews &m_views;
    std::function<QString()> m_folder;
    PlaylistTabController *m_tab;
    TFavMakeForm *m_editor;
    TrackAreaWidgets *m_area = nullptr;
};

} // namespace vireo::gui
