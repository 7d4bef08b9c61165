#pragma once
// The menus and toolbars of the main window: the menu bar `TSpBXToolbar1`
// ("ファイル(&F)", "表示(&V)", "オプション(&O)", "ヘルプ(&H)"), the second
// toolbar `TBXToolbar2` with the theme list, and the toolbars' right-click menu.
// Made by buildMenus; the window layout controller owns it. Every command is
// an action here; the composition root connects each to the controller that
// carries it out (the scan, the CSV export, the trees, the options dialog...).
#include <QVector>

class QAction;
class QActionGroup;
class QLabel;
class QMainWindow;
class QMenu;
class QToolBar;

namespace vireo::gui {

struct MenuWidgets {
    // File
    QAction *openFolder = nullptr, *openDefault = nullptr, *cacheRebuild = nullptr;
    QAction *csvOutput = nullptr, *exit = nullptr;
    // View
    QAction *treePanel = nullptr;      // "一覧ツリービュー" and "ツリー表示"
    QAction *lowerPanel = nullptr;     // "ファイル情報ウィンドウ" and "アドバンスド"
    QAction *coverArtList = nullptr, *artworkShow = nullptr;
    QAction *showButtonNames = nullptr; // shared by "ボタン名を表示" and "名前を表示する。"
    QAction *selectAll = nullptr;
    QAction *showCounts = nullptr;     // "曲数表示", also in the tree menu
    // Options and help
    QVector<QAction *> options;        // pages 0 to 4 of the options dialog
    QAction *helpContents = nullptr, *helpSearch = nullptr, *about = nullptr;
    // Second toolbar
    QToolBar *TBXToolbar2 = nullptr;
    QAction *checkLatest = nullptr, *checkFolder = nullptr, *showAll = nullptr;
    QAction *layoutA = nullptr, *layoutB = nullptr;
    QMenu *themeMenu = nullptr;
    QActionGroup *themeGroup = nullptr;
    QLabel *themeLabel = nullptr;
    // Right click on the toolbars
    QMenu *toolbarMenu = nullptr;
    QActionGroup *textPosition = nullptr; // "表示しない", "右に表示", "下に表示"
};

MenuWidgets buildMenus(QMainWindow *window);

} // namespace vireo::gui
