#pragma once
// Every control and command of the main window, made once by the layout and
// menu builders and handed to the controllers that give them behaviour.
#include <QMap>
#include <QVector>

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPushButton;
class QSplitter;
class QTabBar;
class QTabWidget;
class QTableView;
class QToolBar;
class QToolButton;
class QTreeView;
class QWidget;
class QDockWidget;

namespace vireo::gui {

class DataModule;

struct MainActions {
    // File
    QAction *openFolder = nullptr, *openDefault = nullptr, *cacheRebuild = nullptr;
    QAction *csvOutput = nullptr, *exit = nullptr;
    // View
    QAction *treePanel = nullptr;      // "一覧ツリービュー" and "ツリー表示"
    QAction *lowerPanel = nullptr;     // "ファイル情報ウィンドウ" and "アドバンスド"
    QAction *coverArtList = nullptr, *artworkShow = nullptr;
    QAction *showButtonNames = nullptr; // shared by "ボタン名を表示" and "名前を表示する。"
    QAction *selectAll = nullptr, *showCounts = nullptr, *showAlbumArtist = nullptr;
    // Options and help
    QVector<QAction *> options;        // pages 0 to 4
    QAction *helpContents = nullptr, *helpSearch = nullptr, *about = nullptr;
    // Second toolbar
    QAction *checkLatest = nullptr, *checkFolder = nullptr, *showAll = nullptr;
    QAction *layoutA = nullptr, *layoutB = nullptr;
    QMenu *themeMenu = nullptr;
    QActionGroup *themeGroup = nullptr;
    QActionGroup *textPosition = nullptr; // "表示しない", "右に表示", "下に表示"
    // Track-list toolbar
    QAction *id3v2Show = nullptr, *shuffle = nullptr, *allPlay = nullptr, *selectPlay = nullptr;
    QAction *add = nullptr, *editTag = nullptr, *makePlaylist = nullptr, *quickPlay = nullptr;
    QAction *play = nullptr, *pause = nullptr, *stop = nullptr;
    QMap<int, QAction *> columnByTag;   // "ListSetting" entries by column tag
    // Track-list context menu
    QAction *ctxPlay = nullptr, *ctxAddToPlayList = nullptr, *ctxAllPlay = nullptr;
    QAction *ctxAddFavourite = nullptr, *ctxSelectAll = nullptr, *ctxTagEdit = nullptr;
    QAction *ctxTagBulkEdit = nullptr, *ctxFileCopy = nullptr, *ctxOrderedCopy = nullptr;
    QAction *ctxDeleteFromCache = nullptr, *ctxDeleteFile = nullptr;
    QMenu *trackMenu = nullptr, *treeMenu = nullptr, *toolbarMenu = nullptr;
    QMenu *coverMenu = nullptr, *copyListMenu = nullptr, *playListMenu = nullptr;
};

struct MainWidgets {
    QMainWindow *window = nullptr;
    QToolBar *TBXToolbar2 = nullptr, *TBXToolbar4 = nullptr;
    QLabel *themeLabel = nullptr, *quickPlayLabel = nullptr;
    QDockWidget *JacketListWindow = nullptr;
    QSplitter *mainSplitter = nullptr;   // left panel | right area
    QSplitter *rightSplitter = nullptr;  // track list | lower panel
    QWidget *Panel_ArticetList = nullptr;
    QTabWidget *PageControl1 = nullptr;
    QToolButton *Action1_btn = nullptr, *Action2_btn = nullptr;
    QTreeView *TreeView_Artist = nullptr, *TreeView_Album = nullptr, *TreeView_Fav = nullptr;
    QTreeView *TreeView_SelectFolder = nullptr;
    // Song-count filter
    QLineEdit *Edit1 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QPushButton *Btn_NumSet = nullptr, *Btn_NumReset = nullptr;
    // Search page
    QLineEdit *SearchEdit = nullptr;
    QPushButton *Btn_Search = nullptr;
    QCheckBox *v1_cbx = nullptr, *v2_cbx = nullptr;
    QVector<QCheckBox *> searchFields; // in page order, "ファイル名" .. "作曲者"
    // Right area
    QTabBar *TabControl1 = nullptr;
    QTableView *ListView_MAIN = nullptr;
    QTabWidget *PageControl_AD = nullptr;
    // Status bar
    QLabel *SpTBXLabelItem2 = nullptr, *SpTBXLabelItem3 = nullptr, *SpTBXLabelItem4 = nullptr;
    QLabel *selectionSize = nullptr, *unitLabel = nullptr;

    MainActions actions;
};

// Builds the menus, toolbars and context menus (texts, shortcuts, hints).
void buildMainMenus(MainWidgets &w, const DataModule &images);
// Builds the regions, pages and status bar of the window.
void buildMainLayout(MainWidgets &w, const DataModule &images);

} // namespace vireo::gui
