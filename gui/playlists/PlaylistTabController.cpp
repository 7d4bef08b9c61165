#include "gui/playlists/PlaylistTabController.h"

#include "core/library/LibraryStore.h"
#include "core/playlists/PlaylistTexts.h"
#include "core/views/LibraryViews.h"
#include "gui/library/FindFileForm.h"
#include "gui/shell/DataModule.h"
#include "gui/shell/MainMediator.h"
#include "gui/shell/MainTexts.h"
#include "gui/shell/StoreAccess.h"

#include <QHeaderView>
#include <QMessageBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTreeView>

namespace vireo::gui {

namespace {

// The progress window of the playlist search.
class FormProgress : public SearchProgress {
public:
    explicit FormProgress(TFindFileForm &form) : m_form(form) {}
    void processEvents() override { m_form.processEvents(); }
    void showFolder(const QString &folder) override { m_form.setProgressText(folder); }
    void showFile(const QString &path) override { m_form.setProgressText(path); }
    bool cancelRequested() override { return m_form.cancelled(); }

private:
    TFindFileForm &m_form;
};

} // namespace

PlaylistTabController::PlaylistTabController(const StoreAccess &store, views::LibraryViews &views,
                                             MainMediator &mediator, const DataModule &images,
                                             FolderGetter playlistFolder, QWidget *window, QObject *parent)
    : QObject(parent), m_store(store), m_views(views), m_mediator(mediator), m_images(images),
      m_folder(std::move(playlistFolder)), m_window(window)
{
    m_tree = new QTreeView;
    m_tree->setObjectName(QStringLiteral("TreeView_Fav"));
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(false);
    m_tree->setItemsExpandable(false);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setUniformRowHeights(true);
    m_model = new QStandardItemModel(this);
    m_tree->setModel(m_model);
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { rowChosen(current, false); });
    // A click on the node already selected shows it again after another view was in front.
    connect(m_tree, &QAbstractItemView::clicked, this,
            [this](const QModelIndex &index) { rowChosen(index, true); });
    m_message = [this](const QString &text) { QMessageBox::warning(m_window, text::kAppTitle, text); };
}

void PlaylistTabController::setPageControl(QTabWidget *pages, int playlistPage)
{
    m_pages = pages;
    m_playlistPage = playlistPage;
}

void PlaylistTabController::reload()
{
    m_reloading = true;
    m_shown = nullptr;
    m_model->clear();
    playlists::ReloadOutcome outcome;
    {
        TFindFileForm form(m_window, playlists::kSearchCaption, playlists::kSearching);
        form.repaintNow();
        FormProgress progress(form);
        outcome = m_files.Reload(m_folder ? m_folder() : QString(), &progress);
    }
    const QIcon icon = m_images.treeIcon(4, 5);
    for (const playlists::PlaylistPtr &p : m_files.Files()) {
        auto *item = new QStandardItem(icon, playlists::PlaylistFiles::Caption(*p));
        item->setEditable(false);
        m_model->appendRow(item);
    }
    m_reloading = false;
    if (const QString text = playlists::skippedMessage(outcome); !text.isEmpty() && m_message)
        m_message(text);
}

void PlaylistTabController::rowChosen(const QModelIndex &index, bool onlyIfNotShown)
{
    if (m_reloading || !index.isValid())
        return;
    const playlists::PlaylistPtr p = m_files.At(index.row());
    if (onlyIfNotShown && p && p.get() == m_shown &&
        m_views.browse().viewMode() == views::ViewMode::Playlists)
        return;
    showPlaylist(index.row());
}

void PlaylistTabController::showPlaylist(int row)
{
    TID3TagUseful *store = m_store.store();
    const playlists::PlaylistPtr p = m_files.At(row);
    if (!store || !p)
        return;
    m_shown = p.get();
    // The page comes to the front first: a page change resets the view mode.
    if (m_pages && m_playlistPage >= 0 && m_pages->currentIndex() != m_playlistPage)
        m_mediator.requestLeftPage(m_playlistPage);
    m_views.browse().showPlaylist(m_files.Show(*store, *p));
    m_mediator.showBrowseChanges(m_views.browse().takeChanges());
}

void PlaylistTabController::release()
{
    m_shown = nullptr;
    m_model->clear();
    m_files.Clear();
}

const TM3UFile *PlaylistTabController::selectedPlaylist() const
{
    if (m_pages && m_pages->currentIndex() != m_playlistPage)
        return nullptr;
    const QModelIndex current = m_tree->currentIndex();
    const playlists::PlaylistPtr p = current.isValid() ? m_files.At(current.row()) : nullptr;
    return p.get();
}

} // namespace vireo::gui
