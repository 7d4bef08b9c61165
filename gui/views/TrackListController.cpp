#include "gui/views/TrackListController.h"

#include "core/library/LibraryStore.h"
#include "core/settings/MainWindowSettings.h"
#include "core/views/TrackTable.h"
#include "core/views/LibraryViews.h"
#include "gui/shell/MainMediator.h"
#include "gui/shell/SettingsValues.h"
#include "gui/shell/StoreAccess.h"
#include "gui/views/TrackListModel.h"

#include <QAction>
#include <QDropEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QTabBar>
#include <QTableView>

namespace vireo::gui {

TrackListController::TrackListController(const StoreAccess &store, views::LibraryViews &views,
                                         MainMediator &m, const DataModule &images, QMainWindow *window,
                                         QObject *parent)
    : QObject(parent), m_store(store), m_views(views), mediator(m), w(buildTrackArea(window))
{
    m_model = new TrackListModel(m_views.browse().table(), images, this);
    QTableView *list = w.ListView_MAIN;
    QItemSelectionModel *old = list->selectionModel();
    list->setModel(m_model);
    delete old;

    QHeaderView *header = list->horizontalHeader();
    // The image column is fixed; the others follow the column state.
    header->setSectionResizeMode(0, QHeaderView::Fixed);
    connect(header, &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        if (m_showingWidths)
            return;
        if (section == 1 && (size < 20 || size > 30)) {
            w.ListView_MAIN->horizontalHeader()->resizeSection(1, qBound(20, size, 30));
            return;
        }
        m_widths.setWidth(section, size);
    });
    connect(header, &QHeaderView::sectionClicked, this, &TrackListController::columnClick);
    showWidths();

    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TrackListController::selectionChanged);
    connect(list, &QWidget::customContextMenuRequested, this, [this](const QPoint &p) {
        w.trackMenu->popup(w.ListView_MAIN->viewport()->mapToGlobal(p));
    });
    connect(w.ctxSelectAll, &QAction::triggered, this, &TrackListController::selectAll);
    connect(w.ctxDeleteFromCache, &QAction::triggered, this, &TrackListController::deleteSelectedFromCache);
    for (auto it = w.columnByTag.begin(); it != w.columnByTag.end(); ++it) {
        const int tag = it.key();
        connect(it.value(), &QAction::triggered, this, [this, tag] { toggleColumn(tag); });
    }
    connect(w.TabControl1, &QTabBar::currentChanged, this, &TrackListController::tabClicked);
    connect(w.id3v2Show, &QAction::toggled, this, [this](bool on) {
        m_views.browse().toggleShowV2(on);
        showChanges();
    });
    list->viewport()->installEventFilter(this);

    connect(&mediator, &MainMediator::albumTabsChanged, this, &TrackListController::showTabs);
    connect(&mediator, &MainMediator::trackRowsChanged, this, [this] {
        m_model->rowsReplaced();
        rowsChanged();
    });
    connect(&mediator, &MainMediator::trackCellsChanged, m_model, &TrackListModel::cellsChanged);
    connect(&mediator, &MainMediator::trackListFocusRequested, this,
            [this] { w.ListView_MAIN->setFocus(); });
}

void TrackListController::showChanges() { mediator.showBrowseChanges(m_views.browse().takeChanges()); }

void TrackListController::showWidths()
{
    QHeaderView *h = w.ListView_MAIN->horizontalHeader();
    m_showingWidths = true;
    for (int p = 0; p < views::kTrackColumnCount; ++p) {
        int width = m_widths.width(p);
        if (p == 1)
            width = qBound(20, width, 30); // the lyrics column's own range
        if (width <= 0) {
            h->setSectionHidden(p, true);
        } else {
            h->setSectionHidden(p, false);
            h->resizeSection(p, width);
        }
    }
    for (auto it = w.columnByTag.begin(); it != w.columnByTag.end(); ++it)
        it.value()->setChecked(m_widths.isShown(it.key()));
    m_showingWidths = false;
}

int TrackListController::columnWidth(int position) const
{
    QHeaderView *h = w.ListView_MAIN->horizontalHeader();
    if (position < 0 || position >= views::kTrackColumnCount || h->isSectionHidden(position))
        return 0;
    return h->sectionSize(position);
}

void TrackListController::setColumnWidth(int position, int width)
{
    m_widths.setWidth(position, width);
    showWidths();
}

int TrackListController::widthOfTag(int tag) const
{
    return columnWidth(views::columnPositionOfTag(tag));
}

void TrackListController::setWidthOfTag(int tag, int width)
{
    const int p = views::columnPositionOfTag(tag);
    if (p >= 0)
        setColumnWidth(p, width);
}

void TrackListController::setRestoreWidth(int tag, int width) { m_widths.setRestoreWidth(tag, width); }

int TrackListController::restoreWidth(int tag) const { return m_widths.restoreWidth(tag); }

void TrackListController::toggleColumn(int tag)
{
    m_widths.toggle(tag);
    showWidths();
}

void TrackListController::columnClick(int position)
{
    m_views.browse().table().columnClick(position);
    m_model->rowsReplaced();
    rowsChanged();
}

void TrackListController::selectAll()
{
    w.ListView_MAIN->selectAll();
    w.ListView_MAIN->setFocus();
}

void TrackListController::showWholeLibrary()
{
    m_views.browse().showWholeLibrary();
    showChanges();
}

void TrackListController::setSelectionSize(const QString &text)
{
    m_selectionSize = text;
    mediator.showSelectionSize(text);
}

void TrackListController::rowsChanged() { setSelectionSize(QStringLiteral("0")); }

void TrackListController::clearRows()
{
    m_views.browse().libraryRefreshing();
    m_views.browse().takeChanges();
    m_model->rowsReplaced();
}

void TrackListController::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    QString total = deselected.isEmpty() ? m_selectionSize : QStringLiteral("0");
    const views::TrackTable &table = m_views.browse().table();
    for (const QItemSelectionRange &range : selected) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            if (const TID3ListItem *t = table.track(row))
                total = views::addSelectionSize(total, t->FileSize);
        }
    }
    setSelectionSize(total);
}

void TrackListController::deleteSelectedFromCache()
{
    TID3TagUseful *store = m_store.store();
    if (!store)
        return;
    const views::TrackTable &table = m_views.browse().table();
    QModelIndexList rows = w.ListView_MAIN->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    std::vector<TID3ListItem *> tracks;
    for (const QModelIndex &i : rows)
        if (TID3ListItem *t = table.track(i.row()))
            tracks.push_back(t);
    forgetTracks(tracks);
}

void TrackListController::forgetTracks(const std::vector<TID3ListItem *> &tracks)
{
    TID3TagUseful *store = m_store.store();
    if (!store || tracks.empty())
        return;
    emit tracksForgotten(std::vector<const TID3ListItem *>(tracks.begin(), tracks.end()));
    w.ListView_MAIN->clearSelection();
    for (TID3ListItem *t : tracks) {
        m_views.browse().forgetTrack(t);
        store->DeleteFromCache(t->FileName);
    }
    m_views.browse().takeChanges();
    m_model->rowsReplaced();
    rowsChanged();
}

void TrackListController::showTabs()
{
    const auto &tabs = m_views.browse().tabs();
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
    bar->setCurrentIndex(m_views.browse().activeTab());
    m_showingTabs = false;
}

void TrackListController::tabClicked(int index)
{
    if (m_showingTabs || index < 0)
        return;
    m_views.browse().activateTab(index);
    showChanges();
}

bool TrackListController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != w.ListView_MAIN->viewport())
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *e = static_cast<QDropEvent *>(event);
        if (!e->mimeData()->hasUrls() || !(e->possibleActions() & Qt::CopyAction))
            return false;
        e->setDropAction(Qt::CopyAction);
        e->accept();
        // Near the top or bottom edge the list scrolls.
        const int y = e->position().toPoint().y();
        QScrollBar *bar = w.ListView_MAIN->verticalScrollBar();
        if (y < 15)
            bar->setValue(bar->value() - 1);
        else if (y > w.ListView_MAIN->viewport()->height() - 15)
            bar->setValue(bar->value() + 1);
        return true;
    }
    case QEvent::Drop: {
        auto *e = static_cast<QDropEvent *>(event);
        QStringList names;
        for (const QUrl &u : e->mimeData()->urls())
            if (u.isLocalFile())
                names << u.toLocalFile();
        e->acceptProposedAction();
        if (!names.isEmpty())
            emit filesDropped(names);
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

void TrackListController::applySettings(const MainWindowSettings &s)
{
    w.ListView_MAIN->setFont(toQFont(s.trackListFont));
    setBackground(w.ListView_MAIN, s.trackListColor);
    setTextColour(w.ListView_MAIN, s.trackListFont.color);

    setColumnWidth(1, 0);
    for (int tag = 1; tag <= 10; ++tag) {
        setWidthOfTag(tag, s.columnWidths[size_t(tag)]);
        setRestoreWidth(tag, s.restoreWidths[size_t(tag)]);
    }
    m_views.browse().table().setLastSortColumn(s.lastSortColumn);
    m_views.browse().setAllAlbumTabFlg(s.allAlbumTabs);
    {
        const QSignalBlocker block(w.id3v2Show);
        w.id3v2Show->setEnabled(true);
        w.id3v2Show->setChecked(s.preferV2);
    }
    m_views.browse().setShowV2(s.preferV2);
    m_model->setRowColours(toQColor(s.rowColor1), toQColor(s.rowColor2));
}

void TrackListController::collectSettings(MainWindowSettings &s) const
{
    s.trackListFont = fromQFont(w.ListView_MAIN->font(), s.trackListFont);
    for (int tag = 1; tag <= 10; ++tag)
        s.columnWidths[size_t(tag)] = widthOfTag(tag);
    s.lastSortColumn = m_views.browse().table().lastSortColumn();
}

} // namespace vireo::gui
