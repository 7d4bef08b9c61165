// The whole cover search through the Qt Network client against servers on
// 127.0.0.1 that this test starts: recorded answers of each source, real
// picture headers, a slow answer, 503s and an HTTP proxy.
#include "backends/net/NetworkHttpClient.h"
#include "core/coverart/CoverSearch.h"
#include "tests/backends/net/LoopbackHttpServer.h"
#include "tests/support/TestSupport.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace vireo;
using namespace vireo::coverart;
using vireo::test::Answer;
using vireo::test::LoopbackHttpServer;

namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "test_backends_net";
        static char *argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            m_app = std::make_unique<QCoreApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QCoreApplication> m_app;
};
const auto *const kEnv = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

const QString kMbid = QStringLiteral("1e477f68-c407-4eae-ad01-518528cedc2c");

QByteArray fixture(const char *name, const QString &base)
{
    QByteArray bytes = test::readFile(QStringLiteral(VIREO_TEST_DATA "/coverart/") + QLatin1String(name));
    bytes.replace("{BASE}", base.toLatin1());
    return bytes;
}

Answer ok(const QByteArray &body, const QByteArray &type = "application/json")
{
    return Answer{200, body, type, 0, {}};
}

struct Outcome {
    QList<CoverHit> hits;
    Result result;
    int finishedCount = 0;
    bool timedOut = false;
};

// Runs one search to its end (or gives up after waitMs).
Outcome runSearch(CoverSearch &search, const QString &artist, const QString &album, int waitMs = 15000)
{
    Outcome o;
    QEventLoop loop;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, [&] {
        o.timedOut = true;
        loop.quit();
    });
    auto c1 = QObject::connect(&search, &CoverSearch::hitReady, [&](const CoverHit &h) { o.hits << h; });
    auto c2 = QObject::connect(&search, &CoverSearch::finished, [&](const Result &r) {
        o.result = r;
        ++o.finishedCount;
        loop.quit();
    });
    guard.start(waitMs);
    search.start(artist, album);
    loop.exec();
    // Let anything that would follow a second "finished" arrive.
    QEventLoop settle;
    QTimer::singleShot(50, &settle, &QEventLoop::quit);
    settle.exec();
    QObject::disconnect(c1);
    QObject::disconnect(c2);
    return o;
}

class CoverSearchNet : public ::testing::Test {
protected:
    void SetUp() override
    {
        settings.sources = {};
        settings.classicHost = server.base().mid(7); // host:port
        settings.musicBrainzBase = server.base();
        settings.coverArtBase = server.base();
        settings.deezerBase = server.base();
        search.setSettings(settings);
    }
    void use(QList<CoverSource> sources)
    {
        settings.sources = std::move(sources);
        search.setSettings(settings);
    }
    void serveMusicBrainz()
    {
        server.route("/ws/2/release/", ok(fixture("musicbrainz_release_search.json", server.base())));
        const QByteArray release = "/release/" + kMbid.toLatin1();
        server.route(release + "/front-250", ok(test::jpegBytes(250, 250), "image/jpeg"));
        server.route(release + "/front-500", ok(test::pngBytes(500, 500), "image/png"));
        // front-1200 is not there (404), nor anything of the second release.
    }

    LoopbackHttpServer server;
    net::NetworkHttpClient client;
    RequestPacer pacer;
    CoverSearch search{client, pacer};
    CoverSearchSettings settings;
};

TEST_F(CoverSearchNet, ClassicAnswerWithHeadersAndJpegCheck)
{
    use({CoverSource::Classic});
    server.route("/onca/xml", ok(fixture("classic_itemsearch.xml", server.base()), "text/xml"));
    server.route("/images/P/B000002ADT.09.THUMBZZZ.jpg", ok(test::jpegBytes(60, 60)));
    server.route("/images/P/B000002ADT.09.MZZZZZZZ.gif", ok(test::gifBytes(140, 140)));
    server.route("/images/P/B000002ADT.09.LZZZZZZZ.jpg", ok(test::jpegBytes(500, 500)));
    server.route("/images/P/japan.jpg", ok(test::pngBytes(140, 140))); // not JPEG: skipped

    const Outcome o = runSearch(search, QStringLiteral("AB"), QStringLiteral("C D"));
    ASSERT_FALSE(o.timedOut);
    EXPECT_TRUE(o.result.ok()) << o.result.message().toStdString();
    EXPECT_EQ(o.finishedCount, 1);
    ASSERT_EQ(o.hits.size(), 2);
    EXPECT_EQ(o.hits[0].result.title, QStringLiteral("Rock & Roll"));
    // The GIF in the middle is dropped: small then large.
    ASSERT_EQ(o.hits[0].pictures.size(), 2);
    EXPECT_EQ(o.hits[0].pictures[0].info.width, 60);
    EXPECT_EQ(o.hits[0].pictures[1].info.width, 500);
    EXPECT_EQ(o.hits[1].result.title, QStringLiteral("日本のアルバム"));
    EXPECT_TRUE(o.hits[1].pictures.isEmpty());

    const auto seen = server.seenFor("/onca/xml");
    ASSERT_EQ(seen.size(), 1);
    EXPECT_TRUE(seen[0].target.endsWith("&Keywords=AB%20C%20D&SearchIndex=Music")) << seen[0].target.constData();
    EXPECT_EQ(seen[0].headers.value("accept"), QByteArray("text/html, */*"));
    EXPECT_EQ(seen[0].headers.value("user-agent"), QByteArray("Mozilla/3.0 (compatible; Indy Library)"));
}

TEST_F(CoverSearchNet, MusicBrainzWithCoverArtArchivePictures)
{
    use({CoverSource::MusicBrainz});
    serveMusicBrainz();
    const Outcome o = runSearch(search, QStringLiteral("Miles Davis"), QStringLiteral("Kind of Blue"));
    ASSERT_FALSE(o.timedOut);
    EXPECT_TRUE(o.result.ok()) << o.result.message().toStdString();
    // The second release has no picture at all and makes no match.
    ASSERT_EQ(o.hits.size(), 1);
    EXPECT_EQ(o.hits[0].result.source, CoverSource::MusicBrainz);
    ASSERT_EQ(o.hits[0].pictures.size(), 2);
    EXPECT_EQ(o.hits[0].largest()->info.width, 500);

    const auto seen = server.seenFor("/ws/2/release/");
    ASSERT_EQ(seen.size(), 1);
    EXPECT_TRUE(seen[0].target.contains("fmt=json"));
    EXPECT_TRUE(seen[0].headers.value("user-agent").startsWith("Vireo/" VIREO_VERSION " ( "));
}

TEST_F(CoverSearchNet, DeezerAndMusicBrainzTogether)
{
    use({CoverSource::MusicBrainz, CoverSource::Deezer});
    serveMusicBrainz();
    server.route("/search/album", ok(fixture("deezer_album_search.json", server.base())));
    const QByteArray cover = "/images/cover/2e018122cb56986277102d2041a592c8/";
    server.route(cover + "250x250-000000-80-0-0.jpg", ok(test::jpegBytes(250, 250)));
    server.route(cover + "500x500-000000-80-0-0.jpg", ok(test::jpegBytes(500, 500)));
    server.route(cover + "1000x1000-000000-80-0-0.jpg", ok(test::jpegBytes(1000, 1000)));
    server.route("/images/cover/live/500x500.png", ok(test::pngBytes(500, 500)));
    server.route("/images/cover/live/1000x1000.gif", ok("GIF89a")); // cut short: no picture

    const Outcome o = runSearch(search, QStringLiteral("Daft Punk"), QStringLiteral("Discovery"));
    ASSERT_FALSE(o.timedOut);
    EXPECT_TRUE(o.result.ok()) << o.result.message().toStdString();
    ASSERT_EQ(o.hits.size(), 3);
    EXPECT_EQ(o.hits[0].result.source, CoverSource::MusicBrainz);
    EXPECT_EQ(o.hits[1].result.source, CoverSource::Deezer);
    EXPECT_EQ(o.hits[1].pictures.size(), 3);
    EXPECT_EQ(o.hits[1].largest()->info.width, 1000);
    EXPECT_EQ(o.hits[2].pictures.size(), 1);
    EXPECT_TRUE(server.seenFor("/search/album")[0].target.contains("q=artist%3A%22Daft%20Punk%22"));
}

TEST_F(CoverSearchNet, SlowAnswerTimesOutWithOneMessage)
{
    use({CoverSource::Deezer});
    search.setTimeoutMs(300);
    server.route("/search/album", Answer{200, "{\"data\":[]}", "application/json", 3000, {}});
    const Outcome o = runSearch(search, QStringLiteral("A"), QStringLiteral("B"));
    ASSERT_FALSE(o.timedOut);
    EXPECT_EQ(o.finishedCount, 1);
    EXPECT_EQ(o.result.code(), ErrorCode::Timeout) << o.result.message().toStdString();
    EXPECT_TRUE(o.hits.isEmpty());
    EXPECT_EQ(client.runningCount(), 0);
}

TEST_F(CoverSearchNet, DefaultTimeoutIsFifteenSeconds)
{
    EXPECT_EQ(HttpRequest{}.timeoutMs, 15000);
}

TEST_F(CoverSearchNet, AnswerThatIsNotTheSourcesFormatFailsOnce)
{
    use({CoverSource::MusicBrainz, CoverSource::Deezer});
    server.route("/ws/2/release/", ok("<html>maintenance</html>", "text/html"));
    server.route("/search/album", ok("{\"data\":[]}"));
    const Outcome o = runSearch(search, QStringLiteral("A"), QStringLiteral("B"));
    EXPECT_EQ(o.finishedCount, 1);
    EXPECT_EQ(o.result.code(), ErrorCode::BadData);
    EXPECT_TRUE(o.result.message().contains(QStringLiteral("MusicBrainz")));
    // The other source was still asked.
    EXPECT_EQ(server.seenFor("/search/album").size(), 1);
}

TEST_F(CoverSearchNet, ServerThatIsNotThereIsANetworkFailure)
{
    quint16 closedPort;
    {
        LoopbackHttpServer gone;
        closedPort = gone.port();
    }
    settings.deezerBase = QStringLiteral("http://127.0.0.1:%1").arg(closedPort);
    use({CoverSource::Deezer});
    const Outcome o = runSearch(search, QStringLiteral("A"), QStringLiteral("B"));
    EXPECT_EQ(o.finishedCount, 1);
    EXPECT_EQ(o.result.code(), ErrorCode::Network);
}

TEST_F(CoverSearchNet, MusicBrainz503IsRetriedAfterBackingOff)
{
    use({CoverSource::MusicBrainz});
    serveMusicBrainz();
    Answer busy{503, "busy", "text/plain", 0, {}};
    server.routeSequence("/ws/2/release/", {busy, ok(fixture("musicbrainz_release_search.json", server.base()))});
    const Outcome o = runSearch(search, QStringLiteral("Miles Davis"), QStringLiteral("Kind of Blue"));
    EXPECT_TRUE(o.result.ok()) << o.result.message().toStdString();
    EXPECT_EQ(o.hits.size(), 1);
    const auto seen = server.seenFor("/ws/2/release/");
    ASSERT_EQ(seen.size(), 2);
    EXPECT_GE(seen[1].atMs - seen[0].atMs, 950);
}

TEST_F(CoverSearchNet, MusicBrainzThatStaysBusyGivesUp)
{
    RequestPacer quick(100, 2);
    CoverSearch other(client, quick);
    settings.sources = {CoverSource::MusicBrainz};
    other.setSettings(settings);
    server.route("/ws/2/release/", Answer{503, "busy", "text/plain", 0, {}});
    const Outcome o = runSearch(other, QStringLiteral("A"), QStringLiteral("B"));
    EXPECT_EQ(o.finishedCount, 1);
    EXPECT_FALSE(o.result.ok());
    EXPECT_EQ(server.seenFor("/ws/2/release/").size(), 3); // the first try and two retries
}

TEST_F(CoverSearchNet, OneMusicBrainzRequestASecondAcrossSearches)
{
    use({CoverSource::MusicBrainz});
    server.route("/ws/2/release/", ok("{\"releases\":[]}"));
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(runSearch(search, QStringLiteral("A"), QStringLiteral("B")).result.ok());
    const auto seen = server.seenFor("/ws/2/release/");
    ASSERT_EQ(seen.size(), 3);
    EXPECT_GE(seen[1].atMs - seen[0].atMs, 950);
    EXPECT_GE(seen[2].atMs - seen[1].atMs, 950);
}

TEST_F(CoverSearchNet, ProxyFromTheSettingsCarriesEveryRequest)
{
    LoopbackHttpServer proxy;
    proxy.actAsProxyFor(&server);
    const auto choice = proxyFromSettings(2, QStringLiteral("127.0.0.1"), QString::number(proxy.port()));
    ASSERT_TRUE(choice.ok());
    client.setProxy(*choice);
    use({CoverSource::Classic});
    server.route("/onca/xml", ok(fixture("classic_itemsearch.xml", server.base()), "text/xml"));
    server.route("/images/P/B000002ADT.09.THUMBZZZ.jpg", ok(test::jpegBytes(60, 60)));

    const Outcome o = runSearch(search, QStringLiteral("A"), QStringLiteral("B"));
    EXPECT_TRUE(o.result.ok()) << o.result.message().toStdString();
    ASSERT_EQ(o.hits.size(), 2);
    EXPECT_EQ(o.hits[0].pictures.size(), 1);
    EXPECT_TRUE(server.seen().isEmpty()); // nothing went direct
    ASSERT_GE(proxy.seen().size(), 2);
    EXPECT_TRUE(proxy.seen()[0].target.startsWith(server.base().toLatin1() + "/onca/xml?"));

    client.setProxy({}); // back to a direct connection
    const Outcome direct = runSearch(search, QStringLiteral("A"), QStringLiteral("B"));
    EXPECT_TRUE(direct.result.ok());
    EXPECT_FALSE(server.seen().isEmpty());
}

TEST_F(CoverSearchNet, CancelDropsRunningRequestsAndReportsNothing)
{
    use({CoverSource::Deezer});
    server.route("/search/album", Answer{200, "{\"data\":[]}", "application/json", 2000, {}});
    int finished = 0;
    QObject::connect(&search, &CoverSearch::finished, [&] { ++finished; });
    search.start(QStringLiteral("A"), QStringLiteral("B"));
    QEventLoop loop;
    QTimer::singleShot(300, &loop, &QEventLoop::quit);
    loop.exec();
    ASSERT_EQ(client.runningCount(), 1);
    search.cancel();
    EXPECT_FALSE(search.isRunning());
    EXPECT_EQ(client.runningCount(), 0);
    QTimer::singleShot(2200, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(finished, 0);
    // A new search runs normally afterwards.
    server.route("/search/album", ok("{\"data\":[]}"));
    EXPECT_TRUE(runSearch(search, QStringLiteral("A"), QStringLiteral("B")).result.ok());
}

TEST_F(CoverSearchNet, SearchDestroyedWhileWaiting)
{
    use({CoverSource::Deezer});
    server.route("/search/album", Answer{200, "{\"data\":[]}", "application/json", 500, {}});
    {
        CoverSearch shortLived(client, pacer);
        shortLived.setSettings(settings);
        shortLived.start(QStringLiteral("A"), QStringLiteral("B"));
        QEventLoop loop;
        QTimer::singleShot(100, &loop, &QEventLoop::quit);
        loop.exec();
    }
    QEventLoop loop;
    QTimer::singleShot(800, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(client.runningCount(), 0);
}

TEST_F(CoverSearchNet, NoSourcesFinishesWithAMessage)
{
    use({});
    const Outcome o = runSearch(search, QStringLiteral("A"), QStringLiteral("B"));
    EXPECT_EQ(o.finishedCount, 1);
    EXPECT_FALSE(o.result.ok());
}

} // namespace
