#pragma once
// The track-list area at the right: the track-list toolbar `TBXToolbar4`, the
// album tab strip `TabControl1`, the track list `ListView_MAIN` and its context
// menu. Made by buildTrackArea and owned by the track-list controller.
//
// The commands of other subsystems live here as actions (the tag editor, the
// playlist editor, the context menu's play, copy and delete entries): the
// composition root connects them to the controller of that subsystem and
// enables them. The player bar's buttons are placed into the toolbar by
// installPlayerBar (see PlayerBarWidgets.h).
#include <QMap>

class QAction;
class QMainWindow;
class QMenu;
class QTabBar;
class QTableView;
class QToolBar;
class QWidget;

namespace vireo::gui {

struct TrackAreaWidgets {
    QWidget *area = nullptr;              // the region's root widget
    QToolBar *TBXToolbar4 = nullptr;
    QTabBar *TabControl1 = nullptr;
    QTableView *ListView_MAIN = nullptr;

    QAction *id3v2Show = nullptr, *editTag = nullptr, *makePlaylist = nullptr;
    QMap<int, QAction *> columnByTag;     // "ListSetting" entries by column tag
    // Where the player bar's list commands go (before this separator).
    QAction *playerSlot = nullptr;

    QMenu *trackMenu = nullptr;
    QAction *ctxPlay = nullptr, *ctxAddToPlayList = nullptr, *ctxAllPlay = nullptr;
    QAction *ctxAddFavourite = nullptr, *ctxSelectAll = nullptr, *ctxTagEdit = nullptr;
    QAction *ctxTagBulkEdit = nullptr, *ctxFileCopy = nullptr, *ctxOrderedCopy = nullptr;
    QAction *ctxDeleteFromCache = nullptr, *ctxDeleteFile = nullptr;
    QMenu *sendTo = nullptr;              // "送る": the three external tools
};

TrackAreaWidgets buildTrackArea(QMainWindow *window);

} // namespace vireo::gui
