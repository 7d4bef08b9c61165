#include "gui/shell/LowerPanelWidgets.h"

#include "gui/shell/MainTexts.h"
#include "gui/shell/RegionBuild.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vireo::gui {

using namespace text;

namespace {

QWidget *placeholderPage(const char *name, QWidget *content)
{
    QWidget *page = makeHostPage(name, content);
    page->layout()->setContentsMargins(2, 2, 2, 2);
    page->setEnabled(false);
    return page;
}

QWidget *fileInfoPlaceholder()
{
    auto *info = new QWidget;
    auto *il = new QHBoxLayout(info);
    for (const QString &b : {kArtworkShow, QStringLiteral("ID3v1"), QStringLiteral("ID3v2")})
        il->addWidget(new QPushButton(b, info));
    il->addStretch(1);
    return info;
}

QWidget *playListPlaceholder()
{
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
    return play;
}

} // namespace

void LowerPanelWidgets::installPage(Page page, QWidget *content)
{
    replaceHostContent(pages[page], content);
}

LowerPanelWidgets buildLowerPanel(QMainWindow *win)
{
    LowerPanelWidgets w;
    auto *pc = new QTabWidget;
    pc->setObjectName(QStringLiteral("PageControl_AD"));
    w.PageControl_AD = pc;

    auto *copy = new QTreeWidget;
    copy->setObjectName(QStringLiteral("ListView_Select"));
    w.pages[LowerPanelWidgets::FileInfoPage] = placeholderPage("TabSheet_FileInfo", fileInfoPlaceholder());
    w.pages[LowerPanelWidgets::FileCopyPage] = placeholderPage("TabSheet_FileCopy", copy);
    w.pages[LowerPanelWidgets::PlayListPage] = placeholderPage("TabSheet_PlayList", playListPlaceholder());
    pc->addTab(w.pages[LowerPanelWidgets::FileInfoPage], kPageFileInfo);
    pc->addTab(w.pages[LowerPanelWidgets::FileCopyPage], kPageFileCopy);
    pc->addTab(w.pages[LowerPanelWidgets::PlayListPage], kPagePlayList);

    w.closeButton = new QToolButton(pc);
    w.closeButton->setObjectName(QStringLiteral("PageControl_AD_Close"));
    w.closeButton->setText(QStringLiteral("×"));
    w.closeButton->setAutoRaise(true);
    pc->setCornerWidget(w.closeButton, Qt::TopRightCorner);

    w.copyListMenu = new QMenu(win);
    for (const QString &c : {kMoveUp, kMoveDown})
        w.copyListMenu->addAction(c)->setEnabled(false);
    w.copyListMenu->addAction(makeAction(win, kDelete, "copyDelete", false, QKeySequence(Qt::Key_Delete)));
    w.playListMenu = new QMenu(win);
    w.playListMenu->addAction(makeAction(win, kDelete, "playDelete", false, QKeySequence(Qt::Key_Delete)));
    return w;
}

} // namespace vireo::gui
