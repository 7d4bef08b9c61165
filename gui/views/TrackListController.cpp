#include "gui/views/TrackListController.h"

#include "gui/app/AppServices.h"
#include "gui/app/MainWidgets.h"
#include "core/library/LibraryStore.h"
#include "gui/views/TrackListModel.h"
#include "core/views/TrackTable.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTableView>

namespace vireo::gui {

TrackListController::TrackListController(MainWidgets &widgets, AppServices &services,
                                         const DataModule &images, QObject *parent)
    : QObject(parent), w(widgets), app(services)
{
    m_model = new TrackListModel(app.browse().table(), images, this);
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
        w.actions.trackMenu->popup(w.ListView_MAIN->viewport()->mapToGlobal(p));
    });
    connect(w.actions.selectAll, &QAction::triggered, this, &TrackListController::selectAll);
    connect(w.actions.ctxSelectAll, &QAction::triggered, this, &TrackListController::selectAll);
    connect(w.actions.ctxDeleteFromCache, &QAction::triggered, this,
            &TrackListController::deleteSelectedFromCache);
    for (auto it = w.actions.columnByTag.begin(); it != w.actions.columnByTag.end(); ++it) {
        const int tag = it.key();
        connect(it.value(), &QAction::triggered, this, [this, tag] { toggleColumn(tag); });
    }
}

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
    for (auto it = w.actions.columnByTag.begin(); it != w.actions.columnByTag.end(); ++it)
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
    app.browse().table().columnClick(position);
    m_model->rowsReplaced();
    rowsChanged();
}

void TrackListController::selectAll()
{
    w.ListView_MAIN->selectAll();
    w.ListView_MAIN->setFocus();
}

void TrackListController::rowsChanged()
{
    w.selectionSize->setText(QStringLiteral("0"));
}

void TrackListController::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    if (!deselected.isEmpty())
        w.selectionSize->setText(QStringLiteral("0"));
    const views::TrackTable &table = app.browse().table();
    QString total = w.selectionSize->text();
    for (const QItemSelectionRange &range : selected) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            if (const TID3ListItem *t = table.track(row))
                total = views::addSelectionSize(total, t->FileSize);
        }
    }
    w.selectionSize->setText(total);
}

void TrackListController::deleteSelectedFromCache()
{
    TID3TagUseful *store = app.store();
    if (!store)
        return;
    const views::TrackTable &table = app.browse().table();
    QModelIndexList rows = w.ListView_MAIN->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    std::vector<TID3ListItem *> tracks;
    for (const QModelIndex &i : rows)
        if (TID3ListItem *t = table.track(i.row()))
            tracks.push_back(t);
    if (tracks.empty())
        return;
    w.ListView_MAIN->clearSelection();
    for (TID3ListItem *t : tracks) {
        app.browse().forgetTrack(t);
        store->DeleteFromCache(t->FileName);
    }
    app.browse().takeChanges();
    m_model->rowsReplaced();
    rowsChanged();
}

} // namespace vireo::gui
