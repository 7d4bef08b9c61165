#include "core/views/FolderView.h"

#include "core/views/ArtistIndex.h"
#include "core/views/TextKeys.h"
#include "core/views/TreeBuilder.h"
#include "core/views/ViewTexts.h"

#include "core/library/TrackRecord.h"
#include "core/platform/Paths.h"

#include <QSet>

namespace vireo::views {

namespace {

NodeDataPtr folderPayload()
{
    auto data = std::make_shared<T_Vireo_NodeData>();
    data->Kind = T_Vireo_NodeData::FolderRootKind;
    return data;
}

} // namespace

std::optional<FolderViewResult> BuildFolderView(const TrackSource &library, const QString &folder,
                                                int filesFound, const QStringList &hiddenGenres)
{
    const qsizetype n = library.trackCount();
    if (n == 0)
        return std::nullopt;

    FolderViewResult result;
    result.FolderNode.Text = folder;
    result.FolderNode.Data = folderPayload();
    if (filesFound == 0) {
        TreeNode none;
        none.Text = kNoFilesNode;
        none.Data = folderPayload();
        result.FolderNode.Children.push_back(std::move(none));
        return result;
    }

    const int pref = library.tagPreference();
    const ArtistIndex index(library, pref);
    const HiddenGenres hidden(hiddenGenres);
    QSet<QString> artistsDone;
    QSet<QString> albumTreeNames;
    QSet<QString> currentAlbums;
    std::vector<qsizetype> matches;

    for (qsizetype i = 0; i < n; ++i) {
        const TID3ListItem *t = library.trackAt(i);
        // Tracks that lie in the folder: their path starts with it, exactly.
        if (folder.isEmpty() || !t->FileName.startsWith(folder))
            continue;
        const QString artist = t->PreferredArtist(pref);
        const QString &album = index.album(i);
        const QString trackFolder = extractFileDir(t->FileName);
        if (!albumTreeNames.contains(index.albumKey(i))) {
            albumTreeNames.insert(index.albumKey(i));
            result.NewAlbumNodes.push_back(makeAlbumNode(album, artist, trackFolder, -1, t->FileName));
        }
        const QString &artistFold = index.artistKey(i);
        if (artistsDone.contains(artistFold))
            continue;
        if (hidden.hides(v1GenreName(*t)))
            continue;
        artistsDone.insert(artistFold);

        TreeNode artistNode;
        artistNode.Text = artist;
        artistNode.Data = std::make_shared<T_Vireo_NodeData>();
        artistNode.Data->Kind = T_Vireo_NodeData::ArtistKind;
        artistNode.Data->Artist = artist;
        artistNode.Data->Folder = trackFolder;
        artistNode.Data->Count = 1;
        artistNode.Children.push_back(makeAlbumNode(album, artist, trackFolder, -1, t->FileName));
        currentAlbums.clear();
        currentAlbums.insert(index.albumKey(i));

        index.laterMatches(i, artistFold, -1, matches);
        for (qsizetype j : matches) {
            ++artistNode.Data->Count;
            if (currentAlbums.contains(index.albumKey(j)))
                continue;
            currentAlbums.insert(index.albumKey(j));
            artistNode.Children.push_back(
                makeAlbumNode(index.album(j), artist, extractFileDir(library.trackAt(j)->FileName), -1,
                              library.trackAt(j)->FileName));
        }
        result.FolderNode.Children.push_back(std::move(artistNode));
    }
    return result;
}

int addFolderView(std::vector<TreeNode> &folderTree, std::vector<TreeNode> &albumTree,
                  FolderViewResult result)
{
    const NodeDataPtr added = result.FolderNode.Data;
    folderTree.push_back(std::move(result.FolderNode));
    for (TreeNode &node : result.NewAlbumNodes)
        albumTree.push_back(std::move(node));
    sortTreeNodes(folderTree);
    for (size_t i = 0; i < folderTree.size(); ++i)
        if (folderTree[i].Data == added)
            return int(i);
    return -1;
}

} // namespace vireo::views
