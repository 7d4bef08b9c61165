// View modes, album tabs, tree selections and search as the window sees them.
#include "tests/core/views/ViewsTestLibrary.h"

#include "core/views/BrowseState.h"
#include "core/views/TreeBuilder.h"
#include "core/views/ViewTexts.h"

#include <gtest/gtest.h>

namespace vireo::views::test {
namespace {

TrackSpec song(const char *path, const char *artist, const char *album)
{
    TrackSpec s;
    s.Path = QString::fromUtf8(path);
    s.V2Artist = QString::fromUtf8(artist);
    s.V2Album = QString::fromUtf8(album);
    s.Title = s.Path;
    return s;
}

class Browse : public testing::Test {
protected:
    void SetUp() override
    {
        lib.setPreferV2(true);
        lib.add(song("/m/1", "Abba", "Best"));
        lib.add(song("/m/2", "Abba", "Gold"));
        TrackSpec v1 = song("/m/3", "abba", "x");
        v1.V1Artist = QStringLiteral("ABBA");
        v1.V1Album = QStringLiteral("best");
        lib.add(v1);                                    // ID3v1 album best
        lib.add(song("/m/4", "ABBA", "BEST"));          // ID3v2 album BEST
        lib.add(song("/m/5", "Abba", "Best "));         // trailing space: another album
        lib.add(song("/m/6", "Queen", ""));
        TrackSpec c = song("/m/7", "Various", "Hits");
        c.Compilation = 0;
        lib.add(c);
        TrackSpec gone = song("/m/8", "Queen", "Jazz");
        gone.Exists = false;
        lib.add(gone);
        rebuild();
    }
    void rebuild()
    {
        trees = *BuildTrees(lib, {});
        state.treesBuilt(trees);
        state.takeChanges();
    }
    std::string rows() const
    {
        std::string out;
        for (int r = 0; r < state.table().rowCount(); ++r)
            out += (r ? "," : "") + state.table().track(r)->FileName.mid(3).toStdString();
        return out;
    }
    std::string tabs() const
    {
        std::string out;
        for (const AlbumTab &t : state.tabs())
            out += (out.empty() ? "" : "|") + t.Caption.toStdString();
        return out;
    }
    const TreeNode &artist(const char *key) const
    {
        for (const TreeNode &n : trees.ArtistTree)
            if (n.Data->Artist == QString::fromUtf8(key))
                return n;
        throw std::runtime_error("no artist node");
    }
    TestLibrary lib;
    LibraryTrees trees;
    BrowseState state{lib};
};

TEST_F(Browse, WholeLibraryListsEveryTrackOnceAndOnlyOnce)
{
    state.selectArtistTreeNode({&artist("Abba"), nullptr});
    state.showWholeLibrary();
    auto c = state.takeChanges();
    EXPECT_TRUE(c.Rows && c.Tabs && c.FocusTrackList);
    EXPECT_EQ(state.viewMode(), ViewMode::WholeLibrary);
    EXPECT_EQ(rows(), "1,2,3,4,5,6,7,8"); // missing files included
    EXPECT_EQ(state.tabs().size(), 1u);
    EXPECT_EQ(state.tabs()[0].Caption, QString());
    EXPECT_TRUE(state.currentArtist().isEmpty());
    state.showWholeLibrary();
    c = state.takeChanges();
    EXPECT_FALSE(c.Rows || c.Tabs); // the second press rebuilds nothing
}

TEST_F(Browse, EmptyLibraryChangesNothing)
{
    TestLibrary empty;
    BrowseState s(empty);
    s.showWholeLibrary();
    EXPECT_EQ(s.viewMode(), ViewMode::Loading);
    EXPECT_FALSE(s.takeChanges().Rows);
}

TEST_F(Browse, ArtistSelectionMakesAllTracksTabThenOneTabPerAlbum)
{
    state.switchViewMode(ViewMode::Artist, {&artist("Abba"), nullptr});
    EXPECT_EQ(state.viewMode(), ViewMode::Artist);
    EXPECT_EQ(state.currentArtist(), QStringLiteral("Abba"));
    EXPECT_EQ(tabs(), "全曲|Best|Best |Gold|x");
    EXPECT_EQ(state.activeTab(), 0);
    EXPECT_EQ(rows(), "1,2,3,4,5");
    auto c = state.takeChanges();
    EXPECT_TRUE(c.Covers && c.CoversScrollToFirst);
    EXPECT_EQ(state.albumList().size(), 4u);
}

TEST_F(Browse, AlbumTabMatchesEitherTagIgnoringCaseButNotSpaces)
{
    state.switchViewMode(ViewMode::Artist, {&artist("Abba"), nullptr});
    state.takeChanges();
    state.activateTab(state.findTab(QStringLiteral("Best")));
    EXPECT_EQ(rows(), "1,3,4");
    EXPECT_EQ(state.takeChanges().SelectCover, 0);
    state.activateTab(3); // "Gold", the third album
    EXPECT_EQ(rows(), "2");
    EXPECT_EQ(state.takeChanges().SelectCover, 2);
}

TEST_F(Browse, AlbumNodeSelectsItsTab)
{
    const TreeNode &abba = artist("Abba");
    state.selectArtistTreeNode({&abba.Children[2], &abba}); // "Gold"
    EXPECT_EQ(state.currentArtist(), QStringLiteral("Abba"));
    EXPECT_EQ(state.activeTab(), 3);
    EXPECT_EQ(rows(), "2");
}

TEST_F(Browse, AllTracksCaptionAndEmptyAlbumTabs)
{
    const TreeNode &queen = artist("Queen");
    state.selectArtistTreeNode({&queen, nullptr});
    // The missing track makes no node, but its album is listed under Queen.
    EXPECT_EQ(tabs(), "全曲||Jazz");
    // The tab of an empty album name lists the tracks without an album.
    state.activateTab(1);
    EXPECT_EQ(rows(), "6");
    state.activateTab(2);
    EXPECT_EQ(rows(), ""); // its only track is hidden
    state.clearTabs();
    state.addTab(kAllTracksTab);
    state.addTab(kAllTracksTab); // an album named like the all-tracks tab
    state.activateTab(1);
    EXPECT_EQ(rows(), "6");
}

TEST_F(Browse, CompilationNodeListsEveryCompilationTrack)
{
    state.selectArtistTreeNode({&trees.ArtistTree[0], nullptr});
    EXPECT_EQ(rows(), "7");
    EXPECT_EQ(tabs(), "全曲|Hits");
}

TEST_F(Browse, AlbumTreeSelectionUsesTheWholeLibrary)
{
    const int pos = 1; // album tree: "", Best, Best , Gold, Hits, Jazz, x
    ASSERT_EQ(trees.AlbumTree[size_t(pos)].Text, QStringLiteral("Best"));
    state.selectAlbumTreeNode(trees.AlbumTree[size_t(pos)], pos);
    auto c = state.takeChanges();
    EXPECT_EQ(state.viewMode(), ViewMode::Album);
    EXPECT_EQ(tabs(), "Best");
    EXPECT_EQ(rows(), "1,3,4");
    EXPECT_EQ(c.SelectCover, pos);
    EXPECT_TRUE(c.Covers);
    EXPECT_EQ(state.albumList().size(), trees.FullAlbumList.size());
}

TEST_F(Browse, AlbumTreeWithAllAlbumTabsOnlyActivatesExistingTabs)
{
    state.setAllAlbumTabFlg(true);
    state.selectAlbumTreeNode(trees.AlbumTree[1], 1);
    EXPECT_TRUE(state.tabs().empty());
    EXPECT_EQ(rows(), ""); // the rows are left as they were
}

TEST_F(Browse, ShowV2ToggleKeepsTracks)
{
    state.showWholeLibrary();
    state.toggleShowV2(true);
    EXPECT_EQ(rows(), "1,2,3,4,5,6,7,8");
    EXPECT_EQ(state.table().imageIndex(0), kRowImageV2);
    state.toggleShowV2(false);
    EXPECT_EQ(state.table().imageIndex(0), kRowImageNone); // no ID3v1 tag
}

TEST_F(Browse, SearchResultBecomesTheCurrentSetWithMissingMark)
{
    SearchRequest r;
    r.Text = QStringLiteral("queen");
    r.V2 = true;
    r.Fields = SearchArtist;
    state.search(r);
    EXPECT_EQ(tabs(), "検索結果");
    EXPECT_EQ(rows(), "6,8");
    EXPECT_EQ(state.table().imageIndex(1), kRowImageMissing);
    state.toggleShowV2(true);
    EXPECT_EQ(rows(), "6,8");
    r.Text.clear();
    state.search(r);
    EXPECT_EQ(tabs(), "検索結果");
    EXPECT_EQ(rows(), "");
}

TEST_F(Browse, PlaylistsAndLoadingModes)
{
    state.showWholeLibrary();
    state.switchViewMode(ViewMode::Playlists);
    EXPECT_EQ(rows(), "");
    EXPECT_TRUE(state.tabs().empty());
    state.switchViewMode(ViewMode::Artist, {}); // an empty artist tree: nothing
    EXPECT_EQ(state.viewMode(), ViewMode::Playlists);
    state.libraryRefreshing();
    EXPECT_EQ(state.viewMode(), ViewMode::Loading);
    EXPECT_TRUE(state.currentTracks().empty());
}

TEST_F(Browse, ForgettingATrackDropsEveryBorrowedPointer)
{
    state.showWholeLibrary();
    TID3ListItem *t = lib.tracks()[1];
    state.forgetTrack(t);
    EXPECT_EQ(rows(), "1,3,4,5,6,7,8");
    EXPECT_EQ(std::count(state.currentTracks().begin(), state.currentTracks().end(), t), 0);
    EXPECT_TRUE(state.takeChanges().Rows);
}

} // namespace
} // namespace vireo::views::test

namespace vireo::views::test {
namespace {

TEST_F(Browse, SelectArtistAlbumByExactNames)
{
    auto sel = state.selectArtistAlbum(trees.ArtistTree, {&trees.ArtistTree[0], nullptr},
                                       QStringLiteral("Abba"), QStringLiteral("Gold"));
    const auto c = state.takeChanges();
    EXPECT_TRUE(c.ShowArtistPage);
    EXPECT_EQ(state.viewMode(), ViewMode::Artist);
    EXPECT_EQ(trees.ArtistTree[size_t(sel.ArtistIndex)].Text, QStringLiteral("Abba"));
    EXPECT_EQ(sel.AlbumIndex, 2);
    EXPECT_EQ(state.currentArtist(), QStringLiteral("Abba"));
    EXPECT_EQ(state.tabs()[size_t(state.activeTab())].Caption, QStringLiteral("Gold"));
    EXPECT_EQ(rows(), "2");
    // Exact names only: another case selects nothing new.
    sel = state.selectArtistAlbum(trees.ArtistTree, {}, QStringLiteral("abba"), {});
    EXPECT_EQ(sel.ArtistIndex, -1);
    EXPECT_EQ(state.currentArtist(), QStringLiteral("Abba"));
    // No artist: the first node.
    sel = state.selectArtistAlbum(trees.ArtistTree, {}, {}, QStringLiteral("Gold"));
    EXPECT_EQ(sel.ArtistIndex, 0);
    EXPECT_EQ(state.currentArtist(), kCompilationNode);
}

} // namespace
} // namespace vireo::views::test

namespace vireo::views::test {
namespace {

TEST_F(Browse, ShowV2ToggleWithoutTabsLeavesTheRows)
{
    state.showWholeLibrary();
    state.switchViewMode(ViewMode::Album); // clears the tabs, keeps the rows
    EXPECT_EQ(rows(), "1,2,3,4,5,6,7,8");
    state.takeChanges();
    state.toggleShowV2(true);
    EXPECT_FALSE(state.takeChanges().Rows);
    EXPECT_EQ(state.currentTracks().size(), 8u); // the album view starts from every track
}

} // namespace
} // namespace vireo::views::test
