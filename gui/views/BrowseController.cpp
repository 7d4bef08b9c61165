#include "gui/views/BrowseController.h"

#include "gui/app/AppServices.h"
#include "gui/app/MainWidgets.h"
#include "gui/views/TrackListModel.h"

#include <QAction>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>

namespace vireo::gui {

BrowseController::BrowseController(MainWidgets &widgets, AppServices &services, TrackListModel &m,
                                   QObject *parent)
    : QObject(parent), w(widgets), app(services), model(m)
{
    connect(w.TabControl1, &QTabBar::currentChanged, this, &BrowseController::tabClicked);
    connect(w.actions.showAll, &QAction::triggered, this, [this] {
        app.browse().showWholeLibrary();
        apply();
    });
    connect(w.actions.id3v2Show, &QAction::toggled, this, [this](bool on) {
        app.browse().toggleShowV2(on);
        apply();
    });
}

void BrowseController::apply()
{
    const views::BrowseChanges c = app.browse().takeChanges();
    if (c.Tabs)
        showTabs();
    if (c.Rows) {
        model.rowsReplaced();
        emit rowsChanged();
    }
    if (c.ShowArtistPage)
        w.PageControl1->setCurrentIndex(0);
    if (c.ShowAlbumPage)
        w.PageControl1->setCurrentIndex(1);
    if (c.FocusTrackList)
        w.ListView_MAIN->setFocus();
}

void BrowseController::showTabs()
{
    const auto &tabs = app.browse().tabs();
    QTabBar *bar = w.TabControl1;
    m_showingTabs = true;
    const QSignalBlocker block(bar);
    while (bar->count() > int(tabs.size()))
        bar->removeTab(bar->count() - 1);
    for (int i = 0; i < int(tabs.size()); ++i) {
        if (i < bar->count())
            bar->setTabText(i, tabs[size_t(i)].Caption);
        else
            bar->addTab(tabs[size_t(i)].Caption);
        bar->setTabToolTip(i, tabs[size_t(i)].Caption);
    }
    bar->setCurrentIndex(app.browse().activeTab());
    m_showingTabs = false;
}

void BrowseController::tabClicked(int index)
{
    if (m_showingTabs || index < 0)
        return;
    app.browse().activateTab(index);
    apply();
}

} // namespace vireo::gui
