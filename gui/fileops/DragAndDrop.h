#pragma once
// Dragging tracks out of a list and dropping files onto the window's targets.
// TrackDragSource watches a list's viewport and starts a file drag by the
// track list's rule; FileDropTarget makes a widget take dropped files with a
// given set of effects, scrolling near its edges.
#include "core/fileops/DragRules.h"

#include <QObject>
#include <QStringList>
#include <functional>

class QAbstractItemView;
class QAbstractScrollArea;
class QMimeData;
class QWidget;

namespace vireo::gui {

class TrackDragSource : public QObject {
    Q_OBJECT
public:
    using PathsOfSelection = std::function<QStringList()>;
    // Runs the drag and returns the effect the target took (IgnoreAction when
    // cancelled). The default is a real QDrag offering copy only.
    using DragRunner = std::function<Qt::DropAction(QMimeData *data)>;

    TrackDragSource(QAbstractItemView *view, PathsOfSelection paths, QObject *parent = nullptr);
    void setDragRunner(DragRunner runner) { m_runner = std::move(runner); }
    const DragStartState &state() const { return m_state; }

signals:
    // A drag starts (the status bar's selected size shows "0").
    void dragStarting();
    // The drag ended; text is the status bar's message.
    void dragFinished(Qt::DropAction result, const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void startDrag();

    QAbstractItemView *m_view;
    PathsOfSelection m_paths;
    DragRunner m_runner;
    DragStartState m_state;
};

class FileDropTarget : public QObject {
    Q_OBJECT
public:
    enum class Effects {
        CopyOnly,    // the copy list, the track list
        CopyMoveLink // the artist tree: copy, else move, else link
    };
    // widget: what takes the drops (an item view's viewport is used for a view).
    FileDropTarget(QWidget *widget, Effects effects, QObject *parent = nullptr);
    // While a drag moves over an item view, the item under the pointer becomes current.
    void setSelectsUnderPointer(bool on) { m_selectUnder = on; }
    // The last drag's paths, read as soon as it entered.
    const QStringList &draggedPaths() const { return m_paths; }
    bool isScrolling() const { return m_scrolling; }

    // The window's other parts: a drop target that refuses everything, so the
    // pointer shows refusal outside the real targets.
    static void installRefusing(QWidget *window);

signals:
    void dropped(const QStringList &paths, Qt::DropAction action, QPoint pos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Qt::DropAction choose(Qt::DropActions offered) const;
    void scrollIfNearEdge(QPoint pos);

    QWidget *m_widget;
    QAbstractScrollArea *m_area = nullptr;
    Effects m_effects;
    bool m_selectUnder = false;
    bool m_scrolling = false;
    QStringList m_paths;
};

} // namespace vireo::gui
