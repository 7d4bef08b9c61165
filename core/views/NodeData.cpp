#include "NodeData.h"

namespace vireo::views {

QString artistTreeText(const TreeNode &node, bool showTitleNums)
{
    if (!node.Data || node.Data->Kind != T_Vireo_NodeData::ArtistKind)
        return node.Text;
    if (!showTitleNums)
        return node.Data->Artist;
    return node.Data->Artist + QStringLiteral(" (") + QString::number(node.Data->Count) + u')';
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
