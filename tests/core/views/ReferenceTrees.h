#pragma once
// The tree builds written as the plain loops that compare every first track of
// an artist with every later track: slow, but obviously what the rules say.
// The fast builders must give the same trees.
#include "core/views/FolderView.h"
#include "core/views/TreeBuilder.h"

namespace vireo::views::test {

std::optional<LibraryTrees> referenceBuildTrees(const TrackSource &library, const TreeBuildOptions &options);
std::optional<FolderViewResult> referenceBuildFolderView(const TrackSource &library, const QString &folder,
                                                         int filesFound, const QStringList &hiddenGenres);

} // namespace vireo::views::test
