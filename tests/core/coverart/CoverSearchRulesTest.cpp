#include "core/coverart/CoverSave.h"
#include "core/coverart/CoverSearchSettings.h"
#include "core/coverart/CoverSearchSubject.h"
#include "core/library/TrackRecord.h"
#include "core/coverart/RequestPacer.h"
#include "core/settings/ProfileFile.h"
#include "core/settings/SettingsCatalogue.h"

#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <unistd.h>

using namespace vireo;
using namespace vireo::coverart;

namespace {

TEST(RequestPacer, OneRequestASecond)
{
    RequestPacer pacer;
    EXPECT_EQ(pacer.delayBefore(5000), 0);
    pacer.noteSent(5000);
    EXPECT_EQ(pacer.delayBefore(5000), 1000);
    EXPECT_EQ(pacer.delayBefore(5400), 600);
    EXPECT_EQ(pacer.delayBefore(6000), 0);
    pacer.noteSent(6000);
    EXPECT_EQ(pacer.delayBefore(6999), 1);
}

TEST(RequestPacer, BackOffDoublesAndHoldsEveryRequest)
{
    RequestPacer pacer(1000, 3);
    pacer.noteSent(0);
    EXPECT_EQ(pacer.backOff(100, 0, -1), 1000);
    EXPECT_EQ(pacer.delayBefore(100), 1000);
    EXPECT_EQ(pacer.backOff(1100, 1, -1), 2000);
    EXPECT_EQ(pacer.backOff(3100, 2, -1), 4000);
    EXPECT_EQ(pacer.backOff(7100, 3, -1), -1); // retries used up
}

TEST(RequestPacer, RetryAfterIsObeyedButNeverBelowTheInterval)
{
    RequestPacer pacer;
    EXPECT_EQ(pacer.backOff(0, 0, 5), 5000);
    RequestPacer other;
    EXPECT_EQ(other.backOff(0, 0, 0), 1000);
    RequestPacer capped;
    EXPECT_EQ(capped.backOff(0, 0, 100000), 60000);
}

struct ProxyCase {
    const char *name;
    int use;
    const char *address;
    const char *port;
    bool ok;
    bool useProxy;
};
class ProxyTest : public ::testing::TestWithParam<ProxyCase> {};

TEST_P(ProxyTest, FromSettings)
{
    const ProxyCase &c = GetParam();
    const auto proxy = proxyFromSettings(c.use, QString::fromUtf8(c.address), QString::fromUtf8(c.port));
    ASSERT_EQ(proxy.ok(), c.ok) << proxy.message().toStdString();
    if (c.ok) {
        EXPECT_EQ(proxy->useProxy, c.useProxy);
    } else {
        EXPECT_EQ(proxy.message(), QStringLiteral("'%1' is not a valid integer value").arg(QString::fromUtf8(c.port)));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ProxyTest,
                         ::testing::Values(ProxyCase{"Direct", 0, "proxy", "x", true, false},
                                           ProxyCase{"AutomaticIsDirect", 1, "proxy", "", true, false},
                                           ProxyCase{"Manual", 2, "127.0.0.1", "8080", true, true},
                                           ProxyCase{"ManualEmptyPort", 2, "127.0.0.1", "", false, false},
                                           ProxyCase{"ManualLetters", 2, "127.0.0.1", "80a", false, false},
                                           ProxyCase{"ManualOutOfRange", 2, "127.0.0.1", "70000", false, false}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(CoverSearchSettings, DefaultsAndRoundTrip)
{
    test::TempProgramFolder home;
    auto store = makeSettingsStore();
    EXPECT_EQ(readCoverSearchSettings(*store), CoverSearchSettings());

    CoverSearchSettings s;
    s.classicHost = QStringLiteral("127.0.0.1:1234");
    s.sources = {CoverSource::Deezer, CoverSource::Classic};
    s.deezerBase = QStringLiteral("http://127.0.0.1:99");
    ASSERT_TRUE(writeCoverSearchSettings(*store, s).ok());
    EXPECT_EQ(readCoverSearchSettings(*store), s);
    EXPECT_EQ(readProfileString(store->IniFileName, u"MP3Param", u"CoverSearchSources", {}),
              QStringLiteral("deezer,classic"));
}

TEST(CoverSearchSettings, SourceWordsAreForgiving)
{
    EXPECT_EQ(sourcesFromText(QStringLiteral(" MB ,bogus,deezer,mb,Amazon")),
              QList<CoverSource>({CoverSource::MusicBrainz, CoverSource::Deezer, CoverSource::Classic}));
    EXPECT_TRUE(sourcesFromText(QString()).isEmpty());
}

TEST(CoverSearchSettings, UserAgentNamesProgramAndVersion)
{
    const QByteArray ua = musicBrainzUserAgent();
    EXPECT_TRUE(ua.startsWith("Vireo/" VIREO_VERSION " ( ")) << ua.constData();
    EXPECT_TRUE(ua.endsWith(" )"));
}

TEST(SavePicture, WritesAndReplacesWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("folder.jpg"));
    EXPECT_FALSE(saveNeedsConfirmation(path));
    ASSERT_TRUE(savePicture("first", path).ok());
    EXPECT_TRUE(saveNeedsConfirmation(path));
    ASSERT_TRUE(savePicture("second picture", path).ok());
    EXPECT_EQ(test::readFile(path), QByteArray("second picture"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("folder.jpg")});
}

TEST(SavePicture, FailuresLeaveNothingBehind)
{
    QTemporaryDir dir;
    EXPECT_FALSE(savePicture("x", dir.path()).ok()); // a folder
    EXPECT_FALSE(savePicture("x", dir.filePath(QStringLiteral("missing/folder.jpg"))).ok());
    EXPECT_FALSE(savePicture(QByteArray(), dir.filePath(QStringLiteral("empty.jpg"))).ok());
    if (::geteuid() != 0) { // root writes anywhere
        const QString ro = dir.filePath(QStringLiteral("ro"));
        QDir().mkpath(ro);
        QFile::setPermissions(ro, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        EXPECT_FALSE(savePicture("x", ro + QStringLiteral("/folder.jpg")).ok());
        QFile::setPermissions(ro, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        EXPECT_TRUE(QDir(ro).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
}

} // namespace

namespace {

// The two entries of the search (the current track, a strip cell) name the
// same album and the same save folder.
TEST(CoverSearchSubject, TrackAndCellAgree)
{
    TID3ListItem track(QStringLiteral("/music/A/Best/01.mp3"), 0);
    TID3v2Record v2;
    v2.Artist = QStringLiteral("A");
    v2.Album = QStringLiteral("Best");
    track.SetV2(v2);
    const CoverSearchSubject fromTrack = subjectOfTrack(track, PreferV2);
    EXPECT_EQ(fromTrack, (CoverSearchSubject{QStringLiteral("A"), QStringLiteral("Best"), QStringLiteral("/music/A/Best")}));

    views::TreeNode node = views::makeAlbumNode(QStringLiteral("Best"), QStringLiteral("A"),
                                                QStringLiteral("/music/A/Best"), -1, track.FileName);
    EXPECT_EQ(subjectOfAlbum(views::AlbumEntry{QStringLiteral("Best"), node.Data}), fromTrack);
    EXPECT_EQ(subjectOfAlbum(views::AlbumEntry{QStringLiteral("Best"), nullptr}), CoverSearchSubject{});

    TID3ListItem atRoot(QStringLiteral("/x.mp3"), 0);
    EXPECT_EQ(subjectOfTrack(atRoot, PreferV2).folder, QStringLiteral("/"));
}

} // namespace
