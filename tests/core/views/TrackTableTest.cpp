// The track table: column-click sort rules, stable order, lazy cells.
#include "tests/core/views/ViewsTestLibrary.h"

#include "core/views/TrackTable.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace vireo::views::test {
namespace {

struct Row { const char *title; int track; const char *artist; };

class Table : public testing::Test {
protected:
    void load(std::initializer_list<Row> rows)
    {
        for (const Row &r : rows) {
            TrackSpec s;
            s.Path = QStringLiteral("/m/") + QString::fromUtf8(r.title) + QStringLiteral(".mp3");
            s.V2Artist = QString::fromUtf8(r.artist);
            s.V2Album = QStringLiteral("al");
            s.Title = QString::fromUtf8(r.title);
            s.Track = r.track;
            lib.add(s);
        }
        table.setRowFiller([this](const TID3ListItem *t, bool m, bool v2) { ++fills; return testRow(t, m, v2); });
        table.setCollator(QCollator(QLocale(QLocale::English, QLocale::UnitedStates)));
        table.fill(lib.tracks(), false, true);
    }
    std::string titles() const
    {
        std::string out;
        for (int r = 0; r < table.rowCount(); ++r)
            out += (r ? "," : "") + table.track(r)->V2.Title.toStdString();
        return out;
    }
    TestLibrary lib;
    TrackTable table;
    int fills = 0;
};

TEST_F(Table, DefaultSortKeepsTheOrderAddedWithoutMakingCells)
{
    load({{"b", 2, "x"}, {"a", 1, "y"}});
    table.columnClick(table.lastSortColumn()); // start-up click on "歌詞"
    EXPECT_EQ(table.sortKey(), 2);
    EXPECT_EQ(titles(), "b,a");
    EXPECT_EQ(fills, 0);
    EXPECT_EQ(table.cellText(0, 5), QStringLiteral("b"));
    EXPECT_EQ(fills, 1); // only the row shown was made
}

TEST_F(Table, TrackColumnPutsRowsWithoutNumberFirstThenLast)
{
    load({{"n1", 0, "x"}, {"t10", 10, "x"}, {"n2", 0, "x"}, {"t2", 2, "x"}, {"n3", 0, "x"}});
    table.columnClick(4);
    EXPECT_EQ(titles(), "n1,n2,n3,t2,t10");
    table.columnClick(4);
    EXPECT_EQ(table.sortKey(), -5);
    EXPECT_EQ(titles(), "t10,t2,n1,n2,n3");
    // Two empty cells: the comparison is symmetric, so any sort finishes.
    EXPECT_EQ(table.compareRows(0, 2, 5), 0);
    EXPECT_EQ(table.compareRows(0, 1, 5), -1);
    EXPECT_EQ(table.compareRows(0, 1, -5), 1);
}

TEST_F(Table, TitleTwiceDescendsThenArtistAscends)
{
    load({{"b", 0, "q"}, {"c", 0, "p"}, {"a", 0, "r"}});
    table.columnClick(5);
    EXPECT_EQ(titles(), "a,b,c");
    table.columnClick(5);
    EXPECT_EQ(titles(), "c,b,a");
    table.columnClick(6);
    EXPECT_EQ(table.sortKey(), 7);
    EXPECT_EQ(table.lastSortColumn(), 6);
    EXPECT_EQ(titles(), "c,b,a"); // artists p, q, r
}

TEST_F(Table, TextOrderIsTheLocalesCaseSensitiveOne)
{
    load({{"ABC", 0, "x"}, {"abd", 0, "x"}, {"abc", 0, "x"}, {"Zeta", 0, "x"}});
    table.columnClick(5);
    // Code points would give ABC, Zeta, abc, abd.
    EXPECT_EQ(titles(), "abc,ABC,abd,Zeta");
    EXPECT_NE(table.compareRows(0, 2, 6), 0); // abc and ABC differ
}

TEST_F(Table, EqualRowsKeepTheOrderAddedInBothDirections)
{
    load({{"s1", 0, "same"}, {"s2", 0, "same"}, {"o", 0, "other"}, {"s3", 0, "same"}});
    table.columnClick(6);
    EXPECT_EQ(titles(), "o,s1,s2,s3");
    table.columnClick(6);
    EXPECT_EQ(titles(), "s1,s2,s3,o");
}

struct ColumnCase { int stored; int expected; };
class SortColumnRange : public testing::TestWithParam<ColumnCase> {};
TEST_P(SortColumnRange, OutOfRangeCountsAsOne)
{
    TrackTable t;
    t.setLastSortColumn(GetParam().stored);
    EXPECT_EQ(t.lastSortColumn(), GetParam().expected);
    t.columnClick(GetParam().stored);
    EXPECT_EQ(t.sortKey(), GetParam().expected + 1);
}
INSTANTIATE_TEST_SUITE_P(Table, SortColumnRange, testing::Values(
    ColumnCase{-1, 1}, ColumnCase{0, 0}, ColumnCase{11, 11}, ColumnCase{12, 1}, ColumnCase{99999, 1}));

TEST_F(Table, RemovingATrackDropsAllItsRows)
{
    load({{"a", 1, "x"}, {"b", 2, "x"}});
    TrackList twice = lib.tracks();
    twice.push_back(lib.tracks()[0]);
    table.fill(twice, false, true);
    table.columnClick(4);
    table.removeTrack(lib.tracks()[0]);
    EXPECT_EQ(titles(), "b");
    EXPECT_EQ(table.rowOfTrack(lib.tracks()[0]), -1);
    table.removeRow(5); // out of range: nothing
    EXPECT_EQ(table.rowCount(), 1);
}

TEST_F(Table, CellsFollowTheTagShownAndMissingMark)
{
    load({{"a", 3, "x"}});
    lib.tracks()[0]->Exists = false;
    table.fill(lib.tracks(), true, true);
    EXPECT_EQ(table.imageIndex(0), kRowImageMissing);
    EXPECT_EQ(table.cellText(0, 11), QStringLiteral("-"));
    EXPECT_EQ(table.cellText(0, 0), QString());
    EXPECT_EQ(table.cellText(5, 5), QString());
    EXPECT_EQ(table.track(-1), nullptr);
}

TEST(TableColumns, TwelveColumnsWithTags)
{
    ASSERT_EQ(trackColumns().size(), size_t(kTrackColumnCount));
    EXPECT_EQ(columnPositionOfTag(9), 2);
    EXPECT_EQ(columnPositionOfTag(1), 3);
    EXPECT_EQ(columnPositionOfTag(10), 11);
    EXPECT_EQ(columnPositionOfTag(0), -1);
    EXPECT_EQ(trackColumns()[4].Caption, QStringLiteral("Track"));
    EXPECT_TRUE(trackColumns()[4].RightAligned);
}

} // namespace
} // namespace vireo::views::test
