#include "gui/shell/TrackAreaWidgets.h"

#include "gui/shell/DataModule.h"
#include "gui/shell/MainTexts.h"
#include "gui/shell/RegionBuild.h"

#include <QAction>
#include <QHeaderView>
#include <QMainWindow>
#include <QMenu>
#include <QTabBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace vireo::gui {

using namespace text;

namespace {

void buildToolbar(TrackAreaWidgets &w, QMainWindow *win)
{
    auto *tb = new QToolBar(QStringLiteral("TBXToolbar4"), win);
    tb->setObjectName(QStringLiteral("TBXToolbar4"));
    tb->setIconSize(QSize(20, 20));
    tb->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    w.TBXToolbar4 = tb;

    w.id3v2Show = makeCheckable(makeAction(win, kId3v2Show, "ID3v2ShowBtn"), true);
    w.id3v2Show->setIcon(DataModule::badge(QStringLiteral("v2"), QColor(60, 170, 90)));
    w.editTag = makeAction(win, kEditId3Tag, "Btn_EditID3", false);
    w.makePlaylist = makeAction(win, kMakePlaylist, "Btn_MakePlaylist", false, {}, kMakePlaylistHint);

    tb->addAction(w.id3v2Show);
    tb->addSeparator();
    w.playerSlot = tb->addSeparator();

    auto *listMenu = new QMenu(kListSetting, win);
    listMenu->setObjectName(QStringLiteral("ListSetting"));
    const struct { const char16_t *caption; int tag; } columns[] = {
        {u"フォルダ名", 9}, {u"ﾌｧｲﾙ名", 1}, {u"ﾄﾗｯｸNO", 2}, {u"ﾀｲﾄﾙ", 3}, {u"ｱｰﾃｨｽﾄ", 4},
        {u"ｱﾙﾊﾞﾑ", 5}, {u"年代", 6}, {u"ｼﾞｬﾝﾙ", 7}, {u"ｺﾒﾝﾄ", 8}, {u"ID3Info", 10}};
    for (const auto &c : columns) {
        QAction *col = listMenu->addAction(QString::fromUtf16(c.caption));
        col->setObjectName(QStringLiteral("ColumnTag%1").arg(c.tag));
        col->setCheckable(true);
        col->setChecked(true);
        col->setData(c.tag);
        w.columnByTag.insert(c.tag, col);
    }
    QAction *listAct = listMenu->menuAction();
    listAct->setIcon(DataModule::badge(QStringLiteral("≡"), QColor(80, 80, 160)));
    tb->addAction(listAct);
    if (auto *btn = qobject_cast<QToolButton *>(tb->widgetForAction(listAct)))
        btn->setPopupMode(QToolButton::InstantPopup);
    tb->addAction(w.editTag);
    tb->addAction(w.makePlaylist);
    tb->addSeparator();
}

void buildTrackMenu(TrackAreaWidgets &w, QMainWindow *win)
{
    w.trackMenu = new QMenu(win);
    w.trackMenu->setObjectName(QStringLiteral("TrackListMenu"));
    w.trackMenu->setToolTipsVisible(true);
    w.ctxPlay = makeAction(win, kCtxPlay, "ctxPlay", false, QKeySequence(Qt::CTRL | Qt::Key_P));
    w.ctxAddToPlayList = makeAction(win, kCtxAddToPlayList, "ctxAddToPlayList", false,
                                    QKeySequence(Qt::CTRL | Qt::Key_L));
    w.ctxAllPlay = makeAction(win, kCtxAllPlay, "ctxAllPlay", false,
                              QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_A));
    w.ctxAddFavourite = makeAction(win, kCtxAddFavourite, "ctxAddFavourite", false);
    w.ctxSelectAll = makeAction(win, kCtxSelectAll, "ctxSelectAll");
    // Shown in the popup only; the menu bar's entry answers Ctrl+A.
    w.ctxSelectAll->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    w.ctxTagEdit = makeAction(win, kCtxTagEdit, "ctxTagEdit", false);
    w.ctxTagBulkEdit = makeAction(win, kCtxTagBulkEdit, "ctxTagBulkEdit", false);
    w.ctxFileCopy = makeAction(win, kCtxFileCopy, "ctxFileCopy", false, QKeySequence(Qt::CTRL | Qt::Key_C),
                               kCtxFileCopyHint);
    w.ctxOrderedCopy = makeAction(win, kCtxOrderedCopy, "ctxOrderedCopy", false,
                                  QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C), kCtxOrderedCopyHint);
    w.ctxDeleteFromCache = makeAction(win, kCtxDeleteFromCache, "ctxDeleteFromCache");
    w.ctxDeleteFile = makeAction(win, kCtxDeleteFile, "ctxDeleteFile", false);
    QMenu *tm = w.trackMenu;
    tm->addAction(w.ctxPlay);
    tm->addAction(w.ctxAddToPlayList);
    tm->addAction(w.ctxAllPlay);
    tm->addAction(w.ctxAddFavourite);
    w.sendTo = tm->addMenu(kCtxSendTo);
    w.sendTo->setEnabled(false);
    for (int i = 1; i <= 3; ++i)
        w.sendTo->addAction(QStringLiteral("Tool%1").arg(i))->setEnabled(false);
    tm->addSeparator();
    tm->addAction(w.ctxSelectAll);
    tm->addAction(w.ctxTagEdit);
    tm->addAction(w.ctxTagBulkEdit);
    tm->addSeparator();
    tm->addAction(w.ctxFileCopy);
    tm->addAction(w.ctxOrderedCopy);
    tm->addSeparator();
    tm->addAction(w.ctxDeleteFromCache);
    tm->addAction(w.ctxDeleteFile);
}

} // namespace

TrackAreaWidgets buildTrackArea(QMainWindow *win)
{
    TrackAreaWidgets w;
    buildToolbar(w, win);
    buildTrackMenu(w, win);

    auto *top = new QWidget;
    top->setObjectName(QStringLiteral("TrackArea"));
    w.area = top;
    auto *lay = new QVBoxLayout(top);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(0);
    lay->addWidget(w.TBXToolbar4);
    auto *tabs = new QTabBar(top);
    tabs->setObjectName(QStringLiteral("TabControl1"));
    tabs->setElideMode(Qt::ElideRight);
    tabs->setExpanding(false);
    tabs->setDrawBase(true);
    tabs->setUsesScrollButtons(true);
    // Every tab is 100 pixels wide with its caption at the left.
    tabs->setStyleSheet(QStringLiteral("QTabBar::tab { width: 100px; text-align: left; }"));
    w.TabControl1 = tabs;
    lay->addWidget(tabs);
    auto *list = new QTableView(top);
    list->setObjectName(QStringLiteral("ListView_MAIN"));
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setShowGrid(false);
    list->setWordWrap(false);
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    list->verticalHeader()->hide();
    list->verticalHeader()->setDefaultSectionSize(18);
    list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    list->horizontalHeader()->setHighlightSections(false);
    list->horizontalHeader()->setSectionsClickable(true);
    list->horizontalHeader()->setStretchLastSection(true);
    list->horizontalHeader()->setMinimumSectionSize(0);
    list->setAcceptDrops(true);
    list->viewport()->setAcceptDrops(true);
    list->setDropIndicatorShown(false);
    w.ListView_MAIN = list;
    lay->addWidget(list, 1);
    return w;
}

} // namespace vireo::gui
