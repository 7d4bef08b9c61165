#include "gui/covers/CoverStripController.h"

#include "core/settings/MainWindowSettings.h"
#include "core/views/LibraryViews.h"
#include "gui/covers/CoverCache.h"
#include "gui/covers/CoverStrip.h"
#include "gui/shell/CoverStripWidgets.h"
#include "gui/shell/MainMediator.h"

#include <QAction>
#include <QDockWidget>
#include <QTabWidget>
#include <QTreeView>

namespace vireo::covers {

CoverStripController::CoverStripController(views::LibraryViews &views, gui::MainMediator &mediator,
                                           gui::CoverStripWidgets &region, QTabWidget *leftPages,
                                           QTreeView *albumTree, QObject *parent)
    : QObject(parent), m_views(views), m_mediator(mediator), m_region(region),
      m_leftPages(leftPages), m_albumTree(albumTree), m_cache(std::make_unique<CoverCache>())
{
    m_strip = new CoverStrip(*m_cache);
    region.install(m_strip);
    connect(&mediator, &gui::MainMediator::coversChanged, this, &CoverStripController::coversChanged);
    connect(&mediator, &gui::MainMediator::coverSelected, m_strip,
            [this](int column) { m_strip->SelectCover(0, column); });
    connect(m_strip, &CoverStrip::OpenCoverAlbum, this, &CoverStripController::OpenCoverAlbum);
    connect(m_strip, &CoverStrip::closeRequested, this, [this] { setStripVisible(false); });
}

CoverStripController::~CoverStripController() = default;

void CoverStripController::coversChanged(bool scrollToFirst)
{
    m_strip->SetCovers(m_views.browse().albumList());
    if (scrollToFirst)
        m_strip->scrollToColumn(0);
}

void CoverStripController::OpenCoverAlbum(int column)
{
    if (column < 0)
        return;
    if (m_leftPages && m_leftPages->currentIndex() == 1 && m_albumTree && m_albumTree->model()) {
        // The album page: the album-tree node at the cell's position.
        const QModelIndex node = m_albumTree->model()->index(column, 0);
        if (node.isValid()) {
            m_albumTree->setCurrentIndex(node);
            m_albumTree->scrollTo(node);
        }
        return;
    }
    // The artist page: tab 0 is "全曲", tab k the k-th album, in cell order.
    m_views.browse().activateTab(column + 1);
    m_mediator.showBrowseChanges(m_views.browse().takeChanges());
}

void CoverStripController::setStripVisible(bool on)
{
    m_visible = on;
    m_region.JacketListWindow->setVisible(on);
    if (m_visibility && m_visibility->isChecked() != on)
        m_visibility->setChecked(on);
}

bool CoverStripController::stripVisible() const { return m_visible; }

void CoverStripController::attachVisibilityAction(QAction *action)
{
    m_visibility = action;
    action->setEnabled(true);
    action->setChecked(m_visible);
    connect(action, &QAction::toggled, this, &CoverStripController::setStripVisible);
}

void CoverStripController::applySettings(const MainWindowSettings &s)
{
    m_strip->applySettings(s);
    setStripVisible(s.coverListVisible);
}

void CoverStripController::collectSettings(MainWindowSettings &s) const
{
    m_strip->collectSettings(s);
    s.coverListVisible = m_visible;
}

} // namespace vireo::covers
