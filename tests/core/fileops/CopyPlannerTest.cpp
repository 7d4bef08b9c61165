// The copy planner's arithmetic and texts, and the copy list's commands.
#include "core/fileops/AdvancedFileCopy.h"
#include "core/fileops/CopyList.h"
#include "core/library/TrackRecord.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace vireo;

namespace {

constexpr int64_t MiB = 1024 * 1024;

TAdvancedFileCopy plannerWith(int64_t total, int64_t free)
{
    return TAdvancedFileCopy([=](const QString &) -> ResultOf<DriveSpace> {
        return DriveSpace{total, free};
    });
}

struct MegabyteCase {
    int64_t bytes;
    bool decimal;
    const char *text;
};

class Megabytes : public ::testing::TestWithParam<MegabyteCase> {};

TEST_P(Megabytes, FormatsAsTheTabShowsThem)
{
    EXPECT_EQ(formatMegabytes(GetParam().bytes, GetParam().decimal), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Megabytes,
    ::testing::Values(MegabyteCase{0, true, "0MB"}, MegabyteCase{-5, false, "0MB"},
                      MegabyteCase{MiB * 3 / 2, true, "1.5MB"}, MegabyteCase{MiB, true, "1MB"},
                      MegabyteCase{MiB * 1234, false, "1,234MB"},
                      MegabyteCase{MiB * 1234 + MiB / 2, false, "1,235MB"},
                      MegabyteCase{MiB * 1234567 + MiB / 10, true, "1,234,567.1MB"},
                      MegabyteCase{MiB * 999, false, "999MB"},
                      MegabyteCase{1, true, "0MB"},
                      // 16 TiB drives keep their precision.
                      MegabyteCase{int64_t(16) << 40, false, "16,777,216MB"}));

TEST(CopyPlanner, NothingChosenShowsZerosAndAnEmptyGauge)
{
    TAdvancedFileCopy planner = plannerWith(0, 0);
    const CopySpaceView view = planner.ShowCopySpace();
    EXPECT_EQ(view.text, QStringLiteral("0MB / 0MB / 0MB"));
    EXPECT_EQ(view.gauge, 0);
    EXPECT_EQ(view.colourName, QStringLiteral("clSkyBlue"));
}

struct FillCase {
    int64_t planned, total, free;
    int percent;
    bool full;
};
class Fill : public ::testing::TestWithParam<FillCase> {};

TEST_P(Fill, PercentAndColour)
{
    const FillCase c = GetParam();
    TAdvancedFileCopy planner = plannerWith(c.total, c.free);
    ASSERT_TRUE(planner.SetDestination(QStringLiteral("/x")).ok());
    planner.AddPlanned(c.planned);
    EXPECT_EQ(planner.FillPercent(), c.percent);
    const CopySpaceView view = planner.ShowCopySpace();
    EXPECT_EQ(view.gauge, std::min(c.percent, 100));
    EXPECT_EQ(view.full, c.full);
    EXPECT_EQ(view.colourRgb, c.full ? RedRgb : SkyBlueRgb);
}

INSTANTIATE_TEST_SUITE_P(Cases, Fill,
                         ::testing::Values(FillCase{0, 100, 50, 0, false},      // nothing planned
                                           FillCase{10, 0, 0, 0, false},        // unknown drive
                                           FillCase{10, 100, 0, 100, true},     // full drive
                                           FillCase{25, 100, 50, 50, false},
                                           FillCase{49, 100, 50, 98, false},
                                           FillCase{50, 100, 50, 100, true},
                                           FillCase{3 * MiB, 100 * MiB, MiB, 300, true},
                                           // 64-bit arithmetic: 3 TB against 4 TB free
                                           FillCase{int64_t(3) << 40, int64_t(8) << 40,
                                                    int64_t(4) << 40, 75, false}));

TEST(CopyPlanner, PlannedAboveFreeAsksAndShowsRed)
{
    TAdvancedFileCopy planner = plannerWith(10 * MiB, MiB);
    ASSERT_TRUE(planner.SetDestination(QStringLiteral("/stick")).ok());
    planner.AddPlanned(2 * MiB);
    EXPECT_TRUE(planner.ExceedsFreeSpace());
    EXPECT_EQ(planner.ShowCopySpace().text, QStringLiteral("2MB / 1MB / 10MB"));
    EXPECT_EQ(planner.ShowCopySpace().colourName, QStringLiteral("clRed"));
    planner.RemovePlanned(MiB + 1);
    EXPECT_FALSE(planner.ExceedsFreeSpace());
}

TEST(CopyPlanner, AFailedQueryKeepsThePreviousFigures)
{
    bool fail = false;
    TAdvancedFileCopy planner([&](const QString &path) -> ResultOf<DriveSpace> {
        if (fail)
            return ResultOf<DriveSpace>::failure(ErrorCode::NotFound, path);
        return DriveSpace{1000, 600};
    });
    ASSERT_TRUE(planner.SetDestination(QStringLiteral("/a")).ok());
    fail = true;
    EXPECT_FALSE(planner.SetDestination(QStringLiteral("/gone")).ok());
    EXPECT_EQ(planner.Destination(), QStringLiteral("/gone"));
    EXPECT_EQ(planner.DriveTotal(), 1000);
    EXPECT_EQ(planner.DriveFree(), 600);
}

TEST(CopyPlanner, RealDriveOfAFolderNotYetMade)
{
    TAdvancedFileCopy planner;
    ASSERT_TRUE(planner.SetDestination(QStringLiteral("/tmp/does/not/exist/yet")).ok());
    EXPECT_GT(planner.DriveTotal(), 0);
    EXPECT_GE(planner.DriveTotal(), planner.DriveFree());
}

// ---- the copy list --------------------------------------------------------

class CopyListTest : public ::testing::Test {
protected:
    CopyListTest() : planner(plannerWith(100 * MiB, 50 * MiB)), list(planner) {}

    const ListRow *row(const QString &path, int64_t size, int image = RowImageV2)
    {
        auto track = std::make_unique<TID3ListItem>(path, 1);
        track->FileSize = size;
        auto r = std::make_unique<ListRow>();
        r->Data = track.get();
        r->Cells = QStringList(ListRowCellCount, QString());
        r->Cells[CellFileName] = path;
        r->ImageIndex = image;
        tracks.push_back(std::move(track));
        rows.push_back(std::move(r));
        return rows.back().get();
    }
    QStringList captions() const
    {
        QStringList out;
        for (const CopyRow &r : list.rows())
            out << r.Caption;
        return out;
    }
    QStringList names() const
    {
        QStringList out;
        for (const CopyRow &r : list.rows())
            out << r.path();
        return out;
    }

    std::vector<std::unique_ptr<TID3ListItem>> tracks;
    std::vector<std::unique_ptr<ListRow>> rows;
    TAdvancedFileCopy planner;
    CopyList list;
};

TEST_F(CopyListTest, AppendSkipsMissingFilesAndNumbersInOrder)
{
    EXPECT_EQ(list.appendRows({row("/m/a.mp3", 100), row("/m/b.mp3", 7, RowImageMissing),
                               row("/m/c.mp3", 20)}),
              2);
    EXPECT_EQ(captions(), (QStringList{"1", "2"}));
    EXPECT_EQ(names(), (QStringList{"/m/a.mp3", "/m/c.mp3"}));
    EXPECT_EQ(planner.Planned(), 120);
}

TEST_F(CopyListTest, RemovalKeepsNumbersAndANewRowMayRepeatOne)
{
    list.appendRows({row("/a", 1), row("/b", 2), row("/c", 4)});
    list.removeRows({1});
    EXPECT_EQ(captions(), (QStringList{"1", "3"}));
    EXPECT_EQ(planner.Planned(), 5);
    list.appendRows({row("/d", 8)});
    EXPECT_EQ(captions(), (QStringList{"1", "3", "3"}));
    list.removeRows({2, 0, 2, 9});
    EXPECT_EQ(names(), (QStringList{"/c"}));
    EXPECT_EQ(planner.Planned(), 4);
    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(planner.Planned(), 0);
}

TEST_F(CopyListTest, MovesSwapNeighboursAndRenumberBoth)
{
    list.appendRows({row("/a", 1), row("/b", 1), row("/c", 1)});
    list.removeRows({}); // no selection: nothing happens
    EXPECT_EQ(list.moveUp(2), 1);
    EXPECT_EQ(names(), (QStringList{"/a", "/c", "/b"}));
    EXPECT_EQ(captions(), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(list.moveUp(0), 0);
    EXPECT_EQ(list.moveDown(2), 2);
    EXPECT_EQ(list.moveDown(0), 1);
    EXPECT_EQ(names(), (QStringList{"/c", "/a", "/b"}));
    EXPECT_EQ(list.moveDown(-1), -1);
    EXPECT_EQ(list.moveUp(3), -1);
}

TEST_F(CopyListTest, MarksAndDeletedTracks)
{
    list.appendRows({row("/a", 1), row("/b", 2), row("/a2", 4)});
    list.setCopied(1);
    EXPECT_FALSE(list.at(0).Copied);
    EXPECT_TRUE(list.at(1).Copied);
    EXPECT_EQ(list.removeTracks({tracks[0].get(), tracks[2].get()}), 2);
    EXPECT_EQ(names(), (QStringList{"/b"}));
    EXPECT_EQ(planner.Planned(), 2);
}

// After a refresh the library holds new records (or none) for the paths: the
// rows follow it instead of keeping pointers the library has let go.
TEST_F(CopyListTest, RowsFollowTheLibraryAfterARefresh)
{
    list.appendRows({row("/a", 1), row("/b", 2), row("/c", 4)});
    auto fresh = std::make_unique<TID3ListItem>(QStringLiteral("/b"), 1);
    TID3ListItem *a = tracks[0].get();
    const auto library = [&](const QString &path) -> TID3ListItem * {
        if (path == QLatin1String("/a"))
            return a;
        if (path == QLatin1String("/b"))
            return fresh.get();
        return nullptr; // "/c" left the library
    };
    // While a copy runs the rows keep their places.
    EXPECT_EQ(list.relink(library, true), 2);
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list.at(1).Data, fresh.get());
    EXPECT_EQ(list.at(2).Data, nullptr);
    EXPECT_EQ(names(), (QStringList{"/a", "/b", ""}));

    list.clear();
    list.appendRows({row("/a", 1), row("/c", 4), row("/b", 2)});
    EXPECT_EQ(list.relink(library), 3); // the new "/a" row takes the library's record as well
    EXPECT_EQ(names(), (QStringList{"/a", "/b"}));
    EXPECT_EQ(list.at(0).Data, a);
    EXPECT_EQ(list.at(1).Data, fresh.get());
    EXPECT_EQ(planner.Planned(), 3);
    EXPECT_EQ(list.relink(library), 0);
}

} // namespace
