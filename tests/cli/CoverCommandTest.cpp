// vireo-cli cover, black box: which cover a track's album gets (album-named
// file, folder.jpg, the picture in the tag written by mutagen), and the
// picture's format and size read from its content.
#include "tests/support/PictureBytes.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace vireo::test;

namespace {

class CoverCli : public testing::Test {
protected:
    TempProgramFolder home;
    QString album;
    QString track;

    void SetUp() override
    {
        album = home.file(QStringLiteral("music/夏"));
        track = album + QStringLiteral("/01.mp3");
        writeFile(track, silentMpegFrames(3));
    }
    // Tags the track with mutagen: album name and, optionally, a picture.
    void tag(const QString &albumName, const QString &pictureFile = {}, const QString &mime = {})
    {
        if (!haveMutagen())
            GTEST_SKIP() << "mutagen is not installed";
        const QString script = QStringLiteral(
            "import sys\n"
            "from mutagen.id3 import ID3, TALB, APIC\n"
            "t = ID3()\n"
            "t.add(TALB(encoding=3, text=[sys.argv[2]]))\n"
            "if len(sys.argv) > 3:\n"
            "    t.add(APIC(encoding=0, mime=sys.argv[4], type=3, desc='', data=open(sys.argv[3], 'rb').read()))\n"
            "t.save(sys.argv[1], v2_version=3)\n");
        QStringList args{QStringLiteral("-c"), script, track, albumName};
        if (!pictureFile.isEmpty())
            args << pictureFile << mime;
        const RunResult r = run(QStringLiteral(VIREO_PYTHON3), args);
        ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    }
    QJsonObject coverJson(const QStringList &extra = {})
    {
        const RunResult r = runCli(QStringList{QStringLiteral("cover"), QStringLiteral("--json"), track} + extra);
        EXPECT_EQ(r.exitCode, 0) << r.err.constData();
        return QJsonDocument::fromJson(r.out.split('\n').value(0)).object();
    }
};

TEST_F(CoverCli, EmbeddedPictureIsReportedByItsContent)
{
    // A PNG picture stored under the type "image/jpeg".
    const QString png = home.file(QStringLiteral("p.png"));
    writeFile(png, pngBytes(320, 240));
    tag(QStringLiteral("Best"), png, QStringLiteral("image/jpeg"));
    if (testing::Test::IsSkipped())
        return;
    const QJsonObject o = coverJson();
    EXPECT_EQ(o.value(QStringLiteral("album")).toString(), QStringLiteral("Best"));
    EXPECT_EQ(o.value(QStringLiteral("cover")).toString(), QStringLiteral("embedded"));
    EXPECT_EQ(o.value(QStringLiteral("mime")).toString(), QStringLiteral("image/png"));
    EXPECT_EQ(o.value(QStringLiteral("stated_mime")).toString(), QStringLiteral("image/jpeg"));
    EXPECT_EQ(o.value(QStringLiteral("width")).toInt(), 320);
    EXPECT_EQ(o.value(QStringLiteral("height")).toInt(), 240);
}

TEST_F(CoverCli, AlbumFileBeatsFolderFileBeatsTag)
{
    const QString png = home.file(QStringLiteral("p.png"));
    writeFile(png, pngBytes(1, 1));
    tag(QStringLiteral("Best"), png, QStringLiteral("image/png"));
    if (testing::Test::IsSkipped())
        return;
    writeFile(album + QStringLiteral("/folder.jpg"), jpegBytes(500, 500));
    EXPECT_EQ(coverJson().value(QStringLiteral("cover")).toString(), album + QStringLiteral("/folder.jpg"));
    writeFile(album + QStringLiteral("/Best.jpg"), jpegBytes(600, 400));
    const QJsonObject o = coverJson();
    EXPECT_EQ(o.value(QStringLiteral("cover")).toString(), album + QStringLiteral("/Best.jpg"));
    EXPECT_EQ(o.value(QStringLiteral("mime")).toString(), QStringLiteral("image/jpeg"));
    EXPECT_EQ(o.value(QStringLiteral("width")).toInt(), 600);
    EXPECT_EQ(o.value(QStringLiteral("height")).toInt(), 400);

    const RunResult text = runCli({QStringLiteral("cover"), track});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_TRUE(text.out.contains("cover: " + album.toUtf8() + "/Best.jpg")) << text.out.constData();
    EXPECT_TRUE(text.out.contains("picture: image/jpeg 600x400")) << text.out.constData();
}

TEST_F(CoverCli, NoCoverDamagedCoverAndMissingTrack)
{
    tag(QStringLiteral("Best"));
    if (testing::Test::IsSkipped())
        return;
    EXPECT_TRUE(coverJson().value(QStringLiteral("cover")).isNull());

    writeFile(album + QStringLiteral("/folder.jpg"), "this is not a picture");
    const QJsonObject o = coverJson();
    EXPECT_EQ(o.value(QStringLiteral("cover")).toString(), album + QStringLiteral("/folder.jpg"));
    EXPECT_TRUE(o.value(QStringLiteral("picture_error")).toString().contains(QStringLiteral("not a JPEG")));

    const RunResult r = runCli({QStringLiteral("cover"), QStringLiteral("--json"), track,
                                album + QStringLiteral("/gone.mp3")});
    EXPECT_EQ(r.exitCode, 1); // one file could not be read
    const QList<QByteArray> lines = r.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(QJsonDocument::fromJson(lines[1]).object().value(QStringLiteral("error")).toString()
                    .contains(QStringLiteral("no such file")));
    EXPECT_EQ(runCli({QStringLiteral("cover")}).exitCode, 2);
    EXPECT_EQ(runCli({QStringLiteral("cover"), QStringLiteral("--bogus"), track}).exitCode, 2);
}

} // namespace
