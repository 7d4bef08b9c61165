#pragma once
// The rules of dragging tracks out of the track list and dropping onto the
// window: when a drag starts, which effect a target takes, when it scrolls,
// which of the six cursors shows, and what the status bar says afterwards.
#include <QPoint>
#include <QString>
#include <Qt>

namespace vireo {

// The track list's drag state: the last press point ((-1, -1) until the
// first press) and whether a drag from the list runs.
struct DragStartState {
    QPoint start{-1, -1};
    bool dragging = false;
};

inline constexpr int DragStartDistance = 10; // pixels, either direction
inline constexpr int DropScrollZone = 15;    // pixels from a target's top or bottom edge

// A drag starts when no drag runs, a press was recorded, exactly the left or
// exactly the right button is held without Shift, Ctrl or Alt, the pointer
// is 10 pixels or more away horizontally or vertically, and rows are selected.
bool ShouldStartDrag(const DragStartState &state, Qt::MouseButtons buttons,
                     Qt::KeyboardModifiers modifiers, QPoint pos, bool hasSelection);

// The artist tree takes copy, else move, else link, else nothing.
Qt::DropAction ChooseTreeDropAction(Qt::DropActions offered);
// The copy list and the track list take a copy only.
Qt::DropAction ChooseCopyOnlyDropAction(Qt::DropActions offered);
// The pointer is near enough to the top or bottom edge for the target to scroll.
bool InDropScrollZone(int y, int height);

enum class DragCursor { Default, Copy, Move, Link, CopyScroll, MoveScroll, LinkScroll };
DragCursor DragCursorFor(Qt::DropAction action, bool scrolling);
// "COPY", "MOVE", "LINK", "COPYSC", "MOVESC", "LINKSC"; "" for the default.
QString DragCursorName(DragCursor cursor);
// The cursor slots 101 to 106, in the order above; 0 for the default.
int DragCursorSlot(DragCursor cursor);

// The status-bar text of a finished drag (IgnoreAction: cancelled).
QString DropOutcomeText(Qt::DropAction result);

} // namespace vireo
