// The window's browsing state over a small library: trees follow the hidden
// genres and the missing-file toggle, an empty library changes nothing, the
// folder view and the song-count filter, node texts follow their toggles.
#include "tests/core/views/ViewsTestLibrary.h"

#include "core/views/LibraryViews.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vireo::views::test {
namespace {

const QString kCompilations = QStringLiteral("コンピレーション");

QStringList topTexts(const std::vector<TreeNode> &nodes)
{
    QStringList out;
    for (const TreeNode &n : nodes)
        out << n.Text;
    return out;
}

TrackSpec song(const char *path, const char *artist, const char *album, int genre = 255, bool exists = true)
{
    TrackSpec s;
    s.Path = QString::fromUtf8(path);
    s.V1Artist = s.V2Artist = QString::fromUtf8(artist);
    s.V1Album = s.V2Album = QString::fromUtf8(album);
    s.Genre = genre;
    s.Exists = exists;
    return s;
}

class LibraryViewsTest : public testing::Test {
protected:
    void SetUp() override
    {
        lib.add(song("/m/a/1.mp3", "Abba", "Gold", 17));
        lib.add(song("/m/a/2.mp3", "Abba", "Gold", 17));
        lib.add(song("/m/b/1.mp3", "Blur", "Parklife", 13));
        lib.add(song("/m/c/1.mp3", "Cure", "Disintegration", 13, false));
    }
    TestLibrary lib;
};

TEST_F(LibraryViewsTest, TreesFollowHiddenGenresAndMissingFiles)
{
    LibraryViews v(lib);
    ASSERT_TRUE(v.rebuildTrees());
    EXPECT_EQ(topTexts(v.trees().ArtistTree), QStringList({kCompilations, "Abba", "Blur"}));
    EXPECT_EQ(v.browse().fullAlbumList().size(), 2u);

    v.setHiddenGenres({QStringLiteral("rock")});
    v.setShowNoExistMP3Data(false);
    ASSERT_TRUE(v.rebuildTrees());
    EXPECT_EQ(topTexts(v.trees().ArtistTree), QStringList({kCompilations, "Blur", "Cure"}));
    EXPECT_EQ(v.browse().fullAlbumList().size(), 2u);
}

TEST_F(LibraryViewsTest, EmptyLibraryKeepsTheTreesAsTheyWere)
{
    TestLibrary empty;
    LibraryViews v(empty);
    EXPECT_FALSE(v.rebuildTrees());
    EXPECT_TRUE(v.trees().ArtistTree.empty());
    EXPECT_EQ(v.addFolderView(QStringLiteral("/m/a/"), 2), -1);
    EXPECT_TRUE(v.folderTree().empty());
}

TEST_F(LibraryViewsTest, FolderViewAddsNodesAndAlbums)
{
    LibraryViews v(lib);
    v.rebuildTrees();
    const size_t albums = v.trees().AlbumTree.size();
    EXPECT_EQ(v.addFolderView(QStringLiteral("/m/b/"), 1), 0);
    EXPECT_EQ(v.addFolderView(QStringLiteral("/m/a/"), 2), 0); // sorted before /m/b/
    ASSERT_EQ(v.folderTree().size(), 2u);
    EXPECT_EQ(v.folderTree()[0].Text, QStringLiteral("/m/a/"));
    EXPECT_EQ(v.trees().AlbumTree.size(), albums + 2);
    v.clearTrees();
    EXPECT_TRUE(v.folderTree().empty());
    EXPECT_TRUE(v.trees().ArtistTree.empty());
    EXPECT_TRUE(v.trees().AlbumTree.empty());
}

struct FilterCase {
    const char *number;
    int combo;
    QStringList artists;
    bool applied;
};

class ViewsSongCountFilter : public LibraryViewsTest, public testing::WithParamInterface<FilterCase> {};

TEST_P(ViewsSongCountFilter, KeepsArtistsWhoseCountPasses)
{
    LibraryViews v(lib);
    v.rebuildTrees();
    const FilterCase &c = GetParam();
    EXPECT_EQ(v.filterArtists(QString::fromUtf8(c.number), c.combo), c.applied);
    QStringList artists = topTexts(v.trees().ArtistTree);
    artists.removeAll(kCompilations); // the compilation node has no songs of its own here
    EXPECT_EQ(artists, c.artists);
}

INSTANTIATE_TEST_SUITE_P(LibraryViews, ViewsSongCountFilter, testing::Values(
    FilterCase{"2", 0, {"Abba"}, true},
    FilterCase{"1", 1, {"Blur"}, true},
    FilterCase{"1", 2, {"Blur"}, true},
    FilterCase{"1", -1, {"Abba", "Blur"}, true},   // no test chosen keeps all
    FilterCase{"x", 0, {"Abba", "Blur"}, false},   // not a number: nothing at all
    FilterCase{"-1", 0, {"Abba", "Blur"}, false}));

TEST_F(LibraryViewsTest, NodeTextsFollowTheirToggles)
{
    LibraryViews v(lib);
    v.rebuildTrees();
    const TreeNode &abba = v.trees().ArtistTree[1];
    EXPECT_EQ(v.artistNodeText(abba), QStringLiteral("Abba"));
    v.setShowTitleNums(true);
    EXPECT_EQ(v.artistNodeText(abba), QStringLiteral("Abba (2)"));
    const auto &albums = v.trees().AlbumTree;
    const auto gold = std::find_if(albums.begin(), albums.end(),
                                   [](const TreeNode &n) { return n.Text == QStringLiteral("Gold"); });
    ASSERT_NE(gold, albums.end());
    EXPECT_EQ(v.albumNodeText(*gold), QStringLiteral("Gold"));
    v.setShowAlbumArtist(true);
    EXPECT_EQ(v.albumNodeText(*gold), QStringLiteral("Gold / Abba"));
}

} // namespace
} // namespace vireo::views::test
