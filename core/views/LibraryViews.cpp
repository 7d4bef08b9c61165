#include "core/views/LibraryViews.h"

#include "core/views/FolderView.h"

namespace vireo::views {

LibraryViews::LibraryViews(const TrackSource &library) : m_library(library), m_browse(library)
{
    m_browse.table().setRowFiller(library.rowFiller());
}

bool LibraryViews::rebuildTrees()
{
    TreeBuildOptions options;
    options.HiddenGenres = m_hiddenGenres;
    options.ShowNoExistMP3Data = m_showNoExist;
    std::optional<LibraryTrees> built = BuildTrees(m_library, options);
    if (!built)
        return false;
    m_trees = std::move(*built);
    m_browse.treesBuilt(m_trees);
    m_browse.setTagPreference(m_trees.TagPreference);
    return true;
}

int LibraryViews::addFolderView(const QString &folder, int filesFound)
{
    std::optional<FolderViewResult> result = BuildFolderView(m_library, folder, filesFound, m_hiddenGenres);
    if (!result)
        return -1;
    return views::addFolderView(m_folderTree, m_trees.AlbumTree, std::move(*result));
}

bool LibraryViews::filterArtists(const QString &numberText, int comboIndex)
{
    const std::optional<int> n = parseSongCount(numberText);
    if (!n)
        return false;
    rebuildTrees();
    filterArtistTreeBySongCount(m_trees.ArtistTree, *n, songCountTestFromIndex(comboIndex));
    return true;
}

ArtistAlbumSelection LibraryViews::selectArtistAlbum(NodeRef current, const QString &artist,
                                                     const QString &album)
{
    return m_browse.selectArtistAlbum(m_trees.ArtistTree, current, artist, album);
}

void LibraryViews::clearTrees()
{
    m_trees = {};
    m_folderTree.clear();
}

void LibraryViews::setShowNoExistMP3Data(bool on)
{
    m_showNoExist = on;
    m_browse.setShowNoExistMP3Data(on);
}

} // namespace vireo::views
