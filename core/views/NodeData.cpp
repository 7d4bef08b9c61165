#include "core/views/NodeData.h"

namespace vireo::views {

QString artistTreeText(const TreeNode &node, bool showTitleNums)
{
    if (!node.Data || node.Data->Kind != T_Vireo_NodeData::ArtistKind)
        return node.Text;
    if (!showTitleNums)
        return node.Data->Artist;
    return node.Data->Artist + QStringLiteral(" (") + QString::number(node.Data->Count) + u')';
}

TreeNode makeAlbumNode(const QString &album, const QString &artistKey, const QString &folder,
                       int compilationIndex, const QString &firstFile)
{
    auto data = std::make_shared<T_Vireo_NodeData>();
    data->Kind = T_Vireo_NodeData::AlbumKind;
    data->Album = album;
    data->Artist = artistKey;
    data->Folder = folder;
    data->CompilationIndex = compilationIndex;
    data->FirstFile = firstFile;
    TreeNode node;
    node.Text = album;
    node.Data = std::move(data);
    node.Image = kAlbumImage;
    node.SelectedImage = kAlbumSelectedImage;
    return node;
}

QString albumTreeText(const TreeNode &node, bool showAlbumArtist)
{
    if (!node.Data || node.Data->Kind != T_Vireo_NodeData::AlbumKind)
        return node.Text;
    if (!showAlbumArtist)
        return node.Data->Album;
    return node.Data->Album + QStringLiteral(" / ") + node.Data->Artist;
}

AlbumList albumEntriesOf(const std::vector<TreeNode> &nodes)
{
    AlbumList out;
    out.reserve(nodes.size());
    for (const TreeNode &n : nodes)
        out.push_back({n.Text, n.Data});
    return out;
}

} // namespace vireo::views
