#include "gui/fileops/DragAndDrop.h"

#include "core/fileops/ShellHelpers.h"
#include "gui/fileops/DragCursors.h"

#include <QAbstractItemView>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>

namespace vireo::gui {

TrackDragSource::TrackDragSource(QAbstractItemView *view, PathsOfSelection paths, QObject *parent)
    : QObject(parent), m_view(view), m_paths(std::move(paths))
{
    m_view->viewport()->installEventFilter(this);
    m_runner = [this](QMimeData *data) {
        auto *drag = new QDrag(m_view);
        drag->setMimeData(data);
        ApplyDragCursors(*drag);
        return drag->exec(Qt::CopyAction, Qt::CopyAction);
    };
}

bool TrackDragSource::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        m_state.start = static_cast<QMouseEvent *>(event)->position().toPoint();
    } else if (event->type() == QEvent::MouseMove) {
        auto *e = static_cast<QMouseEvent *>(event);
        const bool selection = m_view->selectionModel() && m_view->selectionModel()->hasSelection();
        if (ShouldStartDrag(m_state, e->buttons(), e->modifiers(), e->position().toPoint(), selection)) {
            startDrag();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void TrackDragSource::startDrag()
{
    emit dragStarting();
    const QStringList paths = m_paths ? m_paths() : QStringList();
    m_state.dragging = true;
    const Qt::DropAction result = m_runner(MakeFileMimeData(paths));
    m_state.dragging = false;
    emit dragFinished(result, DropOutcomeText(result));
}

FileDropTarget::FileDropTarget(QWidget *widget, Effects effects, QObject *parent)
    : QObject(parent), m_widget(widget), m_effects(effects)
{
    if (auto *view = qobject_cast<QAbstractScrollArea *>(widget)) {
        m_area = view;
        m_widget = view->viewport();
    }
    m_widget->setAcceptDrops(true);
    m_widget->installEventFilter(this);
}

Qt::DropAction FileDropTarget::choose(Qt::DropActions offered) const
{
    return m_effects == Effects::CopyOnly ? ChooseCopyOnlyDropAction(offered) : ChooseTreeDropAction(offered);
}

void FileDropTarget::scrollIfNearEdge(QPoint pos)
{
    m_scrolling = InDropScrollZone(pos.y(), m_widget->height());
    if (!m_scrolling || !m_area)
        return;
    QScrollBar *bar = m_area->verticalScrollBar();
    const int step = bar->singleStep() > 0 ? bar->singleStep() : 1;
    bar->setValue(bar->value() + (pos.y() < DropScrollZone ? -step : step));
}

bool FileDropTarget::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *e = static_cast<QDragMoveEvent *>(event);
        if (event->type() == QEvent::DragEnter)
            m_paths = LocalPathsOf(e->mimeData());
        const Qt::DropAction action = e->mimeData()->hasUrls() ? choose(e->possibleActions()) : Qt::IgnoreAction;
        if (action == Qt::IgnoreAction) {
            e->ignore();
            return true;
        }
        const QPoint pos = e->position().toPoint();
        scrollIfNearEdge(pos);
        if (m_selectUnder) {
            if (auto *view = qobject_cast<QAbstractItemView *>(m_area)) {
                const QModelIndex index = view->indexAt(pos);
                if (index.isValid())
                    view->setCurrentIndex(index);
            }
        }
        e->setDropAction(action);
        e->accept();
        return true;
    }
    case QEvent::Drop: {
        auto *e = static_cast<QDropEvent *>(event);
        const Qt::DropAction action = e->mimeData()->hasUrls() ? choose(e->possibleActions()) : Qt::IgnoreAction;
        if (action == Qt::IgnoreAction) {
            e->ignore();
            return true;
        }
        e->setDropAction(action);
        e->accept();
        emit dropped(LocalPathsOf(e->mimeData()), action, e->position().toPoint());
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

namespace {

class RefuseDrops : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove
            || event->type() == QEvent::Drop) {
            event->ignore();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void FileDropTarget::installRefusing(QWidget *window)
{
    window->setAcceptDrops(true);
    window->installEventFilter(new RefuseDrops(window));
}

} // namespace vireo::gui
