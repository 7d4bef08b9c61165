// Column hide/show by tag and the running selection size.
#include "core/views/TrackColumns.h"

#include <gtest/gtest.h>

namespace vireo::views {
namespace {

TEST(ColumnWidths, HidingKeepsTheWidthToGiveBack)
{
    ColumnWidths w;
    const int artist = columnPositionOfTag(4);
    w.setWidth(artist, 120);
    EXPECT_TRUE(w.isShown(4));
    w.toggle(4);
    EXPECT_EQ(w.width(artist), 0);
    EXPECT_FALSE(w.isShown(4));
    w.toggle(4);
    EXPECT_EQ(w.width(artist), 120);
    EXPECT_TRUE(w.isShown(4));
}

TEST(ColumnWidths, ColumnHiddenAtStartShowsAtItsRestoreWidth)
{
    ColumnWidths w;
    const int file = columnPositionOfTag(1);
    w.setWidth(file, 0); // the settings load's default for "ﾌｧｲﾙ名"
    EXPECT_FALSE(w.isShown(1));
    w.toggle(1);
    EXPECT_EQ(w.width(file), 200);
    w.toggle(99); // no such tag: nothing
    EXPECT_EQ(w.width(file), 200);
}

struct SizeCase { const char *label; qint64 bytes; const char *expected; };
class SelectionSize : public testing::TestWithParam<SizeCase> {};
TEST_P(SelectionSize, AddsTheRoundedMegabytes)
{
    EXPECT_EQ(addSelectionSize(QString::fromLatin1(GetParam().label), GetParam().bytes),
              QString::fromLatin1(GetParam().expected));
}
INSTANTIATE_TEST_SUITE_P(Size, SelectionSize, testing::Values(
    SizeCase{"0", 3 * 1024 * 1024, "3"},
    SizeCase{"3", 4718592, "7.5"},            // 4.5 MB
    SizeCase{"0", 1572863, "1.5"},            // 1535 KB, 1.499 MB
    SizeCase{"0", 0, "0"},
    SizeCase{"0", 1023, "0"},                 // less than a kilobyte
    SizeCase{"0", 262144, "0.2"},             // 0.25 MB: the half goes to the even neighbour
    SizeCase{"0", 393216, "0.4"},             // 0.375 -> 0.4
    SizeCase{"garbage", 1048576, "1"},
    SizeCase{"0.1", 209715, "0.3"}            // 204 KB = 0.199 MB -> 0.2
));

} // namespace
} // namespace vireo::views
