// The regions of the main window: the left page control with its five pages,
// the track-list area with the album tabs, the lower tab panel and the status bar.
#include "gui/app/DataModule.h"
#include "gui/app/MainTexts.h"
#include "gui/app/MainWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDockWidget>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vireo::gui {

using namespace text;

namespace {

QTreeView *makeTree(const char *name, QWidget *parent)
{
    auto *t = new QTreeView(parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setHeaderHidden(true);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setContextMenuPolicy(Qt::CustomContextMenu);
    t->setUniformRowHeights(true);
    return t;
}

QWidget *pageWith(QWidget *content, const char *name, const QString &hint, QWidget *below = nullptr)
{
    auto *page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    page->setToolTip(hint);
    auto *lay = new QVBoxLayout(page);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->setSpacing(2);
    lay->addWidget(content, 1);
    if (below)
        lay->addWidget(below);
    return page;
}

QWidget *buildFilterBar(MainWidgets &w)
{
    auto *bar = new QWidget;
    bar->setObjectName(QStringLiteral("FilterBar"));
    auto *lay = new QHBoxLayout(bar);
    lay->setContentsMargins(2, 0, 2, 2);
    lay->setSpacing(3);
    w.Edit1 = new QLineEdit(bar);
    w.Edit1->setObjectName(QStringLiteral("Edit1"));
    w.Edit1->setMaximumWidth(40);
    w.ComboBox1 = new QComboBox(bar);
    w.ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    w.ComboBox1->addItems({kFilterAtLeast, kFilterAtMost, kFilterEqual});
    w.ComboBox1->setCurrentIndex(-1);
    w.Btn_NumSet = new QPushButton(kFilterRun, bar);
    w.Btn_NumSet->setObjectName(QStringLiteral("Btn_NumSet"));
    w.Btn_NumReset = new QPushButton(kFilterReset, bar);
    w.Btn_NumReset->setObjectName(QStringLiteral("Btn_NumReset"));
    // Narrow enough for the panel's design width of 177.
    w.ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    w.ComboBox1->setMinimumContentsLength(2);
    for (QPushButton *b : {w.Btn_NumSet, w.Btn_NumReset})
        b->setMinimumWidth(1), b->setMaximumWidth(60);
    lay->addWidget(w.Edit1);
    lay->addWidget(new QLabel(kFilterUnit, bar));
    lay->addWidget(w.ComboBox1, 1);
    lay->addWidget(w.Btn_NumSet);
    lay->addWidget(w.Btn_NumReset);
    return bar;
}

QWidget *buildSearchPage(MainWidgets &w)
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("SpTBXTabSheet_Search"));
    page->setToolTip(kHintSearchPage);
    auto *lay = new QVBoxLayout(page);
    lay->addWidget(new QLabel(kSearchLabel, page));
    w.SearchEdit = new QLineEdit(page);
    w.SearchEdit->setObjectName(QStringLiteral("SearchEdit"));
    lay->addWidget(w.SearchEdit);
    w.Btn_Search = new QPushButton(kSearchButton, page);
    w.Btn_Search->setObjectName(QStringLiteral("Btn_Search"));
    lay->addWidget(w.Btn_Search);
    auto *group = new QGroupBox(kSearchGroup, page);
    auto *grid = new QGridLayout(group);
    w.v1_cbx = new QCheckBox(QStringLiteral("ID3v1"), group);
    w.v1_cbx->setObjectName(QStringLiteral("v1_cbx"));
    w.v2_cbx = new QCheckBox(QStringLiteral("ID3v2"), group);
    w.v2_cbx->setObjectName(QStringLiteral("v2_cbx"));
    grid->addWidget(w.v1_cbx, 0, 0);
    grid->addWidget(w.v2_cbx, 0, 1);
    const char16_t *fields[] = {u"ファイル名", u"アーティスト名", u"タイトル", u"アルバム名",
                                u"コメント", u"YEAR", u"エンコード", u"著作権",
                                u"オリジナルアーティスト", u"URL", u"作曲者"};
    int i = 0;
    for (const char16_t *f : fields) {
        auto *box = new QCheckBox(QString::fromUtf16(f), group);
        box->setObjectName(QStringLiteral("SearchField%1").arg(i));
        w.searchFields.push_back(box);
        grid->addWidget(box, 1 + i, 0, 1, 2);
        ++i;
    }
    lay->addWidget(group);
    lay->addStretch(1);
    return page;
}

QWidget *buildLeftPanel(MainWidgets &w, const DataModule &images)
{
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel_ArticetList"));
    auto *lay = new QVBoxLayout(panel);
    lay->setContentsMargins(0, 0, 0, 0);
    auto *pc = new QTabWidget(panel);
    pc->setObjectName(QStringLiteral("PageControl1"));
    pc->setDocumentMode(true);
    pc->setIconSize(QSize(18, 18));
    w.PageControl1 = pc;
    lay->addWidget(pc);

    w.TreeView_Artist = makeTree("TreeView_Artist", panel);
    w.TreeView_Album = makeTree("TreeView_Album", panel);
    w.TreeView_Fav = makeTree("TreeView_Fav", panel);
    w.TreeView_Fav->setEnabled(false); // playlists arrive with their own subsystem
    w.TreeView_SelectFolder = makeTree("TreeView_SelectFolder", panel);

    struct Tab { QWidget *page; QString hint; QIcon icon; };
    const Tab tabs[] = {
        {pageWith(w.TreeView_Artist, "SpTBXTabSheet_Artist", kHintArtistPage, buildFilterBar(w)),
         kHintArtistTab, DataModule::badge(QStringLiteral("Ar"), QColor(220, 150, 40))},
        {pageWith(w.TreeView_Album, "SpTBXTabSheet_Album", kHintAlbumPage), kHintAlbumTab,
         images.treeImage(2)},
        {pageWith(w.TreeView_Fav, "SpTBXTabSheet_PlayList", kHintPlaylistPage), kHintPlaylistTab,
         DataModule::badge(QStringLiteral("M3U"), QColor(60, 150, 80))},
        {buildSearchPage(w), kHintSearchTab, DataModule::badge(QStringLiteral("?"), QColor(40, 120, 200))},
        {pageWith(w.TreeView_SelectFolder, "SpTBXTabSheet_Select", kHintSelectPage), QString(),
         DataModule::badge(QStringLiteral("F"), QColor(200, 140, 30))},
    };
    for (const Tab &t : tabs) {
        int i = pc->addTab(t.page, t.icon, QString());
        pc->setTabToolTip(i, t.hint);
    }

    auto *corner = new QWidget(pc);
    auto *cl = new QHBoxLayout(corner);
    cl->setContentsMargins(0, 0, 0, 0);
    cl->setSpacing(0);
    w.Action1_btn = new QToolButton(corner);
    w.Action1_btn->setObjectName(QStringLiteral("Action1_btn"));
    w.Action1_btn->setArrowType(Qt::LeftArrow);
    w.Action2_btn = new QToolButton(corner);
    w.Action2_btn->setObjectName(QStringLiteral("Action2_btn"));
    w.Action2_btn->setArrowType(Qt::RightArrow);
    cl->addWidget(w.Action1_btn);
    cl->addWidget(w.Action2_btn);
    pc->setCornerWidget(corner, Qt::TopRightCorner);
    // The two buttons above replace the tab bar's own arrows, which stay as
    // zero-width stand-ins that the buttons press.
    pc->tabBar()->setStyleSheet(QStringLiteral("QTabBar::scroller { width: 0px; }"));
    return panel;
}

QWidget *disabledPage(const char *name, QWidget *content)
{
    auto *page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    auto *lay = new QVBoxLayout(page);
    lay->setContentsMargins(2, 2, 2, 2);
    lay->addWidget(content);
    page->setEnabled(false);
    return page;
}

QWidget *buildLowerPanel(MainWidgets &w)
{
    auto *pc = new QTabWidget;
    pc->setObjectName(QStringLiteral("PageControl_AD"));
    w.PageControl_AD = pc;

    auto *info = new QWidget;
    auto *il = new QHBoxLayout(info);
    for (const QString &b : {kArtworkShow, QStringLiteral("ID3v1"), QStringLiteral("ID3v2")})
        il->addWidget(new QPushButton(b, info));
    il->addStretch(1);
    pc->addTab(disabledPage("TabSheet_FileInfo", info), kPageFileInfo);

    auto *copy = new QTreeWidget;
    copy->setObjectName(QStringLiteral("ListView_Select"));
    pc->addTab(disabledPage("TabSheet_FileCopy", copy), kPageFileCopy);

    auto *play = new QWidget;
    auto *pl = new QVBoxLayout(play);
    auto *ptb = new QToolBar(play);
    for (const QString &b : {QStringLiteral("|<"), kPlay, kPause, kStop, QStringLiteral(">|"), kMute})
        ptb->addAction(b);
    auto *volume = new QSlider(Qt::Horizontal, ptb);
    volume->setMaximumWidth(100);
    ptb->addWidget(volume);
    ptb->addWidget(new QSpinBox(ptb));
    pl->addWidget(ptb);
    auto *playList = new QTreeWidget;
    playList->setObjectName(QStringLiteral("ListView_Play"));
    pl->addWidget(playList);
    pc->addTab(disabledPage("TabSheet_PlayList", play), kPagePlayList);

    auto *close = new QToolButton(pc);
    close->setObjectName(QStringLiteral("PageControl_AD_Close"));
    close->setText(QStringLiteral("×"));
    close->setAutoRaise(true);
    pc->setCornerWidget(close, Qt::TopRightCorner);
    QObject::connect(close, &QToolButton::clicked, w.actions.lowerPanel, &QAction::trigger);
    return pc;
}

QWidget *buildRightArea(MainWidgets &w)
{
    auto *split = new QSplitter(Qt::Vertical);
    split->setObjectName(QStringLiteral("RightSplitter"));
    w.rightSplitter = split;

    auto *top = new QWidget;
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

    split->addWidget(top);
    split->addWidget(buildLowerPanel(w));
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    return split;
}

void buildStatusBar(MainWidgets &w)
{
    QStatusBar *sb = w.window->statusBar();
    sb->setObjectName(QStringLiteral("SpTBXStatusBar1"));
    sb->setSizeGripEnabled(true);
    auto label = [&](const char *name, const QString &textValue = {}) {
        auto *l = new QLabel(textValue, sb);
        l->setObjectName(QString::fromLatin1(name));
        l->setContentsMargins(4, 0, 4, 0);
        return l;
    };
    w.SpTBXLabelItem2 = label("SpTBXLabelItem2");
    w.SpTBXLabelItem3 = label("SpTBXLabelItem3");
    w.SpTBXLabelItem4 = label("SpTBXLabelItem4");
    w.selectionSize = label("SpTBXLabelItem6", QStringLiteral("0"));
    w.selectionSize->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    w.selectionSize->setMinimumWidth(60);
    w.unitLabel = label("SpTBXLabelItem7", kMegaBytes);
    sb->addWidget(w.SpTBXLabelItem2);
    sb->addWidget(w.SpTBXLabelItem3);
    sb->addWidget(w.SpTBXLabelItem4, 1); // the stretch is the spacer
    sb->addPermanentWidget(w.selectionSize);
    sb->addPermanentWidget(w.unitLabel);
}

} // namespace

void buildMainLayout(MainWidgets &w, const DataModule &images)
{
    QMainWindow *win = w.window;

    // The cover strip has not been built yet: its window is made but stays hidden.
    w.JacketListWindow = new QDockWidget(kJacketCaption, win);
    w.JacketListWindow->setObjectName(QStringLiteral("JacketListWindow"));
    w.JacketListWindow->setAllowedAreas(Qt::TopDockWidgetArea);
    auto *strip = new QWidget(w.JacketListWindow);
    strip->setEnabled(false);
    w.JacketListWindow->setWidget(strip);
    win->addDockWidget(Qt::TopDockWidgetArea, w.JacketListWindow);
    w.JacketListWindow->hide();

    auto *split = new QSplitter(Qt::Horizontal, win);
    split->setObjectName(QStringLiteral("MainSplitter"));
    split->setHandleWidth(3);
    split->setChildrenCollapsible(false);
    w.mainSplitter = split;
    w.Panel_ArticetList = buildLeftPanel(w, images);
    split->addWidget(w.Panel_ArticetList);
    split->addWidget(buildRightArea(w));
    split->setStretchFactor(0, 0);
    split->setStretchFactor(1, 1);
    split->setSizes({257, 915 - 257 - 3});
    win->setCentralWidget(split);
    buildStatusBar(w);
}

} // namespace vireo::gui
