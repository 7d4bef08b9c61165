#include "views/TrackListController.h"

#include "app/AppServices.h"
#include "app/MainWidgets.h"
#include "library/LibraryStore.h"
#include "views/SelectionSizeText.h"
#include "views/TrackListModel.h"
#include "views/TrackTable.h"

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
    for (const views::TrackColumn &c : views::trackColumns())
        if (c.DesignWidth >= 0)
            header->resizeSection(c.Position, c.DesignWidth);
    // The lyrics column keeps its 20..30 range; the image column is fixed.
    header->setSectionResizeMode(0, QHeaderView::Fixed);
    connect(header, &QHeaderView::sectionResized, this, [header](int section, int, int size) {
        if (section == 1 && (size < 20 || size > 30))
            header->resizeSection(1, qBound(20, size, 30));
    });
    connect(header, &QHeaderView::sectionClicked, this, &TrackListController::columnClick);

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
    const int defaults[] = {0, 200, 50, 200, 100, 200, 50, 50, 50, 100, 50};
    for (int tag = 1; tag <= 10; ++tag)
        m_restore[size_t(tag)] = defaults[tag];
}

int TrackListController::columnWidth(int position) const
{
    QHeaderView *h = w.ListView_MAIN->horizontalHeader();
    return h->isSectionHidden(position) ? 0 : h->sectionSize(position);
}

void TrackListController::setColumnWidth(int position, int width)
{
    QHeaderView *h = w.ListView_MAIN->horizontalHeader();
    if (position == 1)
        width = qBound(20, width, 30);
    if (width <= 0) {
        h->setSectionHidden(position, true);
        return;
    }
    h->setSectionHidden(position, false);
    h->resizeSection(position, width);
}

int TrackListController::widthOfTag(int tag) const
{
    const int p = views::columnPositionOfTag(tag);
    return p < 0 ? 0 : columnWidth(p);
}

void TrackListController::setWidthOfTag(int tag, int width)
{
    const int p = views::columnPositionOfTag(tag);
    if (p < 0)
        return;
    setColumnWidth(p, width);
    if (QAction *a = w.actions.columnByTag.value(tag))
        a->setChecked(width > 0);
}

void TrackListController::setRestoreWidth(int tag, int width)
{
    if (tag >= 1 && tag <= 10)
        m_restore[size_t(tag)] = width;
}

int TrackListController::restoreWidth(int tag) const
{
    return tag >= 1 && tag <= 10 ? m_restore[size_t(tag)] : 0;
}

void TrackListController::toggleColumn(int tag)
{
    QAction *a = w.actions.columnByTag.value(tag);
    if (!a)
        return;
    // The action has already flipped its check mark: checked now means "show".
    const bool show = a->isChecked();
    for (const views::TrackColumn &c : views::trackColumns()) {
        if (c.Position < 1 || c.Tag != tag)
            continue;
        if (show) {
            setColumnWidth(c.Position, m_restore[size_t(tag)]);
        } else {
            m_restore[size_t(tag)] = columnWidth(c.Position);
            setColumnWidth(c.Position, 0);
        }
    }
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
                total = addSelectionSize(total, t->FileSize);
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
