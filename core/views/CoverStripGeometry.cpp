#include "core/views/CoverStripGeometry.h"

#include <algorithm>

namespace vireo::views {

int coverSizeStep(int setting) { return std::clamp(setting, 1, kMaxCoverSizeStep); }

int coverCellSide(int setting) { return kCoverUnit * coverSizeStep(setting); }

QRect coverPictureRect(int side, bool selected)
{
    const int inset = selected ? kSelectedCoverInset : side / 10;
    return QRect(inset, inset, side - 2 * inset, side - 2 * inset);
}

QRect coverShadowRect(const QRect &p)
{
    return QRect(p.x() + kShadowOffset, p.y() + kShadowOffset, p.width() - 1, p.height() - 1);
}

QPoint coverCaptionPosition(int side, int fontHeight)
{
    return QPoint(3, side - 3 - fontHeight - 3);
}

int fullyVisibleColumns(int width, int side)
{
    return side <= 0 ? 1 : std::max(1, width / side);
}

int coverColumnAt(const StripView &v, int x, int side)
{
    if (x < 0 || side <= 0)
        return -1;
    const int column = v.first + x / side;
    return column < v.count ? column : -1;
}

StripView clampStripView(StripView v)
{
    v.fullyVisible = std::max(1, v.fullyVisible);
    v.first = std::clamp(v.first, 0, std::max(0, v.count - 1));
    if (v.selected >= v.count)
        v.selected = v.count - 1;
    return v;
}

StripView selectCoverColumn(StripView v, int column)
{
    column = std::max(0, column);
    v.selected = column;
    if (column < v.first)
        v.first = column;
    else if (column >= v.first + v.fullyVisible)
        v.first = column - v.fullyVisible + 1;
    return v;
}

bool stepCoverLeft(StripView &v)
{
    if (v.count == 0 || v.selected <= 0)
        return false;
    v.selected = std::min(v.selected, v.count) - 1;
    if (v.selected < v.first)
        v.first = v.selected;
    return true;
}

bool stepCoverRight(StripView &v)
{
    if (v.count == 0 || v.selected >= v.count - 1)
        return false;
    ++v.selected;
    if (v.selected >= v.first + v.fullyVisible)
        v.first = v.selected - v.fullyVisible + 1;
    return true;
}

} // namespace vireo::views
