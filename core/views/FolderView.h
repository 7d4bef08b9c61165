#pragma once
// The folder view: for a folder the user opened, a folder node with the
// artists and albums of the library's tracks in that folder.
#include "core/views/NodeData.h"
#include "core/views/TrackSource.h"

#include <QStringList>

#include <optional>

namespace vireo::views {

struct FolderViewResult {
    TreeNode FolderNode;                   // kind 4, text = the folder; "N/A" child when nothing was found
    std::vector<TreeNode> NewAlbumNodes;   // album-tree nodes to append (not merged with existing ones)
};

// folder: the opened folder with a final "/"; filesFound: files the scan found there.
// Nothing when the library is empty. Runs in time near-linear in the library size.
std::optional<FolderViewResult> BuildFolderView(const TrackSource &library, const QString &folder,
                                                int filesFound, const QStringList &hiddenGenres);

// Appends a result to the folder tree and the album tree, and sorts the folder
// tree at every level. Returns the position of the new folder node after sorting.
int addFolderView(std::vector<TreeNode> &folderTree, std::vector<TreeNode> &albumTree,
                  FolderViewResult result);

} // namespace vireo::views
