// The start-up and shutdown order without a window: a recording set of steps
// logs each step it is asked for, so the log holds the sequence's own lines
// and the steps interleaved, exactly as they ran.
#include "core/app/AppLifecycle.h"
#include "core/app/AppSession.h"
#include "core/library/EventLog.h"
#include "tests/support/TestSupport.h"

#include <QFile>
#include <gtest/gtest.h>

namespace vireo {
namespace {

class RecordingSteps : public LifecycleSteps {
public:
    explicit RecordingSteps(AppSession &s) : session(s) {}

    void makeStore() override { step("makeStore"); }
    void resetBrowsing() override { step("resetBrowsing"); }
    void loadSettings() override
    {
        step("loadSettings");
        session.setMusicFolder(QStringLiteral("/music/"));
    }
    void setUpToolsMenu() override { step("toolsMenu"); }
    void makeRemotePlayer() override { step("remotePlayer"); }
    void openDefaultFolder() override
    {
        step("openDefaultFolder");
        startingUpDuringScan = session.startingUp();
        lastFolderAtScan = session.lastFolder();
    }
    void sortByLastColumn() override { step("sort"); }
    void resetToggles() override { step("toggles"); }

    Result saveSettings() override
    {
        step("saveSettings");
        return saveResult;
    }
    void releasePlayers() override { step("players"); }
    void releaseTrackList() override { step("trackList"); }
    void clearTrees() override { step("trees"); }
    void destroyStore() override { step("store"); }
    void clearHiddenGenres() override { step("genres"); }

    void step(const char *name) { WriteLog(QStringLiteral("step:") + QLatin1String(name)); }

    AppSession &session;
    Result saveResult;
    bool startingUpDuringScan = false;
    QString lastFolderAtScan;
};

class AppLifecycleTest : public testing::Test {
protected:
    void TearDown() override
    {
        setLoggingEnabled(false);
        eventLog().setFolder(QString());
    }
    QStringList logLines() const
    {
        QFile f(home.file(QStringLiteral("vireo_uni.log")));
        if (!f.open(QIODevice::ReadOnly))
            return {};
        const QByteArray b = f.readAll();
        QString text(reinterpret_cast<const QChar *>(b.constData()), b.size() / 2);
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        QStringList lines;
        for (const QString &line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
            lines << line.mid(line.indexOf(QStringLiteral("] ")) + 2);
        return lines;
    }

    vireo::test::TempProgramFolder home;
    AppSession session;
    RecordingSteps steps{session};
    AppLifecycle lifecycle{session, steps};
};

TEST_F(AppLifecycleTest, StartUpRunsTheStepsInTheLoggedOrder)
{
    lifecycle.startUp(home.path());
    EXPECT_EQ(logLines(), QStringList({
        "step:makeStore", "step:resetBrowsing", "step:loadSettings",
        "メニューの初期化開始", "step:toolsMenu", "メニューの初期化終了",
        "MP3プレイヤーコントローラ初期化開始", "step:remotePlayer", "MP3プレイヤーコントローラ初期化終了",
        "step:openDefaultFolder", "step:sort", "step:toggles", "初期化処理終了"}));
    EXPECT_TRUE(steps.startingUpDuringScan);
    EXPECT_FALSE(session.startingUp());
    EXPECT_FALSE(session.closing());
    EXPECT_EQ(steps.lastFolderAtScan, QStringLiteral("/music/"));
    EXPECT_EQ(session.programFolder(), home.path());
    EXPECT_EQ(session.tempPlaylistPath(), home.path() + QStringLiteral("$$vire$$.m3u"));
}

TEST_F(AppLifecycleTest, ShutDownRunsOnceInTheLoggedOrderAndRemovesTheTemporaryPlaylist)
{
    lifecycle.startUp(home.path());
    QFile playlist(session.tempPlaylistPath());
    ASSERT_TRUE(playlist.open(QIODevice::WriteOnly));
    playlist.close();
    const qsizetype before = logLines().size();

    lifecycle.closeRequested();
    EXPECT_TRUE(session.closing());
    EXPECT_TRUE(lifecycle.shutDown().ok());
    EXPECT_TRUE(lifecycle.shutDownDone());
    EXPECT_EQ(logLines().mid(before), QStringList({
        "終了処理開始", "step:saveSettings",
        "内蔵プレイヤー開放", "step:players", "内蔵プレイヤー開放終了",
        "MP3リストバッファ開放", "step:trackList", "MP3リストバッファ開放終了",
        "M3Uリスト開放", "M3Uリスト開放終了", "step:trees",
        "MP3リスト開放", "step:store", "MP3リスト開放",
        "カバーアートリスト開放開始", "カバーアートリスト開放終了", "step:genres", "Vireo終了"}));
    EXPECT_FALSE(QFile::exists(session.tempPlaylistPath()));

    const qsizetype after = logLines().size();
    EXPECT_TRUE(lifecycle.shutDown().ok());
    EXPECT_EQ(logLines().size(), after);
}

TEST_F(AppLifecycleTest, AFailedSaveStillReleasesEverythingAndIsReported)
{
    lifecycle.startUp(home.path());
    steps.saveResult = Result::failure(ErrorCode::DiskFull, QStringLiteral("vireo.ini: disk full"));
    const Result r = lifecycle.shutDown();
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.message(), QStringLiteral("vireo.ini: disk full"));
    const QStringList log = logLines();
    EXPECT_TRUE(log.contains(QStringLiteral("step:store")));
    EXPECT_EQ(log.last(), QStringLiteral("Vireo終了"));
}

} // namespace
} // namespace vireo
