// The CSV export: exact bytes of the header and the track lines.
#include "fileops/CsvExport.h"
#include "library/TrackRecord.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace vireo;

namespace {
const QByteArray kHeader =
    QStringLiteral("\"ファイル名\",\"トラックNO\",\"タイトル\",\"アーティスト名\",\"アルバム名\",\"年\","
                   "\"ジャンル\",\"コメント\"\r\n").toUtf8();
}

TEST(CsvExport, EmptyLibraryGivesTheHeaderOnly)
{
    EXPECT_EQ(RenderCsv({}), kHeader);
}

TEST(CsvExport, TrackLinesUseTheId3v1CopyUnescaped)
{
    TID3ListItem tagged(QStringLiteral("/music/a \"b\".mp3"), 0);
    TID3v1Record v1;
    v1.Title = QByteArrayView("Say \"hi\"");
    v1.Artist = QByteArrayView("Art");
    v1.Album = QByteArrayView("Alb");
    v1.Year = QByteArrayView("19991");
    v1.Comment = QByteArrayView("c");
    v1.Genre = 17;
    v1.Track = 3;
    tagged.SetV1(v1);
    TID3v2Record v2;
    v2.Title = QStringLiteral("ignored");
    tagged.SetV2(v2);

    TID3ListItem bare(QStringLiteral("/music/日本.mp3"), 0);
    TID3ListItem oddGenre(QStringLiteral("/x.mp3"), 0);
    TID3v1Record g;
    g.Genre = 255;
    oddGenre.SetV1(g);

    const QByteArray csv = RenderCsv({&tagged, &bare, &oddGenre});
    const QByteArray expected = kHeader +
        "\"/music/a \"b\".mp3\",\"3\",\"Say \"hi\"\",\"Art\",\"Alb\",\"1999\",\"Rock\",\"c\"\r\n" +
        QStringLiteral("\"/music/日本.mp3\",\"0\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n").toUtf8() +
        "\"/x.mp3\",\"0\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
    EXPECT_EQ(csv, expected);
}

TEST(CsvExport, FailedWriteLeavesTheOldFileAlone)
{
    vireo::test::TempProgramFolder dir;
    const QString path = dir.file(QStringLiteral("out.csv"));
    vireo::test::writeFile(path, "old");
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const Result r = ExportCsv(path, {});
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (r.ok())
        GTEST_SKIP() << "running with permission to write anywhere";
    EXPECT_FALSE(r.message().isEmpty());
    EXPECT_EQ(vireo::test::readFile(path), QByteArray("old"));
}
