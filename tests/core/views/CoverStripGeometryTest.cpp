// The cover strip's cell arithmetic and paging, and the lower panel's toggle.
#include "core/views/CoverStripGeometry.h"
#include "core/views/LowerPanel.h"

#include <gtest/gtest.h>

using namespace vireo::views;

namespace {

struct CellCase {
    int setting;
    int side;
    bool selected;
    int inset;
};

class CellGeometry : public testing::TestWithParam<CellCase> {};

TEST_P(CellGeometry, PictureShadowAndCaption)
{
    const CellCase c = GetParam();
    EXPECT_EQ(coverCellSide(c.setting), c.side);
    const QRect p = coverPictureRect(c.side, c.selected);
    EXPECT_EQ(p, QRect(c.inset, c.inset, c.side - 2 * c.inset, c.side - 2 * c.inset));
    // The shadow starts 3 pixels in and shows 2 pixels beyond the picture's right and bottom edges.
    const QRect s = coverShadowRect(p);
    EXPECT_EQ(s.left(), p.left() + 3);
    EXPECT_EQ(s.top(), p.top() + 3);
    EXPECT_EQ(s.right(), p.right() + 2);
    EXPECT_EQ(s.bottom(), p.bottom() + 2);
    EXPECT_LT(s.right(), c.side); // never outside the cell
    EXPECT_EQ(coverCaptionPosition(c.side, 13), QPoint(3, c.side - 19));
}

INSTANTIATE_TEST_SUITE_P(Cells, CellGeometry, testing::Values(
    CellCase{1, 64, false, 6}, CellCase{2, 128, false, 12}, CellCase{3, 192, false, 19},
    CellCase{2, 128, true, 3}, CellCase{1, 64, true, 3},
    // A setting of 0 or less is a small strip, a hand-edited large one the large strip.
    CellCase{0, 64, false, 6}, CellCase{-4, 64, false, 6}, CellCase{40, 192, false, 19}));

StripView strip(int count, int first, int fully, int selected)
{
    StripView v;
    v.count = count;
    v.first = first;
    v.fullyVisible = fully;
    v.selected = selected;
    return v;
}

TEST(CoverStripPaging, SelectScrollsTheCellIntoView)
{
    // Left of the view: it becomes the first visible column.
    StripView v = selectCoverColumn(strip(20, 5, 4, 6), 2);
    EXPECT_EQ(v.selected, 2);
    EXPECT_EQ(v.first, 2);
    // At or beyond the right edge: it becomes the last fully visible one.
    v = selectCoverColumn(strip(20, 5, 4, 6), 9);
    EXPECT_EQ(v.first, 6);
    v = selectCoverColumn(strip(20, 5, 4, 6), 8);
    EXPECT_EQ(v.first, 5);
    v = selectCoverColumn(strip(20, 5, 4, 6), -3);
    EXPECT_EQ(v.selected, 0);
    EXPECT_EQ(v.first, 0);
}

TEST(CoverStripPaging, ButtonsStopAtTheEnds)
{
    StripView v = strip(3, 0, 2, 0);
    EXPECT_FALSE(stepCoverLeft(v));
    EXPECT_EQ(v.selected, 0);
    EXPECT_TRUE(stepCoverRight(v));
    EXPECT_TRUE(stepCoverRight(v));
    EXPECT_EQ(v.selected, 2);
    EXPECT_EQ(v.first, 1); // scrolled by one when the cell left the view
    EXPECT_FALSE(stepCoverRight(v));
    EXPECT_EQ(v.selected, 2);
    EXPECT_TRUE(stepCoverLeft(v));
    EXPECT_TRUE(stepCoverLeft(v));
    EXPECT_EQ(v.first, 0);
    StripView empty = strip(0, 0, 3, -1);
    EXPECT_FALSE(stepCoverLeft(empty));
    EXPECT_FALSE(stepCoverRight(empty));
}

TEST(CoverStripPaging, ColumnUnderThePointer)
{
    const StripView v = strip(5, 2, 3, -1);
    EXPECT_EQ(coverColumnAt(v, 0, 64), 2);
    EXPECT_EQ(coverColumnAt(v, 63, 64), 2);
    EXPECT_EQ(coverColumnAt(v, 64, 64), 3);
    EXPECT_EQ(coverColumnAt(v, 64 * 3, 64), -1); // past the last cell
    EXPECT_EQ(coverColumnAt(v, -1, 64), -1);
    EXPECT_EQ(fullyVisibleColumns(300, 64), 4);
    EXPECT_EQ(fullyVisibleColumns(10, 64), 1);
}

TEST(CoverStripPaging, ANewShorterListKeepsTheViewInside)
{
    StripView v = strip(2, 30, 4, 31);
    v = clampStripView(v);
    EXPECT_EQ(v.first, 1);
    EXPECT_EQ(v.selected, 1);
}

TEST(LowerPanelToggle, TabsOpenOtherControlsTurnOver)
{
    LowerPanelState s = lowerPanelAtStart(false);
    EXPECT_FALSE(s.checked);
    EXPECT_EQ(s.height, kLowerPanelCollapsedHeight);
    EXPECT_EQ(s.closeImage, 13);
    // Clicking "PlayList" on a collapsed panel opens it at 251 pixels.
    s = toggleLowerPanel(s, true);
    EXPECT_TRUE(s.checked);
    EXPECT_EQ(s.height, kLowerPanelOpenHeight);
    EXPECT_EQ(s.closeImage, 14);
    // A tab click on an open panel keeps it open at the height the user gave it.
    s.height = 300;
    s = toggleLowerPanel(s, true);
    EXPECT_TRUE(s.checked);
    EXPECT_EQ(s.height, 300);
    s = toggleLowerPanel(s, false);
    EXPECT_FALSE(s.checked);
    EXPECT_EQ(s.height, 24);
    s = lowerPanelAtStart(true);
    EXPECT_TRUE(s.checked);
    EXPECT_EQ(s.height, 251);
}

} // namespace
