#pragma once
// Payloads and plain node structures of the artist tree, the album tree and
// the folder view. The GUI turns these nodes into item models; payloads are
// shared so a payload lives exactly as long as a node or a cover list holds it.
#include <QString>

#include <memory>
#include <vector>

namespace vireo {

// Payload of every node of the artist tree, the album tree and the folder view.
struct T_Vireo_NodeData {
    enum : int { ArtistKind = 0, AlbumKind = 1, FolderRootKind = 4 };

    int Kind = ArtistKind;
    int Count = 1;          // tracks counted for an artist node; 1 for other nodes
    QString Artist;         // artist key (album nodes: the artist key they were made under)
    QString Album;          // album name (album nodes)
    QString Folder;         // folder of the first track that made the node, no final "/"
    int CompilationIndex = -1; // the group index on the first album node of a compilation group

    QString FirstFile;      // album nodes: the first track that made the node

    // Cover art, looked up lazily (never while a tree is built): see CoverLookup.h.
    // Decoded pictures are not kept here: the GUI's cover cache holds them by album.
    bool CoverLookedUp = false; // the lookup has run
    bool CoverFound = false;    // a cover file or an embedded picture was found
    QString CoverFile;          // the file found (the track itself when CoverEmbedded)
    bool CoverEmbedded = false; // the picture is the one in FirstFile's ID3v2 tag
};

using NodeDataPtr = std::shared_ptr<T_Vireo_NodeData>;

namespace views {

// Image indexes of the shared tree image list.
inline constexpr int kCompilationImage = 16;
inline constexpr int kAlbumImage = 2;
inline constexpr int kAlbumSelectedImage = 3;

// One node of a tree: its stored text, payload, images and children.
struct TreeNode {
    QString Text;
    NodeDataPtr Data;
    int Image = -1;
    int SelectedImage = -1;
    std::vector<TreeNode> Children;

    int kind() const { return Data ? Data->Kind : -1; }
};

// One entry of an album list (the cover strip's cells, the full album list).
struct AlbumEntry {
    QString Name;
    NodeDataPtr Data;
};
using AlbumList = std::vector<AlbumEntry>;

// The text a node shows in the artist tree or the folder view: artist nodes
// get " (count)" after their artist key while ShowTitleNums is on.
QString artistTreeText(const TreeNode &node, bool showTitleNums);
// The text a node shows in the album tree: album nodes get " / " and their
// artist key after the album name while ShowAlbumArtist is on.
QString albumTreeText(const TreeNode &node, bool showAlbumArtist);

// An album node with its own payload, as the artist tree, the album list and
// the folder view make them.
// firstFile is the track the node is made from (its embedded picture is the
// cover of last resort).
TreeNode makeAlbumNode(const QString &album, const QString &artistKey, const QString &folder,
                       int compilationIndex = -1, const QString &firstFile = QString());

// The (name, payload) pairs of nodes in order (children of an artist node for
// the cover strip, or every album-tree node for the full album list).
AlbumList albumEntriesOf(const std::vector<TreeNode> &nodes);

} // namespace views
} // namespace vireo
