#include "gui/app/LayoutController.h"

#include "gui/app/MainWidgets.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QEvent>
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

LayoutController::LayoutController(MainWidgets &widgets, QObject *parent)
    : QObject(parent), w(widgets)
{
    MainActions &a = w.actions;
    connect(a.treePanel, &QAction::toggled, this, &LayoutController::setTreePanelVisible);
    connect(a.lowerPanel, &QAction::toggled, this, &LayoutController::setLowerPanelOpen);
    connect(a.layoutA, &QAction::triggered, this, &LayoutController::setLayoutA);
    connect(a.layoutB, &QAction::triggered, this, &LayoutController::setLayoutB);
    connect(a.themeGroup, &QActionGroup::triggered, this,
            [this](QAction *t) { applySkin(t->text()); });
    for (QToolBar *tb : {w.TBXToolbar2, w.TBXToolbar4}) {
        tb->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(tb, &QWidget::customContextMenuRequested, this, [this, tb](const QPoint &p) {
            w.actions.toolbarMenu->popup(tb->mapToGlobal(p));
        });
    }
    w.window->menuBar()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(w.window->menuBar(), &QWidget::customContextMenuRequested, this, [this](const QPoint &p) {
        w.actions.toolbarMenu->popup(w.window->menuBar()->mapToGlobal(p));
    });

    QTabBar *bar = w.PageControl1->tabBar();
    bar->installEventFilter(this);
    connect(w.Action1_btn, &QToolButton::clicked, this, [this] { scrollTabs(-1); });
    connect(w.Action2_btn, &QToolButton::clicked, this, [this] { scrollTabs(1); });
    connect(w.PageControl1, &QTabWidget::currentChanged, this, &LayoutController::updateScrollButtons);
    setLowerPanelOpen(false);
    updateScrollButtons();
}

void LayoutController::setTreePanelVisible(bool visible)
{
    w.Panel_ArticetList->setVisible(visible);
    if (w.actions.treePanel->isChecked() != visible)
        w.actions.treePanel->setChecked(visible);
}

bool LayoutController::treePanelVisible() const { return w.actions.treePanel->isChecked(); }

void LayoutController::setLowerPanelOpen(bool open)
{
    w.PageControl_AD->setVisible(open);
    if (w.actions.lowerPanel->isChecked() != open)
        w.actions.lowerPanel->setChecked(open);
}

bool LayoutController::lowerPanelOpen() const { return w.actions.lowerPanel->isChecked(); }

void LayoutController::applySkin(const QString &name)
{
    m_skin = name;
    const bool known = QStyleFactory::keys().contains(name, Qt::CaseInsensitive);
    if (QStyle *style = QStyleFactory::create(known ? name : QStringLiteral("Fusion")))
        QApplication::setStyle(style);
    for (QAction *t : w.actions.themeGroup->actions())
        t->setChecked(t->text().compare(name, Qt::CaseInsensitive) == 0);
    w.themeLabel->setText(name);
}

void LayoutController::setLayoutA()
{
    w.mainSplitter->setOrientation(Qt::Vertical);
    w.mainSplitter->setSizes({200, qMax(100, w.mainSplitter->height() - 203)});
}

void LayoutController::setLayoutB()
{
    w.mainSplitter->setOrientation(Qt::Horizontal);
    w.mainSplitter->setSizes({257, qMax(100, w.mainSplitter->width() - 260)});
}

bool LayoutController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == w.PageControl1->tabBar() &&
        (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest ||
         event->type() == QEvent::Show))
        updateScrollButtons();
    return QObject::eventFilter(watched, event);
}

// The tab bar's own scroll arrows decide whether a step is possible; the two
// buttons at the right of the tabs press them.
void LayoutController::scrollTabs(int direction)
{
    const auto arrows = w.PageControl1->tabBar()->findChildren<QToolButton *>();
    for (QToolButton *b : arrows) {
        if ((direction < 0 && b->arrowType() == Qt::LeftArrow) ||
            (direction > 0 && b->arrowType() == Qt::RightArrow)) {
            if (b->isVisible() && b->isEnabled())
                b->click();
        }
    }
    updateScrollButtons();
}

void LayoutController::updateScrollButtons()
{
    bool left = false, right = false;
    for (QToolButton *b : w.PageControl1->tabBar()->findChildren<QToolButton *>()) {
        if (!b->isVisible() || !b->isEnabled())
            continue;
        if (b->arrowType() == Qt::LeftArrow)
            left = true;
        if (b->arrowType() == Qt::RightArrow)
            right = true;
    }
    w.Action1_btn->setEnabled(left);
    w.Action2_btn->setEnabled(right);
}

} // namespace vireo::gui
