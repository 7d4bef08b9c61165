#include "core/views/TreeBuilder.h"

#include "core/views/ArtistIndex.h"
#include "core/views/TextKeys.h"
#include "core/views/TrackTable.h"
#include "core/views/ViewLog.h"
#include "core/views/ViewTexts.h"

#include "core/formats/GenreTable.h"
#include "core/library/TrackRecord.h"
#include "core/platform/Paths.h"

#include <QCollator>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <numeric>

namespace vireo::views {

bool isTrackVisible(const TID3ListItem &track, bool cacheOnly, bool showNoExistMP3Data)
{
    return cacheOnly || !showNoExistMP3Data || track.Exists;
}

QString v1GenreName(const TID3ListItem &track)
{
    // A track whose ID3v1 tag was removed keeps the old values in V1; only a
    // present tag has a genre.
    if (!track.HasV1 || track.V1.Genre > 147)
        return QString();
    return GenreName(track.V1.Genre);
}

namespace {

TreeNode makeArtistNode(const QString &artistKey, const QString &folder)
{
    auto data = std::make_shared<T_Vireo_NodeData>();
    data->Kind = T_Vireo_NodeData::ArtistKind;
    data->Artist = artistKey;
    data->Folder = folder;
    data->Count = 1;
    TreeNode node;
    node.Text = artistKey;
    node.Data = std::move(data);
    return node;
}

// Album names already in a list, compared without regard to case.
class AlbumNames {
public:
    bool contains(const QString &key) const { return m_keys.contains(key); }
    bool insert(const QString &key) // true when new
    {
        const qsizetype before = m_keys.size();
        m_keys.insert(key);
        return m_keys.size() != before;
    }
    void clear() { m_keys.clear(); }
private:
    QSet<QString> m_keys;
};

} // namespace

std::optional<LibraryTrees> BuildTrees(const TrackSource &library, const TreeBuildOptions &options)
{
    viewLog(kLogTreeBuildStart);
    const qsizetype n = library.trackCount();
    if (n == 0)
        return std::nullopt;

    const int pref = library.tagPreference();
    const bool cacheOnly = library.cacheOnly();
    const ArtistIndex index(library, pref);
    const HiddenGenres hidden(options.HiddenGenres);

    LibraryTrees trees;
    trees.TagPreference = pref;
    std::vector<TreeNode> &artists = trees.ArtistTree;
    {
        TreeNode comp = makeArtistNode(kCompilationNode, QString());
        comp.Image = kCompilationImage;
        comp.SelectedImage = kCompilationImage;
        artists.push_back(std::move(comp));
    }

    QSet<QString> artistsDone;
    AlbumNames albumTreeNames;
    AlbumNames currentAlbums;
    std::vector<qsizetype> matches;

    auto addAlbum = [&](TreeNode &artistNode, const QString &album, const QString &albumKey,
                        const QString &artistKey, const QString &file, int compilationIndex) {
        TreeNode albumNode = makeAlbumNode(album, artistKey, extractFileDir(file), compilationIndex, file);
        if (albumTreeNames.insert(albumKey)) {
            TreeNode copy;
            copy.Text = albumNode.Text;
            copy.Data = albumNode.Data;
            copy.Image = albumNode.Image;
            copy.SelectedImage = albumNode.SelectedImage;
            trees.AlbumTree.push_back(std::move(copy));
        }
        currentAlbums.insert(albumKey);
        artistNode.Children.push_back(std::move(albumNode));
    };

    for (qsizetype i = 0; i < n; ++i) {
        const TID3ListItem *t = library.trackAt(i);
        if (!isTrackVisible(*t, cacheOnly, options.ShowNoExistMP3Data))
            continue;
        const bool inCompilation = t->CompilationIndex != -1;
        const QString artistFold = inCompilation
            ? foldKey(kCompilationKeyPrefix + QString::number(t->CompilationIndex))
            : index.artistKey(i);
        if (artistsDone.contains(artistFold))
            continue;
        if (hidden.hides(v1GenreName(*t)))
            continue;
        artistsDone.insert(artistFold);
        const QString artistKey = inCompilation
            ? kCompilationKeyPrefix + QString::number(t->CompilationIndex)
            : t->PreferredArtist(pref);

        const QString folder = extractFileDir(t->FileName);
        size_t nodePos = 0;
        if (!inCompilation) {
            artists.push_back(makeArtistNode(artistKey, folder));
            nodePos = artists.size() - 1;
        }
        TreeNode &artistNode = artists[nodePos];
        currentAlbums.clear();
        addAlbum(artistNode, index.album(i), index.albumKey(i), artistKey, t->FileName, t->CompilationIndex);

        index.laterMatches(i, artistFold, inCompilation ? t->CompilationIndex : -1, matches);
        for (qsizetype j : matches) {
            ++artistNode.Data->Count;
            if (!currentAlbums.contains(index.albumKey(j))) {
                addAlbum(artistNode, index.album(j), index.albumKey(j), artistKey,
                         library.trackAt(j)->FileName, -1);
            }
        }
        currentAlbums.clear();
    }

    sortArtistTree(trees.ArtistTree);
    sortTreeNodes(trees.AlbumTree);
    trees.FullAlbumList = albumEntriesOf(trees.AlbumTree);
    viewLog(kLogTreeBuildDone);
    return trees;
}

namespace {
void sortLevels(std::vector<TreeNode> &nodes, const QCollator &collator)
{
    if (nodes.size() > 1) {
        std::vector<QCollatorSortKey> keys;
        keys.reserve(nodes.size());
        for (const TreeNode &node : nodes)
            keys.push_back(collator.sortKey(node.Text));
        std::vector<size_t> order(nodes.size());
        std::iota(order.begin(), order.end(), size_t(0));
        std::stable_sort(order.begin(), order.end(),
                         [&](size_t a, size_t b) { return keys[a].compare(keys[b]) < 0; });
        std::vector<TreeNode> sorted;
        sorted.reserve(nodes.size());
        for (size_t k : order)
            sorted.push_back(std::move(nodes[k]));
        nodes = std::move(sorted);
    }
    for (TreeNode &node : nodes)
        sortLevels(node.Children, collator);
}
} // namespace

void sortTreeNodes(std::vector<TreeNode> &nodes)
{
    sortLevels(nodes, viewCollator());
}

void sortArtistTree(std::vector<TreeNode> &artistTree)
{
    sortTreeNodes(artistTree);
    auto it = std::find_if(artistTree.begin(), artistTree.end(), [](const TreeNode &node) {
        return node.Image == kCompilationImage && node.Text == kCompilationNode;
    });
    if (it != artistTree.end())
        std::rotate(artistTree.begin(), it, it + 1);
}

std::optional<int> parseSongCount(const QString &text)
{
    bool ok = false;
    const int n = text.toInt(&ok, 10);
    if (!ok || n < 0)
        return std::nullopt;
    return n;
}

SongCountTest songCountTestFromIndex(int comboIndex)
{
    switch (comboIndex) {
    case 0: return SongCountTest::AtLeast;
    case 1: return SongCountTest::AtMost;
    case 2: return SongCountTest::Equal;
    default: return SongCountTest::None;
    }
}

bool keepsSongCount(int count, int n, SongCountTest test)
{
    switch (test) {
    case SongCountTest::AtLeast: return count >= n;
    case SongCountTest::AtMost: return count <= n;
    case SongCountTest::Equal: return count == n;
    case SongCountTest::None: break;
    }
    return true;
}

void filterArtistTreeBySongCount(std::vector<TreeNode> &artistTree, int n, SongCountTest test)
{
    std::erase_if(artistTree, [&](const TreeNode &node) {
        const int count = node.Data ? node.Data->Count : 0;
        return !keepsSongCount(count, n, test);
    });
}

ArtistAlbumSelection findArtistAlbum(const std::vector<TreeNode> &artistTree, const QString &artist,
                                     const QString &album)
{
    ArtistAlbumSelection sel;
    if (artistTree.empty())
        return sel;
    if (artist.isEmpty()) {
        sel.ArtistIndex = 0;
        return sel;
    }
    for (size_t i = 0; i < artistTree.size(); ++i) {
        const TreeNode &node = artistTree[i];
        if (node.kind() != T_Vireo_NodeData::ArtistKind || node.Data->Artist != artist)
            continue;
        sel.ArtistIndex = int(i);
        if (!album.isEmpty()) {
            for (size_t k = 0; k < node.Children.size(); ++k) {
                const TreeNode &child = node.Children[k];
                if (child.kind() == T_Vireo_NodeData::AlbumKind && child.Data->Album == album) {
                    sel.AlbumIndex = int(k);
                    break;
                }
            }
        }
        break;
    }
    return sel;
}

} // namespace vireo::views
