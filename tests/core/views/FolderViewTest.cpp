// The folder view: which tracks an opened folder shows, and the fast build
// against the plain reference loops.
#include "tests/core/views/ReferenceTrees.h"
#include "tests/core/views/TreeCompare.h"
#include "tests/core/views/ViewsTestLibrary.h"

#include "core/views/FolderView.h"
#include "core/views/ViewTexts.h"

#include <gtest/gtest.h>

#include <random>

namespace vireo::views::test {
namespace {

TrackSpec at(const char *path, const char *artist, const char *album, bool exists = true)
{
    TrackSpec s;
    s.Path = QString::fromUtf8(path);
    s.V2Artist = QString::fromUtf8(artist);
    s.V2Album = QString::fromUtf8(album);
    s.Exists = exists;
    return s;
}

struct FolderCase {
    const char *name;
    std::vector<TrackSpec> tracks;
    const char *folder;
    int found;
    std::string children;   // renderArtists of the folder node's children
    std::string newAlbums;  // renderNames of the album-tree nodes to append
};

class FolderRules : public testing::TestWithParam<FolderCase> {};

TEST_P(FolderRules, BuildsTheFolderNode)
{
    const FolderCase &fc = GetParam();
    TestLibrary lib;
    lib.setPreferV2(true);
    for (const TrackSpec &s : fc.tracks)
        lib.add(s);
    const QString folder = QString::fromUtf8(fc.folder);
    const auto r = BuildFolderView(lib, folder, fc.found, {});
    ASSERT_TRUE(r);
    EXPECT_EQ(r->FolderNode.Text, folder);
    EXPECT_EQ(r->FolderNode.kind(), T_Vireo_NodeData::FolderRootKind);
    EXPECT_EQ(renderArtists(r->FolderNode.Children), fc.children);
    EXPECT_EQ(renderNames(r->NewAlbumNodes), fc.newAlbums);
    const auto ref = referenceBuildFolderView(lib, folder, fc.found, {});
    EXPECT_EQ(diffNodes({r->FolderNode}, {ref->FolderNode}, "folder"), "");
    EXPECT_EQ(diffNodes(r->NewAlbumNodes, ref->NewAlbumNodes, "albums"), "");
}

INSTANTIATE_TEST_SUITE_P(Folder, FolderRules, testing::Values(
    FolderCase{"NothingFoundGivesNA", {at("/m/a/1.mp3", "A", "X")}, "/m/a/", 0, "N/A#1{}", ""},
    FolderCase{"OnlyTracksInTheFolder",
               {at("/m/a/1.mp3", "A", "X"), at("/m/b/1.mp3", "B", "Y")}, "/m/a/", 1, "A#1{X}", "X"},
    FolderCase{"OtherCasePathIsOutside", {at("/m/A/1.mp3", "A", "X")}, "/m/a/", 1, "", ""},
    FolderCase{"PathMustStartWithTheFolder", {at("/backup/m/a/1.mp3", "A", "X")}, "/m/a/", 1, "", ""},
    FolderCase{"ArtistOutsideTooCountsFully",
               {at("/m/a/1.mp3", "A", "X"), at("/m/b/1.mp3", "a", "Y"), at("/m/b/2.mp3", "A", "X")},
               "/m/a/", 1, "A#3{X,Y}", "X"},
    FolderCase{"MissingFilesShown", {at("/m/a/1.mp3", "A", "X", false)}, "/m/a/", 1, "A#1{X}", "X"},
    FolderCase{"NoCompilationKey",
               {[] { TrackSpec s = at("/m/a/1.mp3", "A", "X"); s.Compilation = 0; return s; }()},
               "/m/a/", 1, "A#1{X}", "X"},
    FolderCase{"EveryFolderAlbumListedOnce",
               {at("/m/a/1.mp3", "A", "X"), at("/m/a/2.mp3", "B", "x"), at("/m/a/3.mp3", "B", "Z")},
               "/m/a/", 3, "A#1{X} | B#2{x,Z}", "X,Z"}
), [](const testing::TestParamInfo<FolderCase> &i) { return std::string(i.param.name); });

TEST(Folder, HiddenGenreMakesNoArtistButListsItsAlbum)
{
    TestLibrary lib;
    lib.setPreferV2(true);
    TrackSpec s = at("/m/a/1.mp3", "A", "X");
    s.V1Artist = QStringLiteral("A");
    s.Genre = 17;
    lib.add(s);
    const auto r = BuildFolderView(lib, QStringLiteral("/m/a/"), 1, {QStringLiteral("Rock")});
    ASSERT_TRUE(r);
    EXPECT_TRUE(r->FolderNode.Children.empty());
    EXPECT_EQ(renderNames(r->NewAlbumNodes), "X");
}

TEST(Folder, EmptyLibraryGivesNothing)
{
    TestLibrary lib;
    EXPECT_FALSE(BuildFolderView(lib, QStringLiteral("/m/"), 3, {}));
}

TEST(Folder, OpeningTwiceAddsTwoNodesAndDuplicateAlbumNodes)
{
    TestLibrary lib;
    lib.setPreferV2(true);
    lib.add(at("/m/a/1.mp3", "A", "X"));
    std::vector<TreeNode> folderTree, albumTree;
    const int first = addFolderView(folderTree, albumTree, *BuildFolderView(lib, QStringLiteral("/m/a/"), 1, {}));
    const int second = addFolderView(folderTree, albumTree, *BuildFolderView(lib, QStringLiteral("/m/a/"), 1, {}));
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 1);
    ASSERT_EQ(folderTree.size(), 2u);
    EXPECT_EQ(renderArtists(folderTree[0].Children), renderArtists(folderTree[1].Children));
    EXPECT_EQ(renderNames(albumTree), "X,X");
    // A folder that sorts first still reports where it went.
    const int third = addFolderView(folderTree, albumTree, *BuildFolderView(lib, QStringLiteral("/a/"), 0, {}));
    EXPECT_EQ(third, 0);
}

TEST(Folder, FastBuildEqualsReferenceOnRandomLibraries)
{
    std::mt19937 rng(7);
    const char *artists[] = {"A", "a", "B", "山田", "", "b"};
    const char *albums[] = {"X", "x", "Y", "", "ベスト"};
    const char *folders[] = {"/m/a/", "/m/b/", "/m/a/s/", "/m/A/"};
    std::uniform_int_distribution<int> pct(0, 99);
    for (int round = 0; round < 300; ++round) {
        TestLibrary lib;
        lib.setPreferV2(pct(rng) < 50);
        const int n = 1 + round % 40;
        for (int i = 0; i < n; ++i) {
            TrackSpec s;
            s.Path = QString::fromUtf8(folders[pct(rng) % 4]) + QString::number(i);
            if (pct(rng) < 70) {
                s.V1Artist = QString::fromUtf8(artists[pct(rng) % 6]);
                s.V1Album = QString::fromUtf8(albums[pct(rng) % 5]);
                s.Genre = pct(rng) < 20 ? 17 : 13;
            }
            if (pct(rng) < 70) {
                s.V2Artist = QString::fromUtf8(artists[pct(rng) % 6]);
                s.V2Album = QString::fromUtf8(albums[pct(rng) % 5]);
            }
            s.Exists = pct(rng) < 80;
            lib.add(s);
        }
        const QString folder = QString::fromUtf8(folders[round % 4]);
        const QStringList hidden = round % 2 ? QStringList{QStringLiteral("Rock")} : QStringList{};
        const auto fast = BuildFolderView(lib, folder, 1, hidden);
        const auto slow = referenceBuildFolderView(lib, folder, 1, hidden);
        ASSERT_EQ(diffNodes({fast->FolderNode}, {slow->FolderNode}, "folder"), "") << "round " << round;
        ASSERT_EQ(diffNodes(fast->NewAlbumNodes, slow->NewAlbumNodes, "albums"), "") << "round " << round;
    }
}

} // namespace
} // namespace vireo::views::test
