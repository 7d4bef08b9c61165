#pragma once
// The left panel `Panel_ArticetList`: the page control `PageControl1` with its
// five pages (artist tree with the song-count filter, album tree, playlist
// tree, search, folder view), the two tab scroll buttons and the tree menu.
// Made by buildTreePanel and owned by the trees controller.
//
// Installing a page: another subsystem puts its own widget on a page with
// installPage (the search page arrives this way; the playlist tab replaces the
// placeholder `TreeView_Fav` the same way).
#include <QVector>

class QAction;
class QComboBox;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolButton;
class QTreeView;
class QWidget;

namespace vireo::gui {

class DataModule;

struct TreePanelWidgets {
    enum Page { ArtistPage = 0, AlbumPage = 1, PlaylistPage = 2, SearchPage = 3, FolderPage = 4 };

    QWidget *Panel_ArticetList = nullptr;   // the region's root widget
    QTabWidget *PageControl1 = nullptr;
    QWidget *pages[5] = {};                 // the host pages, in tab order
    QToolButton *Action1_btn = nullptr, *Action2_btn = nullptr;
    QTreeView *TreeView_Artist = nullptr, *TreeView_Album = nullptr, *TreeView_Fav = nullptr;
    QTreeView *TreeView_SelectFolder = nullptr;
    // Song-count filter below the artist tree
    QLineEdit *Edit1 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QPushButton *Btn_NumSet = nullptr, *Btn_NumReset = nullptr;
    // Tree context menu; "曲数表示" is shared with the View menu and is
    // inserted before `showAlbumArtist` by whoever owns it.
    QMenu *treeMenu = nullptr;
    QAction *showAlbumArtist = nullptr;

    // Shows `content` on a page instead of what the page held (deleted later).
    void installPage(Page page, QWidget *content);
};

// Actions and menus are owned by `window`, so its shortcuts reach them.
TreePanelWidgets buildTreePanel(QMainWindow *window, const DataModule &images);

} // namespace vireo::gui
