#include "gui/shell/CoverStripWidgets.h"

#include "gui/shell/MainTexts.h"

#include <QAction>
#include <QDockWidget>
#include <QMainWindow>
#include <QMenu>

namespace vireo::gui {

using namespace text;

void CoverStripWidgets::install(QWidget *strip)
{
    QWidget *old = JacketListWindow->widget();
    JacketListWindow->setWidget(strip);
    if (old)
        old->deleteLater();
}

CoverStripWidgets buildCoverStrip(QMainWindow *win)
{
    CoverStripWidgets w;
    // Until the cover strip installs itself its window is made but stays hidden.
    w.JacketListWindow = new QDockWidget(kJacketCaption, win);
    w.JacketListWindow->setObjectName(QStringLiteral("JacketListWindow"));
    w.JacketListWindow->setAllowedAreas(Qt::TopDockWidgetArea);
    auto *strip = new QWidget(w.JacketListWindow);
    strip->setEnabled(false);
    w.JacketListWindow->setWidget(strip);
    win->addDockWidget(Qt::TopDockWidgetArea, w.JacketListWindow);
    w.JacketListWindow->hide();

    w.coverMenu = new QMenu(win);
    for (const QString &c : {kCoverSearch, kCoverSmall, kCoverMedium, kCoverLarge, kCoverAlbumName,
                             kCoverClose})
        w.coverMenu->addAction(c)->setEnabled(false);
    return w;
}

} // namespace vireo::gui
