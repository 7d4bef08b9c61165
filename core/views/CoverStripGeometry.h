#pragma once
// The cover strip's arithmetic: the cell side for a size step, where the
// picture, its shadow and the caption go inside a cell, which cells are
// visible and how the selection moves and scrolls.
#include <QPoint>
#include <QRect>

namespace vireo::views {

inline constexpr int kCoverUnit = 64;      // a cell is 64 × the size step pixels square
inline constexpr int kMaxCoverSizeStep = 3;
inline constexpr int kSelectedCoverInset = 3;
inline constexpr int kShadowOffset = 3;

// The size step a setting value stands for: 1..3 (0 or less gives 1; a
// hand-edited larger value gives 3).
int coverSizeStep(int setting);
// The side S of a cell: 64, 128 or 192.
int coverCellSide(int setting);
// The picture rectangle P in a cell of side S: inset by S / 10, or by 3 for the selected cell.
QRect coverPictureRect(int side, bool selected);
// The grey shadow behind P: from (P.left + 3, P.top + 3) up to, not including,
// (P.right + 2, P.bottom + 2) counted with exclusive right and bottom edges.
QRect coverShadowRect(const QRect &picture);
// The top-left corner of the caption: x = 3, y = S - 3 - h - 3 for a font h pixels high.
QPoint coverCaptionPosition(int side, int fontHeight);
inline constexpr QPoint kCaptionShadowOffset{2, 1};

// The scrolling of the strip: the first visible column and how many cells fit wholly.
struct StripView {
    int count = 0;        // cells (the album list's length)
    int first = 0;        // first visible column
    int fullyVisible = 1; // columns that fit wholly, at least 1
    int selected = -1;    // selected column, -1 for none
};
// Columns that fit wholly in a width.
int fullyVisibleColumns(int width, int side);
// The column under x (pixels from the strip's left edge), or -1 past the last cell.
int coverColumnAt(const StripView &v, int x, int side);
// Selects a column (negative values become 0) and scrolls it into view:
// first when left of the view, last fully visible when at or beyond its right edge.
StripView selectCoverColumn(StripView v, int column);
// "<" and ">": move the selection one column, scrolling by one when it leaves
// the view. False (and v unchanged) on the first (last) column or with no cells.
bool stepCoverLeft(StripView &v);
bool stepCoverRight(StripView &v);
// Keeps first within the cells after a resize or a new list.
StripView clampStripView(StripView v);

} // namespace vireo::views
