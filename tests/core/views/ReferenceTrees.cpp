#include "tests/core/views/ReferenceTrees.h"

#include "core/views/ViewTexts.h"

#include "core/formats/GenreTable.h"
#include "core/library/TrackRecord.h"
#include "core/platform/Paths.h"

namespace vireo::views::test {

namespace {

// A name list compared without regard to case, searched from the front.
struct NameList {
    QStringList names;
    bool contains(const QString &s) const
    {
        for (const QString &n : names)
            if (n.compare(s, Qt::CaseInsensitive) == 0)
                return true;
        return false;
    }
    void add(const QString &s) { names.append(s); }
};

NodeDataPtr payload(int kind, const QString &artist, const QString &album, const QString &folder, int comp)
{
    auto d = std::make_shared<T_Vireo_NodeData>();
    d->Kind = kind;
    d->Artist = artist;
    d->Album = album;
    d->Folder = folder;
    d->CompilationIndex = comp;
    return d;
}

TreeNode node(const QString &text, NodeDataPtr data, int image = -1, int selected = -1)
{
    TreeNode n;
    n.Text = text;
    n.Data = std::move(data);
    n.Image = image;
    n.SelectedImage = selected;
    return n;
}

TreeNode album(const QString &b, const QString &artist, const QString &folder, int comp)
{
    return node(b, payload(1, artist, b, folder, comp), kAlbumImage, kAlbumSelectedImage);
}

} // namespace

std::optional<LibraryTrees> referenceBuildTrees(const TrackSource &lib, const TreeBuildOptions &options)
{
    const qsizetype n = lib.trackCount();
    if (n == 0)
        return std::nullopt;
    const int P = lib.preferV2() ? 2 : 1;
    LibraryTrees trees;
    trees.TagPreference = P;
    trees.ArtistTree.push_back(node(kCompilationNode, payload(0, kCompilationNode, {}, {}, -1),
                                    kCompilationImage, kCompilationImage));
    NameList done, albumTree;
    for (qsizetype i = 0; i < n; ++i) {
        const TID3ListItem *T = lib.trackAt(i);
        if (!(lib.cacheOnly() || !options.ShowNoExistMP3Data || T->Exists))
            continue;
        QString A = T->PreferredArtist(P);
        const QString B = T->PreferredAlbum(P);
        if (T->CompilationIndex != -1)
            A = kCompilationKeyPrefix + QString::number(T->CompilationIndex);
        if (done.contains(A))
            continue;
        const QString genre = T->HasV1 ? GenreName(T->V1.Genre) : QString();
        bool hidden = false;
        for (const QString &g : options.HiddenGenres)
            hidden = hidden || g.compare(genre, Qt::CaseInsensitive) == 0;
        if (hidden)
            continue;
        done.add(A);
        size_t pos = 0;
        if (T->CompilationIndex == -1) {
            trees.ArtistTree.push_back(node(A, payload(0, A, {}, extractFileDir(T->FileName), -1)));
            pos = trees.ArtistTree.size() - 1;
        }
        TreeNode &artist = trees.ArtistTree[pos];
        NameList current;
        auto addAlbum = [&](const QString &name, const QString &folder, int comp) {
            TreeNode a = album(name, A, folder, comp);
            if (!albumTree.contains(name)) {
                trees.AlbumTree.push_back(node(a.Text, a.Data, a.Image, a.SelectedImage));
                albumTree.add(name);
            }
            current.add(name);
            artist.Children.push_back(std::move(a));
        };
        addAlbum(B, extractFileDir(T->FileName), T->CompilationIndex);
        for (qsizetype j = i + 1; j < n; ++j) {
            const TID3ListItem *U = lib.trackAt(j);
            if (U->MatchArtist(A, P) >= 0
                || (T->CompilationIndex != -1 && U->CompilationIndex == T->CompilationIndex)) {
                ++artist.Data->Count;
                const QString C = U->PreferredAlbum(P);
                if (!current.contains(C))
                    addAlbum(C, extractFileDir(U->FileName), -1);
            }
        }
    }
    sortArtistTree(trees.ArtistTree);
    sortTreeNodes(trees.AlbumTree);
    trees.FullAlbumList = albumEntriesOf(trees.AlbumTree);
    return trees;
}

std::optional<FolderViewResult> referenceBuildFolderView(const TrackSource &lib, const QString &F, int K,
                                                         const QStringList &hiddenGenres)
{
    const qsizetype n = lib.trackCount();
    if (n == 0)
        return std::nullopt;
    FolderViewResult r;
    r.FolderNode = node(F, payload(4, {}, {}, {}, -1));
    if (K == 0) {
        r.FolderNode.Children.push_back(node(kNoFilesNode, payload(4, {}, {}, {}, -1)));
        return r;
    }
    const int P = lib.preferV2() ? 2 : 1;
    NameList done, albumTree;
    for (qsizetype i = 0; i < n; ++i) {
        const TID3ListItem *T = lib.trackAt(i);
        if (!T->FileName.startsWith(F))
            continue;
        const QString A = T->PreferredArtist(P);
        const QString B = T->PreferredAlbum(P);
        const QString folder = extractFileDir(T->FileName);
        if (!albumTree.contains(B)) {
            r.NewAlbumNodes.push_back(album(B, A, folder, -1));
            albumTree.add(B);
        }
        if (done.contains(A))
            continue;
        const QString genre = T->HasV1 ? GenreName(T->V1.Genre) : QString();
        bool hidden = false;
        for (const QString &g : hiddenGenres)
            hidden = hidden || g.compare(genre, Qt::CaseInsensitive) == 0;
        if (hidden)
            continue;
        done.add(A);
        TreeNode artist = node(A, payload(0, A, {}, folder, -1));
        NameList current;
        artist.Children.push_back(album(B, A, folder, -1));
        current.add(B);
        for (qsizetype j = i + 1; j < n; ++j) {
            const TID3ListItem *U = lib.trackAt(j);
            if (U->MatchArtist(A, P) < 0)
                continue;
            ++artist.Data->Count;
            const QString C = U->PreferredAlbum(P);
            if (!current.contains(C)) {
                artist.Children.push_back(album(C, A, extractFileDir(U->FileName), -1));
                current.add(C);
            }
        }
        r.FolderNode.Children.push_back(std::move(artist));
    }
    return r;
}

} // namespace vireo::views::test
