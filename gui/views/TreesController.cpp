#include "gui/views/TreesController.h"

#include "gui/app/AppServices.h"
#include "gui/app/MainWidgets.h"
#include "gui/views/BrowseController.h"
#include "gui/views/TreeNodeModel.h"
#include "core/app/AppSession.h"
#include "core/views/LibraryViews.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
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

TreesController::TreesController(MainWidgets &widgets, AppServices &services, BrowseController &b,
                                 const DataModule &images, QObject *parent)
    : QObject(parent), w(widgets), app(services), browse(b)
{
    m_artist = new TreeNodeModel(images, [this](const views::TreeNode &n) {
        return app.views().artistNodeText(n);
    }, this);
    m_album = new TreeNodeModel(images, [this](const views::TreeNode &n) {
        return app.views().albumNodeText(n);
    }, this);
    m_folder = new TreeNodeModel(images, [this](const views::TreeNode &n) {
        return app.views().artistNodeText(n);
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

    connect(w.actions.showCounts, &QAction::toggled, this, [this](bool on) {
        app.views().setShowTitleNums(on);
        m_artist->refreshTexts();
        m_folder->refreshTexts();
        m_album->refreshTexts();
    });
    connect(w.actions.showAlbumArtist, &QAction::toggled, this, [this](bool on) {
        app.views().setShowAlbumArtist(on);
        m_album->refreshTexts();
    });
    connect(w.Btn_NumSet, &QPushButton::clicked, this, &TreesController::runFilter);
    connect(w.Btn_NumReset, &QPushButton::clicked, this, &TreesController::rebuildTrees);
}

bool TreesController::handlersIdle() const
{
    return !m_building && !app.session().startingUp() && !app.session().closing();
}

void TreesController::rebuildTrees()
{
    m_building = true;
    if (app.views().rebuildTrees()) {
        m_artist->setNodes(&app.views().trees().ArtistTree);
        m_album->setNodes(&app.views().trees().AlbumTree);
    }
    m_building = false;
}

void TreesController::addFolderView(const QString &folder, int filesFound)
{
    const int position = app.views().addFolderView(folder, filesFound);
    if (position < 0)
        return;
    m_building = true;
    const auto &folders = app.views().folderTree();
    m_folder->setNodes(&folders);
    m_album->setNodes(&app.views().trees().AlbumTree);
    if (position < int(folders.size()))
        w.TreeView_SelectFolder->expand(m_folder->indexOf(&folders[size_t(position)]));
    m_building = false;
}

void TreesController::artistNodeChosen(TreeNodeModel &model, const QModelIndex &index)
{
    if (!handlersIdle() || !index.isValid())
        return;
    views::NodeRef ref{model.node(index), model.parentNode(index)};
    app.browse().selectArtistTreeNode(ref);
    browse.apply();
}

void TreesController::albumNodeChosen(const QModelIndex &index)
{
    if (!handlersIdle() || !index.isValid())
        return;
    if (const views::TreeNode *n = m_album->node(index)) {
        app.browse().selectAlbumTreeNode(*n, index.row());
        browse.apply();
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
    app.browse().switchViewMode(views::ViewMode::Artist, ref);
    browse.apply();
}

void TreesController::pageChanged(int page)
{
    if (m_building || app.session().startingUp())
        return;
    if (page == 0) {
        switchToArtistView();
        return;
    }
    app.browse().switchViewMode(page == 1 ? views::ViewMode::Album : views::ViewMode::Loading);
    browse.apply();
}

bool TreesController::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return QObject::eventFilter(watched, event);
    auto *me = static_cast<QMouseEvent *>(event);
    QTreeView *view = nullptr;
    for (QTreeView *t : {w.TreeView_Artist, w.TreeView_Album, w.TreeView_Fav, w.TreeView_SelectFolder})
        if (t->viewport() == watched)
            view = t;
    if (!view)
        return QObject::eventFilter(watched, event);
    if (view == w.TreeView_Artist && handlersIdle())
        switchToArtistView();
    else if (view == w.TreeView_Fav && handlersIdle()) {
        app.browse().switchViewMode(views::ViewMode::Playlists);
        browse.apply();
    }
    if (me->button() == Qt::RightButton && view != w.TreeView_SelectFolder) {
        const QModelIndex under = view->indexAt(me->position().toPoint());
        if (under.isValid())
            view->setCurrentIndex(under);
        w.actions.treeMenu->popup(view->viewport()->mapToGlobal(me->position().toPoint()));
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void TreesController::runFilter()
{
    m_building = true;
    if (app.views().filterArtists(w.Edit1->text(), w.ComboBox1->currentIndex())) {
        m_artist->setNodes(&app.views().trees().ArtistTree);
        m_album->setNodes(&app.views().trees().AlbumTree);
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
    const views::ArtistAlbumSelection sel =
        app.views().selectArtistAlbum(current, artist, album);
    // The state already ran the selection handler; the tree only shows it.
    m_building = true;
    if (sel.ArtistIndex >= 0) {
        const QModelIndex artistIndex = m_artist->index(sel.ArtistIndex, 0);
        w.TreeView_Artist->expand(artistIndex);
        w.TreeView_Artist->setCurrentIndex(
            sel.AlbumIndex >= 0 ? m_artist->index(sel.AlbumIndex, 0, artistIndex) : artistIndex);
    }
    m_building = false;
    browse.apply();
}

} // namespace vireo::gui
