#include "gui/shell/TreePanelWidgets.h"

#include "gui/shell/DataModule.h"
#include "gui/shell/MainTexts.h"
#include "gui/shell/RegionBuild.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeView>
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

QWidget *buildFilterBar(TreePanelWidgets &w)
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

void buildTreeMenu(TreePanelWidgets &w, QMainWindow *win)
{
    w.treeMenu = new QMenu(win);
    w.treeMenu->setObjectName(QStringLiteral("TreeMenu"));
    w.treeMenu->addAction(makeAction(win, kTreeAllPlay, "treeAllPlay", false,
                                     QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_A)));
    w.treeMenu->addAction(makeAction(win, kTreeAllAdd, "treeAllAdd", false));
    QMenu *tags = w.treeMenu->addMenu(kTreeTagMenu);
    tags->addAction(makeAction(win, kTreeBulkEdit, "treeBulkEdit", false));
    tags->addAction(makeAction(win, kTreeArtistRename, "treeArtistRename", false));
    tags->addAction(makeAction(win, kTreeAlbumRename, "treeAlbumRename", false));
    tags->addAction(makeAction(win, kTreeArtistAdd, "treeArtistAdd", false));
    tags->addAction(makeAction(win, kTreeAlbumAdd, "treeAlbumAdd", false));
    w.treeMenu->addSeparator();
    w.showAlbumArtist = makeCheckable(makeAction(win, kTreeShowArtist, "ShowAlbumArtist"), false);
    w.treeMenu->addAction(w.showAlbumArtist);
}

} // namespace

void TreePanelWidgets::installPage(Page page, QWidget *content)
{
    if (page == PlaylistPage)
        TreeView_Fav = nullptr;
    replaceHostContent(pages[page], content);
}

TreePanelWidgets buildTreePanel(QMainWindow *win, const DataModule &images)
{
    TreePanelWidgets w;
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel_ArticetList"));
    w.Panel_ArticetList = panel;
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
    w.TreeView_Fav->setEnabled(false); // placeholder until the playlist tab installs its own
    w.TreeView_SelectFolder = makeTree("TreeView_SelectFolder", panel);

    w.pages[TreePanelWidgets::ArtistPage] = makeHostPage("SpTBXTabSheet_Artist", w.TreeView_Artist, kHintArtistPage);
    w.pages[TreePanelWidgets::ArtistPage]->layout()->addWidget(buildFilterBar(w));
    w.pages[TreePanelWidgets::AlbumPage] = makeHostPage("SpTBXTabSheet_Album", w.TreeView_Album, kHintAlbumPage);
    w.pages[TreePanelWidgets::PlaylistPage] = makeHostPage("SpTBXTabSheet_PlayList", w.TreeView_Fav, kHintPlaylistPage);
    w.pages[TreePanelWidgets::SearchPage] = makeHostPage("SpTBXTabSheet_Search", nullptr, kHintSearchPage);
    w.pages[TreePanelWidgets::FolderPage] = makeHostPage("SpTBXTabSheet_Select", w.TreeView_SelectFolder, kHintSelectPage);

    struct Tab { QString hint; QIcon icon; };
    const Tab tabs[] = {
        {kHintArtistTab, DataModule::badge(QStringLiteral("Ar"), QColor(220, 150, 40))},
        {kHintAlbumTab, images.treeImage(2)},
        {kHintPlaylistTab, DataModule::badge(QStringLiteral("M3U"), QColor(60, 150, 80))},
        {kHintSearchTab, DataModule::badge(QStringLiteral("?"), QColor(40, 120, 200))},
        {QString(), DataModule::badge(QStringLiteral("F"), QColor(200, 140, 30))},
    };
    for (int i = 0; i < 5; ++i) {
        const int at = pc->addTab(w.pages[i], tabs[i].icon, QString());
        pc->setTabToolTip(at, tabs[i].hint);
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

    buildTreeMenu(w, win);
    return w;
}

} // namespace vireo::gui
