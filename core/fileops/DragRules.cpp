#include "core/fileops/DragRules.h"

#include "core/fileops/FileOpsTexts.h"

#include <cstdlib>

namespace vireo {

bool ShouldStartDrag(const DragStartState &state, Qt::MouseButtons buttons,
                     Qt::KeyboardModifiers modifiers, QPoint pos, bool hasSelection)
{
    if (state.dragging || state.start.x() == -1 || !hasSelection)
        return false;
    if (buttons != Qt::LeftButton && buttons != Qt::RightButton)
        return false;
    if (modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))
        return false;
    return std::abs(pos.x() - state.start.x()) >= DragStartDistance
        || std::abs(pos.y() - state.start.y()) >= DragStartDistance;
}

Qt::DropAction ChooseTreeDropAction(Qt::DropActions offered)
{
    if (offered & Qt::CopyAction)
        return Qt::CopyAction;
    if (offered & Qt::MoveAction)
        return Qt::MoveAction;
    if (offered & Qt::LinkAction)
        return Qt::LinkAction;
    return Qt::IgnoreAction;
}

Qt::DropAction ChooseCopyOnlyDropAction(Qt::DropActions offered)
{
    return (offered & Qt::CopyAction) ? Qt::CopyAction : Qt::IgnoreAction;
}

bool InDropScrollZone(int y, int height)
{
    return y < DropScrollZone || y > height - DropScrollZone;
}

DragCursor DragCursorFor(Qt::DropAction action, bool scrolling)
{
    switch (action) {
    case Qt::CopyAction: return scrolling ? DragCursor::CopyScroll : DragCursor::Copy;
    case Qt::MoveAction: return scrolling ? DragCursor::MoveScroll : DragCursor::Move;
    case Qt::LinkAction: return scrolling ? DragCursor::LinkScroll : DragCursor::Link;
    default: return DragCursor::Default;
    }
}

QString DragCursorName(DragCursor cursor)
{
    switch (cursor) {
    case DragCursor::Copy: return QStringLiteral("COPY");
    case DragCursor::Move: return QStringLiteral("MOVE");
    case DragCursor::Link: return QStringLiteral("LINK");
    case DragCursor::CopyScroll: return QStringLiteral("COPYSC");
    case DragCursor::MoveScroll: return QStringLiteral("MOVESC");
    case DragCursor::LinkScroll: return QStringLiteral("LINKSC");
    case DragCursor::Default: break;
    }
    return QString();
}

int DragCursorSlot(DragCursor cursor)
{
    return cursor == DragCursor::Default ? 0 : 100 + int(cursor);
}

QString DropOutcomeText(Qt::DropAction result)
{
    namespace t = fileops::texts;
    switch (result) {
    case Qt::CopyAction: return t::dropCopied();
    case Qt::MoveAction: return t::dropMoved();
    case Qt::LinkAction: return t::dropLinked();
    case Qt::IgnoreAction: return t::dropCancelled();
    default: return t::dropUnknown();
    }
}

} // namespace vireo
