// vireo-cli playlists and m3u show over a real playlist folder with real MP3 files.
#include "tests/support/TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace vireo::test;

TEST(PlaylistsCli, ListsTheConfiguredFolderWithEntryCounts)
{
    TempProgramFolder home;
    const QString lists = home.file(QStringLiteral("お気に入り/"));
    writeFile(home.file(QStringLiteral("vireo.ini")),
              "[MP3Param]\r\nFavDir=" + lists.toUtf8() + "\r\n");
    writeFile(lists + QStringLiteral("x.M3U"), "a.mp3\r\nb.mp3\r\n#comment\r\n");
    writeFile(lists + QStringLiteral("sub/y.m3u"), QByteArray("\xFF\xFE", 2) + QByteArray("a\0\r\0\n\0", 6));
    writeFile(lists + QStringLiteral("z.m3u8"), "a.mp3\r\n");

    RunResult r = runCli({QStringLiteral("playlists"), QStringLiteral("--json")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QJsonObject root = QJsonDocument::fromJson(r.out).object();
    EXPECT_EQ(root.value(QStringLiteral("folder")).toString(), lists);
    const QJsonArray items = root.value(QStringLiteral("playlists")).toArray();
    ASSERT_EQ(items.size(), 2) << r.out.constData();
    QMap<QString, int> counts;
    for (const auto &v : items)
        counts[v.toObject().value(QStringLiteral("name")).toString()] =
            v.toObject().value(QStringLiteral("entries")).toInt();
    EXPECT_EQ(counts.value(QStringLiteral("x.M3U")), 2);
    EXPECT_EQ(counts.value(QStringLiteral("y.m3u")), 1);

    r = runCli({QStringLiteral("playlists")});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.contains("2\t" + (lists + QStringLiteral("x.M3U")).toUtf8())) << r.out.constData();
    EXPECT_EQ(runCli({QStringLiteral("playlists"), QStringLiteral("--bogus")}).exitCode, 2);
}

TEST(PlaylistsCli, M3uShowMarksMissingFiles)
{
    TempProgramFolder home;
    const QString mp3 = home.file(QStringLiteral("Music/曲.mp3"));
    writeFile(mp3, silentMpegFrames(3));
    const QString list = home.file(QStringLiteral("Lists/mix.m3u"));
    writeFile(list, "../Music/曲.mp3\r\ngone.mp3\r\n");

    RunResult r = runCli({QStringLiteral("m3u"), QStringLiteral("show"), list});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(QString::fromUtf8(r.out),
              mp3 + u'\n' + home.file(QStringLiteral("Lists/gone.mp3")) + QStringLiteral("\t(missing)\n"));

    r = runCli({QStringLiteral("m3u"), QStringLiteral("show"), list, QStringLiteral("--json")});
    const QJsonArray entries = QJsonDocument::fromJson(r.out).object().value(QStringLiteral("entries")).toArray();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_FALSE(entries[0].toObject().value(QStringLiteral("missing")).toBool());
    EXPECT_TRUE(entries[1].toObject().value(QStringLiteral("missing")).toBool());
}
