// The menu bar, the second toolbar and the toolbars' right-click menu.
// Commands whose behaviour the program does not have yet are present but disabled.
#include "gui/shell/MenuWidgets.h"

#include "gui/shell/DataModule.h"
#include "gui/shell/MainTexts.h"
#include "gui/shell/RegionBuild.h"

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

void buildMenuBar(MenuWidgets &a, QMainWindow *win)
{
    QMenuBar *bar = win->menuBar();
    bar->setObjectName(QStringLiteral("TSpBXToolbar1"));

    QMenu *file = bar->addMenu(kMenuFile);
    a.openFolder = makeAction(win, kOpenFolder, "OpenFolder");
    a.openDefault = makeAction(win, kOpenDefault, "OpenDefaultFolder");
    a.cacheRebuild = makeAction(win, kCacheRebuild, "CacheRebuild");
    a.csvOutput = makeAction(win, kCsvOutput, "CSV1");
    a.exit = makeAction(win, kExit, "Exit1");
    file->addAction(a.openFolder);
    file->addAction(a.openDefault);
    file->addAction(a.cacheRebuild);
    file->addMenu(kFileOutput)->addAction(a.csvOutput);
    file->addSeparator();
    file->addAction(a.exit);

    QMenu *view = bar->addMenu(kMenuView);
    a.treePanel = makeCheckable(makeAction(win, kTreeViewPanel, "TreeViewPanel"), true);
    a.lowerPanel = makeCheckable(makeAction(win, kFileInfoWindow, "FileInfoWindow"), false);
    a.coverArtList = makeCheckable(makeAction(win, kCoverArtList, "CoverArtList", false), false);
    a.artworkShow = makeCheckable(makeAction(win, kArtworkShow, "ArtworkShow", false), false);
    a.showButtonNames = makeCheckable(makeAction(win, kShowButtonNames, "ShowButtonNames"), false);
    a.selectAll = makeAction(win, kSelectAllMenu, "SelectAll1", true, QKeySequence(Qt::CTRL | Qt::Key_A));
    a.showCounts = makeCheckable(makeAction(win, kShowCounts, "ShowTitleNums"), false);
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
        QAction *o = makeAction(win, pages[i], "OptionPage", false);
        o->setObjectName(QStringLiteral("OptionPage%1").arg(i));
        o->setData(i);
        a.options.push_back(o);
        opt->addAction(o);
    }

    // No help file exists and no help page is configured: the two help
    // commands have nothing to open.
    QMenu *help = bar->addMenu(kMenuHelp);
    a.helpContents = makeAction(win, kHelpContents, "HelpContents", false);
    a.helpSearch = makeAction(win, kHelpSearch, "HelpSearch", false);
    a.about = makeAction(win, kAbout, "About1");
    help->addAction(a.helpContents);
    help->addAction(a.helpSearch);
    help->addSeparator();
    help->addAction(a.about);
}

void buildToolbar2(MenuWidgets &a, QMainWindow *win)
{
    auto *tb = new QToolBar(QStringLiteral("TBXToolbar2"), win);
    tb->setObjectName(QStringLiteral("TBXToolbar2"));
    tb->setIconSize(QSize(20, 20));
    win->addToolBar(Qt::TopToolBarArea, tb);
    a.TBXToolbar2 = tb;

    a.checkLatest = makeAction(win, kCheckLatest, "CheckLatest");
    a.checkLatest->setIcon(DataModule::badge(QStringLiteral("↻"), QColor(40, 120, 200)));
    a.checkFolder = makeAction(win, kCheckFolder, "CheckFolder");
    a.checkFolder->setIcon(DataModule::badge(QStringLiteral("F"), QColor(200, 140, 30)));
    a.showAll = makeAction(win, kShowAll, "ShowAll");
    a.showAll->setIcon(DataModule::badge(QStringLiteral("ALL"), QColor(60, 150, 80)));
    a.layoutA = makeAction(win, kLayoutA, "LayoutA");
    a.layoutA->setIcon(DataModule::badge(QStringLiteral("A"), QColor(120, 90, 170)));
    a.layoutB = makeAction(win, kLayoutB, "LayoutB");
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
    a.themeLabel = new QLabel(win);
    a.themeLabel->setObjectName(QStringLiteral("ThemeLabel"));
    a.themeLabel->setContentsMargins(6, 0, 6, 0);
    tb->addWidget(a.themeLabel);

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

} // namespace

MenuWidgets buildMenus(QMainWindow *window)
{
    MenuWidgets w;
    buildMenuBar(w, window);
    buildToolbar2(w, window);
    return w;
}

} // namespace vireo::gui
