#include "gui/fileops/DragCursors.h"

#include <QDrag>
#include <QPainter>
#include <QPainterPath>
#include <array>

namespace vireo::gui {

namespace {

QPixmap draw(DragCursor cursor)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // The arrow, its tip at (0, 0) (the hot spot).
    QPainterPath arrow;
    arrow.moveTo(0, 0);
    arrow.lineTo(0, 16);
    arrow.lineTo(4, 12);
    arrow.lineTo(7, 19);
    arrow.lineTo(9, 18);
    arrow.lineTo(6, 11);
    arrow.lineTo(11, 11);
    arrow.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    // The box of the dragged files and the effect's sign in it.
    const QRect box(12, 16, 12, 12);
    p.drawRect(box);
    const bool copy = cursor == DragCursor::Copy || cursor == DragCursor::CopyScroll;
    const bool link = cursor == DragCursor::Link || cursor == DragCursor::LinkScroll;
    if (copy) {
        p.drawLine(15, 22, 21, 22);
        p.drawLine(18, 19, 18, 25);
    } else if (link) {
        p.drawLine(15, 25, 21, 19);
        p.drawLine(17, 19, 21, 19);
        p.drawLine(21, 19, 21, 23);
    }
    const bool scroll = cursor == DragCursor::CopyScroll || cursor == DragCursor::MoveScroll
        || cursor == DragCursor::LinkScroll;
    if (scroll) {
        p.setBrush(Qt::black);
        p.drawPolygon(QPolygon({QPoint(27, 14), QPoint(31, 20), QPoint(23, 20)}));
        p.drawPolygon(QPolygon({QPoint(27, 31), QPoint(31, 25), QPoint(23, 25)}));
    }
    return pixmap;
}

} // namespace

QPixmap DragCursorPixmap(DragCursor cursor)
{
    static const std::array<QPixmap, 7> cursors = [] {
        std::array<QPixmap, 7> all;
        for (int i = 1; i < 7; ++i)
            all[size_t(i)] = draw(DragCursor(i));
        return all;
    }();
    return cursors[size_t(cursor)];
}

void ApplyDragCursors(QDrag &drag)
{
    drag.setDragCursor(DragCursorPixmap(DragCursor::Copy), Qt::CopyAction);
    drag.setDragCursor(DragCursorPixmap(DragCursor::Move), Qt::MoveAction);
    drag.setDragCursor(DragCursorPixmap(DragCursor::Link), Qt::LinkAction);
}

} // namespace vireo::gui
