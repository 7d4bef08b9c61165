#pragma once
// Builds the artist tree and the album tree from the library: one artist node
// per artist key (compilation albums under the first node "コンピレーション"),
// album nodes below, counts, hidden genres; plus the song-count filter.
#include "core/views/NodeData.h"
#include "core/views/TrackSource.h"

#include <QStringList>

#include <optional>

namespace vireo::views {

struct TreeBuildOptions {
    QStringList HiddenGenres;        // genre names left out of the trees
    bool ShowNoExistMP3Data = true;  // hide tracks whose file is missing
};

struct LibraryTrees {
    int TagPreference = 1;                // 2 when the store preferred ID3v2 at the build
    std::vector<TreeNode> ArtistTree;     // "コンピレーション" first, then artists sorted
    std::vector<TreeNode> AlbumTree;      // flat; shares payloads with the artist tree's album nodes
    AlbumList FullAlbumList;              // every album-tree node, in tree order
};

// A track takes part in the trees when the store trusts its cache, when
// missing files are shown, or when its file exists.
bool isTrackVisible(const TID3ListItem &track, bool cacheOnly, bool showNoExistMP3Data);
// The genre name of the track's ID3v1 genre code ("" without an ID3v1 tag or above 147).
QString v1GenreName(const TID3ListItem &track);

// Rebuilds both trees. An empty library gives no result: the trees keep their nodes.
// Runs in time near-linear in the library size.
std::optional<LibraryTrees> BuildTrees(const TrackSource &library, const TreeBuildOptions &options);

// Sorts nodes by text with the user's collation (case-sensitive), every level;
// nodes of equal text keep their order.
void sortTreeNodes(std::vector<TreeNode> &nodes);
// Sorts the artist tree and moves the compilation node back to the first place.
void sortArtistTree(std::vector<TreeNode> &artistTree);

// The song-count filter below the artist tree.
enum class SongCountTest { None = -1, AtLeast = 0, AtMost = 1, Equal = 2 };
// The number field: a decimal integer of 0 or more, else nothing (the filter then does nothing at all).
std::optional<int> parseSongCount(const QString &text);
// The list entry index (0 "以上", 1 "以下", 2 "と等しい", anything else none).
SongCountTest songCountTestFromIndex(int comboIndex);
bool keepsSongCount(int count, int n, SongCountTest test);
// Removes every top-level node (with its albums) whose count fails the test.
void filterArtistTreeBySongCount(std::vector<TreeNode> &artistTree, int n, SongCountTest test);

// Which node SelectArtistAlbum selects: the first artist node whose key equals
// artist exactly and, below it, the first album node whose name equals album exactly.
struct ArtistAlbumSelection {
    int ArtistIndex = -1; // top-level position; -1: nothing selected
    int AlbumIndex = -1;  // child position below it; -1: the artist node itself
};
ArtistAlbumSelection findArtistAlbum(const std::vector<TreeNode> &artistTree, const QString &artist,
                                     const QString &album);

} // namespace vireo::views
