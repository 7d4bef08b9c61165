#pragma once
// The lower tab panel `PageControl_AD` below the track list, with its close
// button and its three pages: "ファイル情報" (file information panel),
// "ファイルコピー" (the ordered copy list) and "PlayList" (the built-in
// player's play list), and the context menus of the copy and play lists.
// Made by buildLowerPanel; the window layout controller owns it and shows or
// hides it.
//
// Installing a page: the subsystem's controller builds its own widget and the
// composition root calls installPage(FileInfoPage, widget) (likewise
// FileCopyPage, PlayListPage). The page's disabled placeholder is replaced
// and the page is enabled. The list menus below are there for the copy list
// and play list controllers to take over.
class QMenu;
class QMainWindow;
class QTabWidget;
class QToolButton;
class QWidget;

namespace vireo::gui {

struct LowerPanelWidgets {
    enum Page { FileInfoPage = 0, FileCopyPage = 1, PlayListPage = 2 };

    QTabWidget *PageControl_AD = nullptr;   // the region's root widget
    QWidget *pages[3] = {};                 // host pages, in tab order
    QToolButton *closeButton = nullptr;
    QMenu *copyListMenu = nullptr, *playListMenu = nullptr;

    void installPage(Page page, QWidget *content);
};

LowerPanelWidgets buildLowerPanel(QMainWindow *window);

} // namespace vireo::gui
