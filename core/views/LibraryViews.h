#pragma once
// Everything the main window shows of the library that is not pixels: the
// browse state (view mode, album tabs, track table), the artist and album
// trees, the folder view, the genres left out of the trees and the toggles of
// the tree texts. The window's controllers change it only through these calls.
#include "core/views/BrowseState.h"
#include "core/views/TreeBuilder.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace vireo::views {

class LibraryViews {
public:
    // `library` is borrowed and lives longer than this object.
    explicit LibraryViews(const TrackSource &library);

    const TrackSource &library() const { return m_library; }
    BrowseState &browse() { return m_browse; }
    const BrowseState &browse() const { return m_browse; }

    // The trees as last built; empty before the first build and after clearTrees().
    const LibraryTrees &trees() const { return m_trees; }
    const std::vector<TreeNode> &folderTree() const { return m_folderTree; }

    // BuildTrees over the library with the hidden genres and the missing-file
    // toggle; the browse state learns the new trees. Returns false, and keeps
    // the trees as they were, when the library is empty.
    bool rebuildTrees();
    // Adds the folder node of a folder the user opened (with a final "/") to the
    // folder view and its albums to the album tree. Returns the folder node's
    // position, or -1 when nothing was added (empty library).
    int addFolderView(const QString &folder, int filesFound);
    // The song-count filter: rebuilds the trees, then keeps the artists whose
    // count passes. A number that does not parse does nothing at all (false).
    bool filterArtists(const QString &numberText, int comboIndex);
    // SelectArtistAlbum over the current artist tree.
    ArtistAlbumSelection selectArtistAlbum(NodeRef current, const QString &artist, const QString &album);
    // Shutdown: the trees and the folder view are emptied (their payloads freed).
    void clearTrees();

    // The texts the trees show for a node, under the current toggles.
    QString artistNodeText(const TreeNode &node) const { return artistTreeText(node, m_showTitleNums); }
    QString albumNodeText(const TreeNode &node) const { return albumTreeText(node, m_showAlbumArtist); }

    const QStringList &hiddenGenres() const { return m_hiddenGenres; }
    void setHiddenGenres(const QStringList &genres) { m_hiddenGenres = genres; }
    // ShowNoExistMP3Data: while on (and the library is not cache-only), tracks
    // whose file is missing are left out of the trees and lists.
    bool showNoExistMP3Data() const { return m_showNoExist; }
    void setShowNoExistMP3Data(bool on);
    // "曲数表示": song counts after artist (and folder) node texts.
    bool showTitleNums() const { return m_showTitleNums; }
    void setShowTitleNums(bool on) { m_showTitleNums = on; }
    // "アーティスト名表示": the artist after album node texts.
    bool showAlbumArtist() const { return m_showAlbumArtist; }
    void setShowAlbumArtist(bool on) { m_showAlbumArtist = on; }

private:
    const TrackSource &m_library;
    BrowseState m_browse;
    LibraryTrees m_trees;
    std::vector<TreeNode> m_folderTree;
    QStringList m_hiddenGenres;
    bool m_showNoExist = true;
    bool m_showTitleNums = false;
    bool m_showAlbumArtist = false;
};

} // namespace vireo::views
