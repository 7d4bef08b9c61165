#include "gui/app/LayoutController.h"

#include "core/settings/MainWindowSettings.h"
#include "core/views/LowerPanel.h"
#include "gui/shell/MainMediator.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStyle>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

namespace vireo::gui {

LayoutController::LayoutController(QMainWindow *win, MainMediator &mediator, QObject *parent)
    : QObject(parent), window(win), m_menus(buildMenus(win)), m_cover(buildCoverStrip(win)),
      m_lower(buildLowerPanel(win)), m_status(buildStatusBar(win))
{
    MenuWidgets &a = m_menus;
    connect(a.treePanel, &QAction::toggled, this, &LayoutController::setTreePanelVisible);
    connect(a.lowerPanel, &QAction::toggled, this, &LayoutController::setLowerPanelOpen);
    connect(a.layoutA, &QAction::triggered, this, &LayoutController::setLayoutA);
    connect(a.layoutB, &QAction::triggered, this, &LayoutController::setLayoutB);
    connect(a.themeGroup, &QActionGroup::triggered, this,
            [this](QAction *t) { applySkin(t->text()); });
    connect(m_lower.closeButton, &QToolButton::clicked, a.lowerPanel, &QAction::trigger);
    // A click on any of the three tabs opens the panel (and shows that tab's page).
    connect(m_lower.PageControl_AD->tabBar(), &QTabBar::tabBarClicked, this, [this](int) {
        if (!lowerPanelOpen())
            m_menus.lowerPanel->setChecked(true);
    });
    addToolbarMenuTo(a.TBXToolbar2);
    window->menuBar()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(window->menuBar(), &QWidget::customContextMenuRequested, this, [this](const QPoint &p) {
        m_menus.toolbarMenu->popup(window->menuBar()->mapToGlobal(p));
    });

    connect(&mediator, &MainMediator::trackCountChanged, m_status.SpTBXLabelItem2, &QLabel::setText);
    connect(&mediator, &MainMediator::statusChanged, m_status.SpTBXLabelItem4, &QLabel::setText);
    connect(&mediator, &MainMediator::selectionSizeChanged, m_status.selectionSize, &QLabel::setText);
}

void LayoutController::placeRegions(QWidget *treePanel, QWidget *trackArea)
{
    m_treePanel = treePanel;
    auto *right = new QSplitter(Qt::Vertical);
    right->setObjectName(QStringLiteral("RightSplitter"));
    m_rightSplitter = right;
    right->addWidget(trackArea);
    right->addWidget(m_lower.PageControl_AD);
    right->setStretchFactor(0, 3);
    right->setStretchFactor(1, 1);

    auto *split = new QSplitter(Qt::Horizontal, window);
    split->setObjectName(QStringLiteral("MainSplitter"));
    split->setHandleWidth(3);
    split->setChildrenCollapsible(false);
    m_mainSplitter = split;
    split->addWidget(treePanel);
    split->addWidget(right);
    split->setStretchFactor(0, 0);
    split->setStretchFactor(1, 1);
    split->setSizes({257, 915 - 257 - 3});
    window->setCentralWidget(split);
    setLowerPanelOpen(false);
}

void LayoutController::addToolbarMenuTo(QToolBar *tb)
{
    tb->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tb, &QWidget::customContextMenuRequested, this, [this, tb](const QPoint &p) {
        m_menus.toolbarMenu->popup(tb->mapToGlobal(p));
    });
}

void LayoutController::setTreePanelVisible(bool visible)
{
    if (m_treePanel)
        m_treePanel->setVisible(visible);
    if (m_menus.treePanel->isChecked() != visible)
        m_menus.treePanel->setChecked(visible);
}

bool LayoutController::treePanelVisible() const { return m_menus.treePanel->isChecked(); }

void LayoutController::setLowerPanelOpen(bool open)
{
    // Collapsed, only the row of tabs shows; a collapsed panel opens at its
    // open height, an open one keeps the height the user gave it.
    QTabWidget *pc = m_lower.PageControl_AD;
    views::LowerPanelState s;
    s.checked = !open;
    s.height = pc->isVisible() && pc->maximumHeight() > views::kLowerPanelCollapsedHeight
        ? pc->height() : views::kLowerPanelCollapsedHeight;
    s = views::toggleLowerPanel(s, false);
    if (!s.checked) {
        pc->setFixedHeight(views::kLowerPanelCollapsedHeight);
    } else {
        pc->setMinimumHeight(views::kLowerPanelCollapsedHeight);
        pc->setMaximumHeight(QWIDGETSIZE_MAX);
        if (m_rightSplitter) {
            const QList<int> sizes = m_rightSplitter->sizes();
            const int total = sizes.size() == 2 ? sizes[0] + sizes[1] : 0;
            if (total > s.height)
                m_rightSplitter->setSizes({total - s.height, s.height});
        }
    }
    m_lower.closeButton->setText(s.checked ? QStringLiteral("×") : QStringLiteral("▲"));
    if (m_menus.lowerPanel->isChecked() != s.checked)
        m_menus.lowerPanel->setChecked(s.checked);
}

bool LayoutController::lowerPanelOpen() const { return m_menus.lowerPanel->isChecked(); }

void LayoutController::applySkin(const QString &name)
{
    m_skin = name;
    const bool known = QStyleFactory::keys().contains(name, Qt::CaseInsensitive);
    if (QStyle *style = QStyleFactory::create(known ? name : QStringLiteral("Fusion")))
        QApplication::setStyle(style);
    for (QAction *t : m_menus.themeGroup->actions())
        t->setChecked(t->text().compare(name, Qt::CaseInsensitive) == 0);
    m_menus.themeLabel->setText(name);
}

void LayoutController::setLayoutA()
{
    m_mainSplitter->setOrientation(Qt::Vertical);
    m_mainSplitter->setSizes({200, qMax(100, m_mainSplitter->height() - 203)});
}

void LayoutController::setLayoutB()
{
    m_mainSplitter->setOrientation(Qt::Horizontal);
    m_mainSplitter->setSizes({257, qMax(100, m_mainSplitter->width() - 260)});
}

void LayoutController::applySettings(const MainWindowSettings &s)
{
    QList<int> sizes = m_mainSplitter->sizes();
    if (sizes.size() == 2) {
        const int total = sizes[0] + sizes[1];
        sizes[0] = s.treePanelWidth;
        sizes[1] = qMax(100, total - s.treePanelWidth);
        m_mainSplitter->setSizes(sizes);
    }
    setTreePanelVisible(s.treePanelVisible);
    setLowerPanelOpen(s.infoAreaVisible);
    {
        const QSignalBlocker block(m_menus.showCounts);
        m_menus.showCounts->setChecked(s.showTitleNums);
    }
    applySkin(s.skin);
}

void LayoutController::collectSettings(MainWindowSettings &s) const
{
    s.treePanelVisible = treePanelVisible();
    s.infoAreaVisible = lowerPanelOpen();
    const QList<int> sizes = m_mainSplitter->sizes();
    if (!sizes.isEmpty() && sizes[0] > 0)
        s.treePanelWidth = sizes[0];
    s.skin = skin();
}

} // namespace vireo::gui
