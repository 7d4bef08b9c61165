#include "gui/views/TreesController.h"

#include "core/app/AppSession.h"
#include "core/settings/MainWindowSettings.h"
#include "core/views/LibraryViews.h"
#include "gui/shell/MainMediator.h"
#include "gui/shell/SettingsValues.h"
#include "gui/views/TreeNodeModel.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeView>

namespace vireo::gui {

namespace {
void attach(QTreeView *view, TreeNodeModel *model)
{
    QItemSelectionModel *old = view->selectionModel();
    view->setModel(model);
    delete old;
}
} // namespace

TreesController::TreesController(views::LibraryViews &v, const AppSession &s, MainMediator &m,
                                 const DataModule &images, QMainWindow *window, QObject *parent)
    : QObject(parent), m_views(v), session(s), mediator(m), w(buildTreePanel(window, images))
{
    m_artist = new TreeNodeModel(images, [this](const views::TreeNode &n) {
        return m_views.artistNodeText(n);
    }, this);
    m_album = new TreeNodeModel(images, [this](const views::TreeNode &n) {
        return m_views.albumNodeText(n);
    }, this);
    m_folder = new TreeNodeModel(images, [this](const views::TreeNode &n) {
        return m_views.artistNodeText(n);
    }, this);
    attach(w.TreeView_Artist, m_artist);
    attach(w.TreeView_Album, m_album);
    attach(w.TreeView_SelectFolder, m_folder);

    connect(w.TreeView_Artist->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { artistNodeChosen(*m_artist, current); });
    connect(w.TreeView_SelectFolder->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { artistNodeChosen(*m_folder, current); });
    connect(w.TreeView_Album->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { albumNodeChosen(current); });
    connect(w.PageControl1, &QTabWidget::currentChanged, this, &TreesController::pageChanged);

    for (QTreeView *t : {w.TreeView_Artist, w.TreeView_Album, w.TreeView_Fav, w.TreeView_SelectFolder})
        t->viewport()->installEventFilter(this);

    connect(w.showAlbumArtist, &QAction::toggled, this, [this](bool on) {
        m_views.setShowAlbumArtist(on);
        m_album->refreshTexts();
    });
    connect(w.Btn_NumSet, &QPushButton::clicked, this, &TreesController::runFilter);
    connect(w.Btn_NumReset, &QPushButton::clicked, this, &TreesController::rebuildTrees);

    w.PageControl1->tabBar()->installEventFilter(this);
    connect(w.Action1_btn, &QToolButton::clicked, this, [this] { scrollTabs(-1); });
    connect(w.Action2_btn, &QToolButton::clicked, this, [this] { scrollTabs(1); });
    connect(w.PageControl1, &QTabWidget::currentChanged, this, &TreesController::updateScrollButtons);
    updateScrollButtons();

    connect(&mediator, &MainMediator::leftPageRequested, w.PageControl1, &QTabWidget::setCurrentIndex);
    connect(&mediator, &MainMediator::treesRebuildRequested, this, &TreesController::rebuildTrees);
    connect(&mediator, &MainMediator::folderViewRequested, this, &TreesController::addFolderView);
    connect(&mediator, &MainMediator::artistViewRequested, this, &TreesController::switchToArtistView);
}

bool TreesController::handlersIdle() const
{
    return !m_building && !session.startingUp() && !session.closing();
}

void TreesController::showChanges() { mediator.showBrowseChanges(m_views.browse().takeChanges()); }

void TreesController::setShowCounts(bool on)
{
    m_views.setShowTitleNums(on);
    m_artist->refreshTexts();
    m_folder->refreshTexts();
    m_album->refreshTexts();
}

void TreesController::rebuildTrees()
{
    m_building = true;
    if (m_views.rebuildTrees()) {
        m_artist->setNodes(&m_views.trees().ArtistTree);
        m_album->setNodes(&m_views.trees().AlbumTree);
    }
    m_building = false;
}

void TreesController::addFolderView(const QString &folder, int filesFound)
{
    const int position = m_views.addFolderView(folder, filesFound);
    if (position < 0)
        return;
    m_building = true;
    const auto &folders = m_views.folderTree();
    m_folder->setNodes(&folders);
    m_album->setNodes(&m_views.trees().AlbumTree);
    if (position < int(folders.size()))
        w.TreeView_SelectFolder->expand(m_folder->indexOf(&folders[size_t(position)]));
    m_building = false;
}

void TreesController::clearTrees()
{
    m_artist->setNodes(nullptr);
    m_album->setNodes(nullptr);
    m_folder->setNodes(nullptr);
    m_views.clearTrees();
}

void TreesController::artistNodeChosen(TreeNodeModel &model, const QModelIndex &index)
{
    if (!handlersIdle() || !index.isValid())
        return;
    views::NodeRef ref{model.node(index), model.parentNode(index)};
    m_views.browse().selectArtistTreeNode(ref);
    showChanges();
}

void TreesController::albumNodeChosen(const QModelIndex &index)
{
    if (!handlersIdle() || !index.isValid())
        return;
    if (const views::TreeNode *n = m_album->node(index)) {
        m_views.browse().selectAlbumTreeNode(*n, index.row());
        showChanges();
    }
}

void TreesController::switchToArtistView()
{
    views::NodeRef ref;
    QModelIndex current = w.TreeView_Artist->currentIndex();
    if (!current.isValid())
        current = m_artist->index(0, 0);
    if (current.isValid())
        ref = {m_artist->node(current), m_artist->parentNode(current)};
    m_views.browse().switchViewMode(views::ViewMode::Artist, ref);
    showChanges();
}

void TreesController::pageChanged(int page)
{
    if (m_building || session.startingUp())
        return;
    if (page == TreePanelWidgets::ArtistPage) {
        switchToArtistView();
        return;
    }
    m_views.browse().switchViewMode(page == TreePanelWidgets::AlbumPage ? views::ViewMode::Album
                                                                       : views::ViewMode::Loading);
    showChanges();
}

bool TreesController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == w.PageControl1->tabBar()) {
        if (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest ||
            event->type() == QEvent::Show)
            updateScrollButtons();
        return QObject::eventFilter(watched, event);
    }
    if (event->type() != QEvent::MouseButtonPress)
        return QObject::eventFilter(watched, event);
    auto *me = static_cast<QMouseEvent *>(event);
    QTreeView *view = nullptr;
    for (QTreeView *t : {w.TreeView_Artist, w.TreeView_Album, w.TreeView_Fav, w.TreeView_SelectFolder})
        if (t && t->viewport() == watched)
            view = t;
    if (!view)
        return QObject::eventFilter(watched, event);
    if (view == w.TreeView_Artist && handlersIdle())
        switchToArtistView();
    else if (view == w.TreeView_Fav && handlersIdle()) {
        m_views.browse().switchViewMode(views::ViewMode::Playlists);
        showChanges();
    }
    if (me->button() == Qt::RightButton && view != w.TreeView_SelectFolder) {
        const QModelIndex under = view->indexAt(me->position().toPoint());
        if (under.isValid())
            view->setCurrentIndex(under);
        w.treeMenu->popup(view->viewport()->mapToGlobal(me->position().toPoint()));
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void TreesController::runFilter()
{
    m_building = true;
    if (m_views.filterArtists(w.Edit1->text(), w.ComboBox1->currentIndex())) {
        m_artist->setNodes(&m_views.trees().ArtistTree);
        m_album->setNodes(&m_views.trees().AlbumTree);
    }
    m_building = false;
}

void TreesController::selectArtistAlbum(const QString &artist, const QString &album)
{
    views::NodeRef current;
    QModelIndex at = w.TreeView_Artist->currentIndex();
    if (!at.isValid())
        at = m_artist->index(0, 0);
    if (at.isValid())
        current = {m_artist->node(at), m_artist->parentNode(at)};
    const views::ArtistAlbumSelection sel = m_views.selectArtistAlbum(current, artist, album);
    // The state already ran the selection handler; the tree only shows it.
    m_building = true;
    if (sel.ArtistIndex >= 0) {
        const QModelIndex artistIndex = m_artist->index(sel.ArtistIndex, 0);
        w.TreeView_Artist->expand(artistIndex);
        w.TreeView_Artist->setCurrentIndex(
            sel.AlbumIndex >= 0 ? m_artist->index(sel.AlbumIndex, 0, artistIndex) : artistIndex);
    }
    m_building = false;
    showChanges();
}

// The tab bar's own scroll arrows decide whether a step is possible; the two
// buttons at the right of the tabs press them.
void TreesController::scrollTabs(int direction)
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

void TreesController::updateScrollButtons()
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

void TreesController::applySettings(const MainWindowSettings &s)
{
    for (QTreeView *t : {w.TreeView_Artist, w.TreeView_Album, w.TreeView_Fav}) {
        if (!t)
            continue;
        t->setFont(toQFont(s.treeFont));
        setBackground(t, s.treeColor);
        setTextColour(t, s.treeFont.color);
    }
    m_views.setHiddenGenres(s.hiddenGenres);
    m_views.setShowTitleNums(s.showTitleNums);
    m_views.setShowAlbumArtist(s.showAlbumArtist);
    {
        const QSignalBlocker block(w.showAlbumArtist);
        w.showAlbumArtist->setChecked(s.showAlbumArtist);
    }
    m_views.setShowNoExistMP3Data(s.hideMissingTracks);
}

void TreesController::collectSettings(MainWindowSettings &s) const
{
    s.treeFont = fromQFont(w.TreeView_Artist->font(), s.treeFont);
    s.hiddenGenres = m_views.hiddenGenres();
    s.showTitleNums = m_views.showTitleNums();
    s.showAlbumArtist = m_views.showAlbumArtist();
    s.hideMissingTracks = m_views.showNoExistMP3Data();
}

} // namespace vireo::gui
