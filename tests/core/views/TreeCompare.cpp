#include "tests/core/views/TreeCompare.h"

#include <map>

namespace vireo::views::test {

std::string renderNames(const std::vector<TreeNode> &nodes)
{
    QString out;
    for (size_t i = 0; i < nodes.size(); ++i) {
        if (i)
            out += QStringLiteral(",");
        out += nodes[i].Text;
    }
    return out.toStdString();
}

std::string renderArtists(const std::vector<TreeNode> &nodes)
{
    std::string out;
    for (size_t i = 0; i < nodes.size(); ++i) {
        if (i)
            out += " | ";
        out += nodes[i].Text.toStdString() + "#" + std::to_string(nodes[i].Data ? nodes[i].Data->Count : -1)
            + "{" + renderNames(nodes[i].Children) + "}";
    }
    return out;
}

namespace {
std::string payloadDiff(const T_Vireo_NodeData &a, const T_Vireo_NodeData &b)
{
    auto s = [](const QString &q) { return "'" + q.toStdString() + "'"; };
    if (a.Kind != b.Kind) return "kind " + std::to_string(a.Kind) + " vs " + std::to_string(b.Kind);
    if (a.Count != b.Count) return "count " + std::to_string(a.Count) + " vs " + std::to_string(b.Count);
    if (a.Artist != b.Artist) return "artist " + s(a.Artist) + " vs " + s(b.Artist);
    if (a.Album != b.Album) return "album " + s(a.Album) + " vs " + s(b.Album);
    if (a.Folder != b.Folder) return "folder " + s(a.Folder) + " vs " + s(b.Folder);
    if (a.CompilationIndex != b.CompilationIndex) return "compilation index";
    return {};
}

void collect(const std::vector<TreeNode> &nodes, const std::string &path,
             std::map<const T_Vireo_NodeData *, std::string> &out)
{
    for (size_t i = 0; i < nodes.size(); ++i) {
        const std::string p = path + "/" + std::to_string(i);
        out.emplace(nodes[i].Data.get(), p);
        collect(nodes[i].Children, p, out);
    }
}
} // namespace

std::string diffNodes(const std::vector<TreeNode> &a, const std::vector<TreeNode> &b, const std::string &where)
{
    if (a.size() != b.size())
        return where + ": " + std::to_string(a.size()) + " nodes vs " + std::to_string(b.size())
            + " [" + renderNames(a) + "] vs [" + renderNames(b) + "]";
    for (size_t i = 0; i < a.size(); ++i) {
        const std::string here = where + "/" + std::to_string(i) + "(" + a[i].Text.toStdString() + ")";
        if (a[i].Text != b[i].Text)
            return here + ": text vs '" + b[i].Text.toStdString() + "'";
        if (a[i].Image != b[i].Image || a[i].SelectedImage != b[i].SelectedImage)
            return here + ": images";
        if (!a[i].Data || !b[i].Data)
            return here + ": missing payload";
        if (std::string d = payloadDiff(*a[i].Data, *b[i].Data); !d.empty())
            return here + ": " + d;
        if (std::string d = diffNodes(a[i].Children, b[i].Children, here); !d.empty())
            return d;
    }
    return {};
}

std::string diffTrees(const LibraryTrees &a, const LibraryTrees &b)
{
    if (a.TagPreference != b.TagPreference)
        return "tag preference";
    if (std::string d = diffNodes(a.ArtistTree, b.ArtistTree, "artist"); !d.empty())
        return d;
    if (std::string d = diffNodes(a.AlbumTree, b.AlbumTree, "album"); !d.empty())
        return d;
    // Each album-tree node shares its payload with the same artist-tree node in both builds.
    std::map<const T_Vireo_NodeData *, std::string> pa, pb;
    collect(a.ArtistTree, "", pa);
    collect(b.ArtistTree, "", pb);
    for (size_t i = 0; i < a.AlbumTree.size(); ++i) {
        const auto ia = pa.find(a.AlbumTree[i].Data.get());
        const auto ib = pb.find(b.AlbumTree[i].Data.get());
        const std::string sa = ia == pa.end() ? "none" : ia->second;
        const std::string sb = ib == pb.end() ? "none" : ib->second;
        if (sa != sb || sa == "none")
            return "album node " + std::to_string(i) + " shares " + sa + " vs " + sb;
    }
    if (a.FullAlbumList.size() != b.FullAlbumList.size())
        return "full album list size";
    for (size_t i = 0; i < a.FullAlbumList.size(); ++i)
        if (a.FullAlbumList[i].Data != a.AlbumTree[i].Data || a.FullAlbumList[i].Name != a.AlbumTree[i].Text)
            return "full album list is not the album tree at " + std::to_string(i);
    return {};
}

} // namespace vireo::views::test
