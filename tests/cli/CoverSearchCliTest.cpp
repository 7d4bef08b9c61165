// vireo-cli cover-search against a real HTTP server on 127.0.0.1.
#include "tests/support/StaticHttpServer.h"
#include "tests/support/TestSupport.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace vireo::test;

namespace {

QByteArray jpeg(int width, int height)
{
    QByteArray d("\xFF\xD8\xFF\xC0\x00\x11\x08", 7);
    for (int v : {height, width}) {
        d += char(v >> 8);
        d += char(v & 0xFF);
    }
    d += QByteArray("\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01\xFF\xD9", 12);
    return d;
}

class CoverSearchCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.started());
        QByteArray deezer = readFile(QStringLiteral(VIREO_TEST_DATA "/coverart/deezer_album_search.json"));
        deezer.replace("{BASE}", server.base().toLatin1());
        server.put(QStringLiteral("/search/album"), deezer);
        const QString cover = QStringLiteral("/images/cover/2e018122cb56986277102d2041a592c8/");
        server.put(cover + QStringLiteral("250x250-000000-80-0-0.jpg"), jpeg(250, 250));
        server.put(cover + QStringLiteral("500x500-000000-80-0-0.jpg"), jpeg(500, 500));
        server.put(cover + QStringLiteral("1000x1000-000000-80-0-0.jpg"), jpeg(1000, 1000));
        QByteArray mb = readFile(QStringLiteral(VIREO_TEST_DATA "/coverart/musicbrainz_release_search.json"));
        server.put(QStringLiteral("/ws/2/release/"), mb);
        server.put(QStringLiteral("/release/1e477f68-c407-4eae-ad01-518528cedc2c/front-500"), jpeg(500, 400));
        writeIni({});
    }
    void writeIni(const QByteArray &extra)
    {
        const QByteArray base = server.base().toLatin1();
        writeFile(home.file(QStringLiteral("vireo.ini")),
                  "[MP3Param]\nDeezerHost=" + base + "\nMusicBrainzHost=" + base + "\nCoverArtArchiveHost=" + base
                      + "\nCoverSearchHost=127.0.0.1:" + QByteArray::number(server.port())
                      + "\nCoverSearchSources=mb,deezer\n" + extra);
    }
    RunResult cli(const QStringList &args)
    {
        return runCli(QStringList{QStringLiteral("cover-search")} + args,
                      {QStringLiteral("VIREO_HOME=") + home.path()});
    }

    TempProgramFolder home;
    StaticHttpServer server;
};

TEST_F(CoverSearchCli, JsonListsMatchesOfEverySource)
{
    const RunResult r = cli({QStringLiteral("Daft Punk"), QStringLiteral("Discovery"), QStringLiteral("--json")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QJsonArray results = QJsonDocument::fromJson(r.out).object().value(u"results").toArray();
    ASSERT_EQ(results.size(), 2);
    EXPECT_EQ(results[0].toObject().value(u"source").toString(), QStringLiteral("MusicBrainz"));
    EXPECT_EQ(results[1].toObject().value(u"source").toString(), QStringLiteral("Deezer"));
    EXPECT_EQ(results[1].toObject().value(u"title").toString(), QStringLiteral("Daft Punk – Discovery"));
    const QJsonArray pictures = results[1].toObject().value(u"pictures").toArray();
    ASSERT_EQ(pictures.size(), 3);
    EXPECT_EQ(pictures[2].toObject().value(u"width").toInt(), 1000);
    EXPECT_TRUE(pictures[2].toObject().value(u"url").toString().startsWith(server.base()));
}

TEST_F(CoverSearchCli, SourceOptionAndPlainOutput)
{
    const RunResult r = cli({QStringLiteral("Daft Punk"), QStringLiteral("Discovery"), QStringLiteral("--source"),
                             QStringLiteral("deezer")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QStringList lines = QString::fromUtf8(r.out).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines[0], QStringLiteral("1\tDeezer\tDaft Punk – Discovery"));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("\tjpeg\t250x250\t")));
}

TEST_F(CoverSearchCli, SaveWritesTheLargestPicture)
{
    const QString target = home.file(QStringLiteral("album/folder.jpg"));
    writeFile(target, "old");
    const RunResult r = cli({QStringLiteral("Daft Punk"), QStringLiteral("Discovery"), QStringLiteral("--source"),
                             QStringLiteral("deezer"), QStringLiteral("--save"), QStringLiteral("1"), target});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(readFile(target), jpeg(1000, 1000));
}

TEST_F(CoverSearchCli, SaveOfAMissingMatchChangesNothing)
{
    const QString target = home.file(QStringLiteral("folder.jpg"));
    const RunResult r = cli({QStringLiteral("Daft Punk"), QStringLiteral("Discovery"), QStringLiteral("--source"),
                             QStringLiteral("deezer"), QStringLiteral("--save"), QStringLiteral("9"), target});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(QFile::exists(target));
}

TEST_F(CoverSearchCli, ManualProxyWithoutPortStopsWithTheConversionMessage)
{
    writeIni("ProxyUse=2\nProxyAddress=127.0.0.1\nProxyPort=\n");
    const RunResult r = cli({QStringLiteral("A"), QStringLiteral("B")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("'' is not a valid integer value")) << r.err.constData();
}

TEST_F(CoverSearchCli, ClassicServiceThatAnswersHtmlIsOneError)
{
    server.put(QStringLiteral("/onca/xml"), "Service gone");
    const RunResult r = cli({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("--source"),
                             QStringLiteral("classic"), QStringLiteral("--json")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(QJsonDocument::fromJson(r.out).object().contains(u"error"));
}

TEST_F(CoverSearchCli, BadArguments)
{
    EXPECT_EQ(cli({QStringLiteral("A")}).exitCode, 2);
    EXPECT_EQ(cli({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("--source"), QStringLiteral("x")}).exitCode, 2);
    EXPECT_EQ(cli({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("--save"), QStringLiteral("0"),
                   QStringLiteral("f")}).exitCode, 2);
}

} // namespace
