// The cover lookup order (album-named file, folder.jpg, the first track's
// embedded picture), reading a picture's format and size from its bytes, and
// the cover of one track as the command line reports it.
#include "core/formats/ID3v2.h"
#include "core/views/CoverLookup.h"
#include "core/views/PictureInfo.h"
#include "core/views/FolderView.h"
#include "core/views/TrackCover.h"
#include "core/views/TreeBuilder.h"
#include "tests/core/views/ViewsTestLibrary.h"
#include "tests/support/PictureBytes.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace vireo;
using namespace vireo::views;
using vireo::test::jpegBytes;
using vireo::test::pngBytes;

namespace {

QByteArray be16(int v) { return QByteArray(1, char(v >> 8)) + char(v & 0xFF); }
QByteArray be32(quint32 v) { return be16(int(v >> 16)) + be16(int(v & 0xFFFF)); }

// A JPEG header up to its frame header: SOI, an APP0 segment, the given frame marker.

QByteArray le16(int v) { return QByteArray(1, char(v & 0xFF)) + char(v >> 8); }
QByteArray le32(qint32 v) { return le16(v & 0xFFFF) + le16((quint32(v) >> 16) & 0xFFFF); }

struct InfoCase {
    const char *name;
    QByteArray bytes;
    const char *mime; // nullptr: refused
    int width;
    int height;
};

class PictureHeaders : public testing::TestWithParam<InfoCase> {};

TEST_P(PictureHeaders, ReadsFormatAndSizeFromContent)
{
    const InfoCase &c = GetParam();
    const ResultOf<PictureInfo> r = readPictureInfo(c.bytes);
    if (!c.mime) {
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(r.code(), ErrorCode::BadData);
        EXPECT_FALSE(r.message().isEmpty());
        return;
    }
    ASSERT_TRUE(r.ok()) << qPrintable(r.message());
    EXPECT_EQ(r->mime, QString::fromLatin1(c.mime));
    EXPECT_EQ(r->width, c.width);
    EXPECT_EQ(r->height, c.height);
}

INSTANTIATE_TEST_SUITE_P(Picture, PictureHeaders, testing::Values(
    InfoCase{"BaselineJpeg", jpegBytes(640, 480), "image/jpeg", 640, 480},
    InfoCase{"ProgressiveJpeg", jpegBytes(300, 301, true, 0xC2), "image/jpeg", 300, 301},
    InfoCase{"JpegCutBeforeFrame", jpegBytes(640, 480).left(22), nullptr, 0, 0},
    InfoCase{"JpegImageDataBeforeFrame", QByteArray("\xFF\xD8\xFF\xDA\0\x02", 6), nullptr, 0, 0},
    InfoCase{"JpegGarbageAfterStart", QByteArray("\xFF\xD8\xFF\xE0\0\x10garbage", 13) + QByteArray(40, 'x'), nullptr, 0, 0},
    InfoCase{"JpegZeroSize", jpegBytes(0, 10), nullptr, 0, 0},
    InfoCase{"Png", pngBytes(500, 250), "image/png", 500, 250},
    InfoCase{"PngWithoutHeaderChunk", QByteArray("\x89PNG\r\n\x1a\n", 8) + be32(13) + "IDAT", nullptr, 0, 0},
    InfoCase{"Gif", QByteArray("GIF89a") + le16(32) + le16(16) + QByteArray(3, '\0'), "image/gif", 32, 16},
    InfoCase{"BmpBottomUp", QByteArray("BM") + QByteArray(12, '\0') + le32(40) + le32(20) + le32(10), "image/bmp", 20, 10},
    InfoCase{"BmpTopDown", QByteArray("BM") + QByteArray(12, '\0') + le32(40) + le32(20) + le32(-10), "image/bmp", 20, 10},
    InfoCase{"BmpCoreHeader", QByteArray("BM") + QByteArray(12, '\0') + le32(12) + le16(7) + le16(9), "image/bmp", 7, 9},
    InfoCase{"Text", QByteArray("not a picture at all"), nullptr, 0, 0},
    InfoCase{"Empty", QByteArray(), nullptr, 0, 0}
), [](const testing::TestParamInfo<InfoCase> &i) { return std::string(i.param.name); });

// A track in a folder with picture files and, optionally, a picture in its tag.
class CoverOrder : public testing::Test {
protected:
    QString track;
    vireo::test::TempProgramFolder dir;

    void SetUp() override
    {
        track = dir.file(QStringLiteral("Best/01.mp3"));
        vireo::test::writeFile(track, vireo::test::silentMpegFrames(4));
    }
    QString folder() const { return dir.file(QStringLiteral("Best")); }
    void embed(const QByteArray &picture, const QString &mime, const QString &album = QStringLiteral("Best"))
    {
        TID3v2 tag;
        ASSERT_TRUE(tag.LoadTag(track));
        tag.setAlbum(album);
        tag.Picture().MimeType = mime;
        tag.Picture().ImageData = picture;
        ASSERT_TRUE(tag.SaveTag(track));
    }
    void picture(const char *name, const QByteArray &bytes)
    {
        vireo::test::writeFile(folder() + u'/' + QString::fromUtf8(name), bytes);
    }
};

TEST_F(CoverOrder, AlbumFileThenFolderFileThenEmbeddedPicture)
{
    embed(pngBytes(8, 8), QStringLiteral("image/png"));
    CoverArt c = FindCoverArt(folder(), QStringLiteral("Best"), track);
    EXPECT_EQ(c.kind, CoverArt::Embedded);
    EXPECT_EQ(c.path, track);
    EXPECT_EQ(c.embedded, pngBytes(8, 8));

    picture("folder.jpg", jpegBytes(2, 2));
    c = FindCoverArt(folder(), QStringLiteral("Best"), track);
    EXPECT_EQ(c.kind, CoverArt::File);
    EXPECT_EQ(c.path, folder() + QStringLiteral("/folder.jpg"));
    EXPECT_TRUE(c.embedded.isEmpty()); // the track is not read when a file is there

    picture("Best.jpg", jpegBytes(3, 3));
    c = FindCoverArt(folder(), QStringLiteral("Best"), track);
    EXPECT_EQ(c.path, folder() + QStringLiteral("/Best.jpg"));
    const ResultOf<QByteArray> bytes = loadCoverBytes(c);
    ASSERT_TRUE(bytes.ok());
    EXPECT_EQ(bytes.value(), jpegBytes(3, 3));
}

TEST_F(CoverOrder, NothingFoundWithoutFilesOrPicture)
{
    EXPECT_EQ(FindCoverArt(folder(), QStringLiteral("Best"), track).kind, CoverArt::None);
    EXPECT_EQ(FindCoverArt(folder(), QStringLiteral("Best"), QString()).kind, CoverArt::None);
    EXPECT_EQ(FindCoverArt(folder(), QStringLiteral("Best"), folder() + QStringLiteral("/gone.mp3")).kind,
              CoverArt::None);
    EXPECT_FALSE(loadCoverBytes(CoverArt{}).ok());
}

TEST_F(CoverOrder, AFolderNamedLikeTheCoverIsNoCover)
{
    QDir().mkpath(folder() + QStringLiteral("/Best.jpg"));
    picture("folder.jpg", jpegBytes(2, 2));
    EXPECT_EQ(FindCoverArt(folder(), QStringLiteral("Best"), track).path, folder() + QStringLiteral("/folder.jpg"));
}

TEST_F(CoverOrder, VanishedCoverFileIsAnErrorNotACrash)
{
    picture("folder.jpg", jpegBytes(2, 2));
    const CoverArt c = FindCoverArt(folder(), QStringLiteral("Best"), track);
    QFile::remove(c.path);
    const ResultOf<QByteArray> bytes = loadCoverBytes(c);
    EXPECT_EQ(bytes.code(), ErrorCode::NotFound);
    EXPECT_TRUE(bytes.message().contains(c.path));
}

TEST_F(CoverOrder, PayloadLookupUsesTheFirstTrack)
{
    embed(jpegBytes(5, 5), QStringLiteral("image/jpeg"));
    TreeNode node = makeAlbumNode(QStringLiteral("Best"), QStringLiteral("A"), folder(), -1, track);
    EXPECT_TRUE(lookUpCoverFile(*node.Data));
    EXPECT_TRUE(node.Data->CoverEmbedded);
    EXPECT_EQ(node.Data->CoverFile, track);
    forgetCoverLookup(*node.Data);
    EXPECT_FALSE(node.Data->CoverEmbedded);
    EXPECT_FALSE(node.Data->CoverLookedUp);
}

TEST_F(CoverOrder, TrackCoverNamesTheSourceAndTheContentsFormat)
{
    // A PNG picture stored as "image/jpeg": the format comes from the bytes.
    embed(pngBytes(300, 200), QStringLiteral("image/jpeg"), QStringLiteral("Other"));
    ResultOf<TrackCover> r = findTrackCover(track, PreferV2);
    ASSERT_TRUE(r.ok()) << qPrintable(r.message());
    EXPECT_EQ(r->album, QStringLiteral("Other"));
    EXPECT_EQ(r->cover.kind, CoverArt::Embedded);
    EXPECT_EQ(r->picture.mime, QStringLiteral("image/png"));
    EXPECT_EQ(r->picture.width, 300);
    EXPECT_EQ(r->cover.embeddedMime, QStringLiteral("image/jpeg"));

    picture("Other.jpg", QByteArray("damaged"));
    r = findTrackCover(track, PreferV2);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r->cover.kind, CoverArt::File);
    EXPECT_TRUE(r->pictureError.contains(QStringLiteral("Other.jpg")));

    EXPECT_EQ(findTrackCover(folder() + QStringLiteral("/none.mp3"), PreferV2).code(), ErrorCode::NotFound);
    EXPECT_FALSE(findTrackCover(folder(), PreferV2).ok());
}

TEST(CoverFirstTrack, TreesAndFolderViewRecordTheAlbumsFirstTrack)
{
    // The embedded picture of last resort comes from the track that made the album node.
    vireo::views::test::TestLibrary lib;
    lib.add(QStringLiteral("/m/x/1.mp3"), QStringLiteral("A"), QStringLiteral("Gold"));
    lib.add(QStringLiteral("/m/y/2.mp3"), QStringLiteral("A"), QStringLiteral("Gold"));
    lib.add(QStringLiteral("/m/y/3.mp3"), QStringLiteral("A"), QStringLiteral("Blue"));
    lib.setPreferV2(true);
    const auto trees = BuildTrees(lib, {});
    ASSERT_TRUE(trees);
    const TreeNode &artist = trees->ArtistTree[1];
    ASSERT_EQ(artist.Children.size(), 2u);
    for (const TreeNode &a : artist.Children) {
        const bool gold = a.Data->Album == QStringLiteral("Gold");
        EXPECT_EQ(a.Data->FirstFile, gold ? QStringLiteral("/m/x/1.mp3") : QStringLiteral("/m/y/3.mp3"));
        EXPECT_EQ(a.Data->Folder, gold ? QStringLiteral("/m/x") : QStringLiteral("/m/y"));
    }

    const auto folder = BuildFolderView(lib, QStringLiteral("/m/y/"), 2, {});
    ASSERT_TRUE(folder);
    ASSERT_FALSE(folder->FolderNode.Children.empty());
    for (const TreeNode &a : folder->FolderNode.Children[0].Children)
        EXPECT_TRUE(a.Data->FirstFile.startsWith(QStringLiteral("/m/y/")));
}

} // namespace
