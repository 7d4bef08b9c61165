#pragma once
// The six drag cursors "COPY", "MOVE", "LINK" and their scrolling forms
// "COPYSC", "MOVESC", "LINKSC" (slots 101 to 106), drawn once at start.
#include "core/fileops/DragRules.h"

#include <QPixmap>

class QDrag;

namespace vireo::gui {

QPixmap DragCursorPixmap(DragCursor cursor);
// Gives a drag the copy, move and link cursors (Qt picks one per action).
void ApplyDragCursors(QDrag &drag);

} // namespace vireo::gui
