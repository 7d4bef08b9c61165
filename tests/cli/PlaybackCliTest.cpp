// vireo-cli m3u, play, volume and remote as a script would use them.
#include "tests/support/PlaybackSupport.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vireo::test;

namespace {

TEST(PlaybackCli, M3uWriteThenShowRoundTripsJapanesePaths)
{
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("お気に入り.m3u"));
    const QString a = QStringLiteral("/音楽/歌手/01 曲.mp3");
    RunResult w = runCli({QStringLiteral("m3u"), QStringLiteral("write"), list, QStringLiteral("--plain"), a,
                          QStringLiteral("rel/b.mp3")});
    ASSERT_EQ(w.exitCode, 0) << w.err.constData();
    EXPECT_EQ(readFile(list), a.toUtf8() + "\r\nrel/b.mp3\r\n");

    RunResult s = runCli({QStringLiteral("m3u"), QStringLiteral("show"), list, QStringLiteral("--json")});
    ASSERT_EQ(s.exitCode, 0) << s.err.constData();
    const QJsonArray entries = QJsonDocument::fromJson(s.out).object().value(QStringLiteral("entries")).toArray();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].toObject().value(QStringLiteral("path")).toString(), a);
    EXPECT_EQ(entries[1].toObject().value(QStringLiteral("entry")).toString(), QStringLiteral("rel/b.mp3"));
    EXPECT_EQ(entries[1].toObject().value(QStringLiteral("path")).toString(),
              QDir(dir.path()).filePath(QStringLiteral("rel/b.mp3")));

    w = runCli({QStringLiteral("m3u"), QStringLiteral("write"), list, QStringLiteral("--unicode"),
                QStringLiteral("a"), QStringLiteral("bc")});
    ASSERT_EQ(w.exitCode, 0);
    EXPECT_EQ(readFile(list).size(), 16);
    s = runCli({QStringLiteral("m3u"), QStringLiteral("show"), list});
    // Neither file exists: both are marked missing.
    EXPECT_EQ(s.out, QByteArray(QDir(dir.path()).filePath(QStringLiteral("a")).toUtf8() + "\t(missing)\n"
                                + QDir(dir.path()).filePath(QStringLiteral("bc")).toUtf8() + "\t(missing)\n"));
}

TEST(PlaybackCli, M3uErrorsAreClear)
{
    RunResult r = runCli({QStringLiteral("m3u"), QStringLiteral("show"), QStringLiteral("/nonexistent/a.m3u")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("/nonexistent/a.m3u")) << r.err.constData();
    r = runCli({QStringLiteral("m3u"), QStringLiteral("write"), QStringLiteral("/nonexistent/dir/a.m3u"),
                QStringLiteral("x")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(r.err.isEmpty());
    r = runCli({QStringLiteral("m3u")});
    EXPECT_EQ(r.exitCode, 2);
}

TEST(PlaybackCli, PlayPrintsPositionsToTheEndAndFailsClearlyOnBadFiles)
{
    if (!haveLame())
        GTEST_SKIP() << "no lame";
    QTemporaryDir dir;
    const QString mp3 = dir.filePath(QStringLiteral("曲.mp3"));
    ASSERT_TRUE(makeMp3(mp3, 2.2));
    const QStringList env{QStringLiteral("VIREO_AUDIO_SINK=fakesink sync=true")};
    RunResult r = runCli({QStringLiteral("play"), mp3}, env);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QString out = QString::fromUtf8(r.out);
    EXPECT_TRUE(out.contains(QStringLiteral("length 2"))) << qPrintable(out);
    EXPECT_TRUE(out.contains(QStringLiteral("position 0/2 00:00")));
    EXPECT_TRUE(out.contains(QStringLiteral("position 1/2 00:01")));
    EXPECT_TRUE(out.contains(QStringLiteral("ended ")));

    r = runCli({QStringLiteral("play"), QStringLiteral("--seconds"), QStringLiteral("1"), mp3}, env);
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.contains("stopped "));

    const QString bad = dir.filePath(QStringLiteral("bad.mp3"));
    writeFile(bad, QByteArray(5000, 'z'));
    r = runCli({QStringLiteral("play"), bad, dir.filePath(QStringLiteral("gone.mp3"))}, env);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(bad.toUtf8())) << r.err.constData();
    EXPECT_TRUE(r.err.contains("gone.mp3"));
}

TEST(PlaybackCli, VolumeFollowsAPrivateServerAndFailsWithoutOne)
{
    QTemporaryDir empty;
    RunResult r = runCli({QStringLiteral("volume")},
                         {QStringLiteral("XDG_RUNTIME_DIR=") + empty.path(),
                          QStringLiteral("PULSE_SERVER=unix:") + empty.path() + QStringLiteral("/none")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("sound server")) << r.err.constData();

    PrivatePulse pulse;
    if (!pulse.ok())
        GTEST_SKIP() << qPrintable(pulse.why());
    r = runCli({QStringLiteral("volume"), QStringLiteral("set"), QStringLiteral("40")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(r.out, QByteArray("volume 40\nmute off\n"));
    r = runCli({QStringLiteral("volume"), QStringLiteral("mute"), QStringLiteral("on")});
    EXPECT_EQ(r.out, QByteArray("volume 40\nmute on\n"));
    EXPECT_TRUE(pulse.pactl({QStringLiteral("get-sink-mute"), QStringLiteral("vnull")}).contains("yes"));
    r = runCli({QStringLiteral("volume"), QStringLiteral("set"), QStringLiteral("101")});
    EXPECT_EQ(r.exitCode, 2);
}

TEST(PlaybackCli, RemoteAddWithoutPlayerSaysSo)
{
    PrivateBus bus;
    if (!bus.ok())
        GTEST_SKIP() << "no dbus-daemon";
    RunResult r = runCli({QStringLiteral("remote"), QStringLiteral("add"), QStringLiteral("/music/a.mp3")},
                         {QStringLiteral("DBUS_SESSION_BUS_ADDRESS=") + bus.address()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("no running player")) << r.err.constData();
}

} // namespace
