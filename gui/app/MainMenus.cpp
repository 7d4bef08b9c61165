// The menus, toolbars and context menus of the main window. Commands whose
// behaviour the program does not have yet are present but disabled.
#include "gui/app/DataModule.h"
#include "gui/app/MainTexts.h"
#include "gui/app/MainWidgets.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyleFactory>
#include <QToolBar>
#include <QToolButton>

namespace vireo::gui {

using namespace text;

namespace {

QAction *make(QObject *owner, const QString &caption, const char *name, bool enabled = true,
              const QKeySequence &shortcut = {}, const QString &hint = {})
{
    auto *a = new QAction(caption, owner);
    a->setObjectName(QString::fromLatin1(name));
    a->setEnabled(enabled);
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    if (!hint.isEmpty()) {
        a->setToolTip(hint);
        a->setStatusTip(hint);
    }
    return a;
}

QAction *checkable(QAction *a, bool checked)
{
    a->setCheckable(true);
    a->setChecked(checked);
    return a;
}

void buildMenuBar(MainWidgets &w)
{
    MainActions &a = w.actions;
    QMainWindow *win = w.window;
    QMenuBar *bar = win->menuBar();
    bar->setObjectName(QStringLiteral("TSpBXToolbar1"));

    QMenu *file = bar->addMenu(kMenuFile);
    a.openFolder = make(win, kOpenFolder, "OpenFolder");
    a.openDefault = make(win, kOpenDefault, "OpenDefaultFolder");
    a.cacheRebuild = make(win, kCacheRebuild, "CacheRebuild");
    a.csvOutput = make(win, kCsvOutput, "CSV1");
    a.exit = make(win, kExit, "Exit1");
    file->addAction(a.openFolder);
    file->addAction(a.openDefault);
    file->addAction(a.cacheRebuild);
    file->addMenu(kFileOutput)->addAction(a.csvOutput);
    file->addSeparator();
    file->addAction(a.exit);

    QMenu *view = bar->addMenu(kMenuView);
    a.treePanel = checkable(make(win, kTreeViewPanel, "TreeViewPanel"), true);
    a.lowerPanel = checkable(make(win, kFileInfoWindow, "FileInfoWindow"), false);
    a.coverArtList = checkable(make(win, kCoverArtList, "CoverArtList", false), false);
    a.artworkShow = checkable(make(win, kArtworkShow, "ArtworkShow", false), false);
    a.showButtonNames = checkable(make(win, kShowButtonNames, "ShowButtonNames"), false);
    a.selectAll = make(win, kSelectAllMenu, "SelectAll1", true, QKeySequence(Qt::CTRL | Qt::Key_A));
    a.showCounts = checkable(make(win, kShowCounts, "ShowTitleNums"), false);
    view->addAction(a.treePanel);
    view->addAction(a.lowerPanel);
    view->addAction(a.coverArtList);
    view->addAction(a.artworkShow);
    view->addMenu(kToolbarMenu)->addAction(a.showButtonNames);
    view->addSeparator();
    view->addAction(a.selectAll);
    view->addAction(a.showCounts);

    // The options dialog has not been built yet: its five entries stay disabled.
    QMenu *opt = bar->addMenu(kMenuOptions);
    const QString pages[] = {kOptDefaultFolder, kOptPlayer, kOptUi, kOptDisplay, kOptOther};
    for (int i = 0; i < 5; ++i) {
        QAction *o = make(win, pages[i], "OptionPage", false);
        o->setObjectName(QStringLiteral("OptionPage%1").arg(i));
        o->setData(i);
        a.options.push_back(o);
        opt->addAction(o);
    }

    // No help file exists and no help page is configured: the two help
    // commands have nothing to open.
    QMenu *help = bar->addMenu(kMenuHelp);
    a.helpContents = make(win, kHelpContents, "HelpContents", false);
    a.helpSearch = make(win, kHelpSearch, "HelpSearch", false);
    a.about = make(win, kAbout, "About1");
    help->addAction(a.helpContents);
    help->addAction(a.helpSearch);
    help->addSeparator();
    help->addAction(a.about);
}

void buildToolbar2(MainWidgets &w)
{
    MainActions &a = w.actions;
    QMainWindow *win = w.window;
    auto *tb = new QToolBar(QStringLiteral("TBXToolbar2"), win);
    tb->setObjectName(QStringLiteral("TBXToolbar2"));
    tb->setIconSize(QSize(20, 20));
    win->addToolBar(Qt::TopToolBarArea, tb);
    w.TBXToolbar2 = tb;

    a.checkLatest = make(win, kCheckLatest, "CheckLatest");
    a.checkLatest->setIcon(DataModule::badge(QStringLiteral("↻"), QColor(40, 120, 200)));
    a.checkFolder = make(win, kCheckFolder, "CheckFolder");
    a.checkFolder->setIcon(DataModule::badge(QStringLiteral("F"), QColor(200, 140, 30)));
    a.showAll = make(win, kShowAll, "ShowAll");
    a.showAll->setIcon(DataModule::badge(QStringLiteral("ALL"), QColor(60, 150, 80)));
    a.layoutA = make(win, kLayoutA, "LayoutA");
    a.layoutA->setIcon(DataModule::badge(QStringLiteral("A"), QColor(120, 90, 170)));
    a.layoutB = make(win, kLayoutB, "LayoutB");
    a.layoutB->setIcon(DataModule::badge(QStringLiteral("B"), QColor(120, 90, 170)));
    a.treePanel->setIcon(DataModule::badge(QStringLiteral("T"), QColor(90, 90, 90)));
    a.lowerPanel->setIcon(DataModule::badge(QStringLiteral("AD"), QColor(90, 90, 90)));

    tb->addAction(a.checkLatest);
    tb->addAction(a.checkFolder);
    tb->addSeparator();
    tb->addAction(a.showAll);
    QAction *treeShow = tb->addAction(a.treePanel->icon(), kTreeShow);
    treeShow->setObjectName(QStringLiteral("TreeShow"));
    treeShow->setCheckable(true);
    treeShow->setChecked(a.treePanel->isChecked());
    QObject::connect(treeShow, &QAction::triggered, a.treePanel, &QAction::trigger);
    QObject::connect(a.treePanel, &QAction::toggled, treeShow, &QAction::setChecked);
    QAction *advanced = tb->addAction(a.lowerPanel->icon(), kAdvanced);
    advanced->setObjectName(QStringLiteral("Advanced"));
    advanced->setCheckable(true);
    QObject::connect(advanced, &QAction::triggered, a.lowerPanel, &QAction::trigger);
    QObject::connect(a.lowerPanel, &QAction::toggled, advanced, &QAction::setChecked);
    tb->addSeparator();
    tb->addAction(a.layoutA);
    tb->addAction(a.layoutB);
    tb->addSeparator();

    a.themeMenu = new QMenu(kThemeChange, win);
    a.themeMenu->setObjectName(QStringLiteral("ThemeMenu"));
    a.themeGroup = new QActionGroup(win);
    for (const QString &key : QStyleFactory::keys()) {
        QAction *t = a.themeMenu->addAction(key);
        t->setCheckable(true);
        a.themeGroup->addAction(t);
    }
    QAction *themeAct = a.themeMenu->menuAction();
    themeAct->setIcon(DataModule::badge(QStringLiteral("◐"), QColor(170, 70, 70)));
    tb->addAction(themeAct);
    if (auto *btn = qobject_cast<QToolButton *>(tb->widgetForAction(themeAct)))
        btn->setPopupMode(QToolButton::InstantPopup);
    w.themeLabel = new QLabel(win);
    w.themeLabel->setObjectName(QStringLiteral("ThemeLabel"));
    w.themeLabel->setContentsMargins(6, 0, 6, 0);
    tb->addWidget(w.themeLabel);

    // Right click on the toolbars: the text position radio items and the
    // shared button-name check mark.
    a.toolbarMenu = new QMenu(win);
    QMenu *textMenu = a.toolbarMenu->addMenu(kTextDisplay);
    a.textPosition = new QActionGroup(win);
    const QString positions[] = {kTextNone, kTextRight, kTextBelow};
    for (int i = 0; i < 3; ++i) {
        QAction *p = textMenu->addAction(positions[i]);
        p->setCheckable(true);
        p->setChecked(i == 0);
        a.textPosition->addAction(p);
    }
    QAction *names = a.toolbarMenu->addAction(kShowNamesCtx);
    names->setObjectName(QStringLiteral("ShowNamesCtx"));
    names->setCheckable(true);
    QObject::connect(names, &QAction::triggered, a.showButtonNames, &QAction::trigger);
    QObject::connect(a.showButtonNames, &QAction::toggled, names, &QAction::setChecked);
}

void buildToolbar4(MainWidgets &w)
{
    MainActions &a = w.actions;
    QMainWindow *win = w.window;
    auto *tb = new QToolBar(QStringLiteral("TBXToolbar4"), win);
    tb->setObjectName(QStringLiteral("TBXToolbar4"));
    tb->setIconSize(QSize(20, 20));
    tb->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    w.TBXToolbar4 = tb;

    a.id3v2Show = checkable(make(win, kId3v2Show, "ID3v2ShowBtn"), true);
    a.id3v2Show->setIcon(DataModule::badge(QStringLiteral("v2"), QColor(60, 170, 90)));
    a.shuffle = checkable(make(win, kShuffle, "ShuffleBtn", false), false);
    a.allPlay = make(win, kAllPlay, "Btn_ALLPlay", false);
    a.selectPlay = make(win, kSelectPlay, "Btn_SelectPlay", false);
    a.add = make(win, kAdd, "Btn_Add", false);
    a.editTag = make(win, kEditId3Tag, "Btn_EditID3", false);
    a.makePlaylist = make(win, kMakePlaylist, "Btn_MakePlaylist", false, {}, kMakePlaylistHint);
    a.quickPlay = checkable(make(win, kQuickPlay, "QuickPlayBtn", false), false);
    a.play = make(win, kPlay, "Btn_QPlay", false);
    a.pause = make(win, kPause, "Btn_QPause", false);
    a.stop = make(win, kStop, "Btn_QStop", false);

    tb->addAction(a.id3v2Show);
    tb->addSeparator();
    tb->addAction(a.shuffle);
    tb->addAction(a.allPlay);
    tb->addAction(a.selectPlay);
    tb->addAction(a.add);
    tb->addSeparator();

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
        a.columnByTag.insert(c.tag, col);
    }
    QAction *listAct = listMenu->menuAction();
    listAct->setIcon(DataModule::badge(QStringLiteral("≡"), QColor(80, 80, 160)));
    tb->addAction(listAct);
    if (auto *btn = qobject_cast<QToolButton *>(tb->widgetForAction(listAct)))
        btn->setPopupMode(QToolButton::InstantPopup);
    tb->addAction(a.editTag);
    tb->addAction(a.makePlaylist);
    tb->addSeparator();
    tb->addAction(a.quickPlay);
    w.quickPlayLabel = new QLabel(win);
    w.quickPlayLabel->setObjectName(QStringLiteral("QuickPlayLabel"));
    tb->addWidget(w.quickPlayLabel);
    tb->addAction(a.play);
    tb->addAction(a.pause);
    tb->addAction(a.stop);
}

void buildContextMenus(MainWidgets &w)
{
    MainActions &a = w.actions;
    QMainWindow *win = w.window;

    a.trackMenu = new QMenu(win);
    a.trackMenu->setObjectName(QStringLiteral("TrackListMenu"));
    a.trackMenu->setToolTipsVisible(true);
    a.ctxPlay = make(win, kCtxPlay, "ctxPlay", false, QKeySequence(Qt::CTRL | Qt::Key_P));
    a.ctxAddToPlayList = make(win, kCtxAddToPlayList, "ctxAddToPlayList", false,
                              QKeySequence(Qt::CTRL | Qt::Key_L));
    a.ctxAllPlay = make(win, kCtxAllPlay, "ctxAllPlay", false,
                        QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_A));
    a.ctxAddFavourite = make(win, kCtxAddFavourite, "ctxAddFavourite", false);
    a.ctxSelectAll = make(win, kCtxSelectAll, "ctxSelectAll");
    // Shown in the popup only; the menu bar's entry answers Ctrl+A.
    a.ctxSelectAll->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    a.ctxTagEdit = make(win, kCtxTagEdit, "ctxTagEdit", false);
    a.ctxTagBulkEdit = make(win, kCtxTagBulkEdit, "ctxTagBulkEdit", false);
    a.ctxFileCopy = make(win, kCtxFileCopy, "ctxFileCopy", false, QKeySequence(Qt::CTRL | Qt::Key_C),
                         kCtxFileCopyHint);
    a.ctxOrderedCopy = make(win, kCtxOrderedCopy, "ctxOrderedCopy", false,
                            QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C), kCtxOrderedCopyHint);
    a.ctxDeleteFromCache = make(win, kCtxDeleteFromCache, "ctxDeleteFromCache");
    a.ctxDeleteFile = make(win, kCtxDeleteFile, "ctxDeleteFile", false);
    QMenu *tm = a.trackMenu;
    tm->addAction(a.ctxPlay);
    tm->addAction(a.ctxAddToPlayList);
    tm->addAction(a.ctxAllPlay);
    tm->addAction(a.ctxAddFavourite);
    QMenu *sendTo = tm->addMenu(kCtxSendTo);
    sendTo->setEnabled(false);
    for (int i = 1; i <= 3; ++i)
        sendTo->addAction(QStringLiteral("Tool%1").arg(i))->setEnabled(false);
    tm->addSeparator();
    tm->addAction(a.ctxSelectAll);
    tm->addAction(a.ctxTagEdit);
    tm->addAction(a.ctxTagBulkEdit);
    tm->addSeparator();
    tm->addAction(a.ctxFileCopy);
    tm->addAction(a.ctxOrderedCopy);
    tm->addSeparator();
    tm->addAction(a.ctxDeleteFromCache);
    tm->addAction(a.ctxDeleteFile);

    a.treeMenu = new QMenu(win);
    a.treeMenu->setObjectName(QStringLiteral("TreeMenu"));
    a.treeMenu->addAction(make(win, kTreeAllPlay, "treeAllPlay", false,
                               QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_A)));
    a.treeMenu->addAction(make(win, kTreeAllAdd, "treeAllAdd", false));
    QMenu *tags = a.treeMenu->addMenu(kTreeTagMenu);
    tags->addAction(make(win, kTreeBulkEdit, "treeBulkEdit", false));
    tags->addAction(make(win, kTreeArtistRename, "treeArtistRename", false));
    tags->addAction(make(win, kTreeAlbumRename, "treeAlbumRename", false));
    tags->addAction(make(win, kTreeArtistAdd, "treeArtistAdd", false));
    tags->addAction(make(win, kTreeAlbumAdd, "treeAlbumAdd", false));
    a.treeMenu->addSeparator();
    a.treeMenu->addAction(a.showCounts);
    a.showAlbumArtist = checkable(make(win, kTreeShowArtist, "ShowAlbumArtist"), false);
    a.treeMenu->addAction(a.showAlbumArtist);

    a.coverMenu = new QMenu(win);
    for (const QString &c : {kCoverSearch, kCoverSmall, kCoverMedium, kCoverLarge, kCoverAlbumName,
                             kCoverClose})
        a.coverMenu->addAction(c)->setEnabled(false);
    a.copyListMenu = new QMenu(win);
    for (const QString &c : {kMoveUp, kMoveDown})
        a.copyListMenu->addAction(c)->setEnabled(false);
    a.copyListMenu->addAction(make(win, kDelete, "copyDelete", false, QKeySequence(Qt::Key_Delete)));
    a.playListMenu = new QMenu(win);
    a.playListMenu->addAction(make(win, kDelete, "playDelete", false, QKeySequence(Qt::Key_Delete)));
}

} // namespace

void buildMainMenus(MainWidgets &w, const DataModule &)
{
    buildMenuBar(w);
    buildToolbar2(w);
    buildToolbar4(w);
    buildContextMenus(w);
}

} // namespace vireo::gui
