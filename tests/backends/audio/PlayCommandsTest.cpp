// The track list's play commands for each player choice: what the external
// player is started with, what the temporary playlist holds, and what the
// built-in play list receives (real GStreamer for the built-in player).
#include "backends/audio/GstAudioDevice.h"
#include "core/playback/PlayCommands.h"

#include "tests/support/PlaybackSupport.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

using namespace vireo;

namespace {

// Records what would be handed to a running player.
class RecordingBus : public RemotePlayerBus {
public:
    QStringList playerNames() override { return present ? QStringList{QStringLiteral("org.mpris.MediaPlayer2.x")} : QStringList(); }
    bool canEditTracks(const QString &) override { return true; }
    bool addTrack(const QString &, const QString &uri) override
    {
        added << uri;
        return true;
    }
    bool present = true;
    QStringList added;
};

class PlayCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::ensureCoreApplication();
        qputenv("VIREO_AUDIO_SINK", "fakesink sync=true");
        for (int i = 1; i <= 6; ++i) {
            PlayListEntry e = PlayListEntry::fromPath(folder.file(QStringLiteral("曲%1.mp3").arg(i)));
            e.row.ImageIndex = i == 3 ? RowImageMissing : RowImageV2;
            rows << e;
        }
        PlayCommands::Services s;
        s.playList = &playList;
        s.quickPlay = &quick;
        s.remote = &remote;
        s.choice = [this] { return choice; };
        s.launch = [this](const PlayerCommand &c) { launched << c; };
        s.log = [this](const QString &line) { logged << line; };
        commands = std::make_unique<PlayCommands>(s, temp());
    }
    QString temp() const { return folder.file(QStringLiteral("$$vire$$.m3u")); }
    QStringList tempLines() const
    {
        return QString::fromUtf8(test::readFile(temp())).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }

    test::TempProgramFolder folder;
    QVector<PlayListEntry> rows;
    PlayerChoice choice;
    PlayListPlayer playList{gstAudioDeviceFactory()};
    PlayerSlot quick{gstAudioDeviceFactory()};
    RecordingBus bus;
    TSCMPX_ctl remote{&bus};
    QVector<PlayerCommand> launched;
    QStringList logged;
    std::unique_ptr<PlayCommands> commands;
};

const std::vector<bool> kRows2And5{false, true, false, false, true, false};

TEST_F(PlayCommandsTest, SelectPlayWritesTheSelectedPathsAndStartsTheNamedPlayer)
{
    choice = {1, {}, QStringLiteral("/usr/bin/player"), QStringLiteral("--enqueue")};
    ASSERT_TRUE(commands->selectPlay(rows, kRows2And5).ok());
    EXPECT_EQ(tempLines(), (QStringList{rows[1].path, rows[4].path}));
    ASSERT_EQ(launched.size(), 1);
    EXPECT_EQ(launched[0].program, QStringLiteral("/usr/bin/player"));
    EXPECT_EQ(launched[0].arguments, (QStringList{QStringLiteral("--enqueue"), temp()}));
    // Nothing selected: nothing written, nothing started.
    ASSERT_TRUE(commands->selectPlay(rows, std::vector<bool>(6, false)).ok());
    EXPECT_EQ(launched.size(), 1);
}

TEST_F(PlayCommandsTest, AllPlayWritesEveryRowMissingOnesIncludedAndLogs)
{
    choice = {0, {}, {}, {}};
    ASSERT_TRUE(commands->allPlay(rows).ok());
    EXPECT_EQ(tempLines().size(), 6);
    EXPECT_EQ(tempLines()[2], rows[2].path);
    ASSERT_EQ(launched.size(), 1);
    EXPECT_EQ(launched[0].program, QStringLiteral("xdg-open"));
    EXPECT_EQ(logged, QStringList{QStringLiteral("全曲演奏：") + temp()});
    ASSERT_TRUE(commands->allPlay({}).ok()); // an empty list does nothing
    EXPECT_EQ(launched.size(), 1);
}

TEST_F(PlayCommandsTest, ShuffledPlaylistHoldsTheSameLines)
{
    choice = {0, {}, {}, {}};
    commands->setShuffle(true);
    commands->setGenerator(std::mt19937(3));
    ASSERT_TRUE(commands->allPlay(rows).ok());
    QStringList lines = tempLines(), expected;
    for (const PlayListEntry &e : rows)
        expected << e.path;
    EXPECT_NE(lines, expected);
    lines.sort();
    expected.sort();
    EXPECT_EQ(lines, expected);
}

TEST_F(PlayCommandsTest, UnwritablePlaylistStartsNoPlayer)
{
    choice = {0, {}, {}, {}};
    PlayCommands::Services s;
    s.choice = [this] { return choice; };
    s.launch = [this](const PlayerCommand &c) { launched << c; };
    PlayCommands broken(s, QStringLiteral("/nonexistent/dir/$$vire$$.m3u"));
    Result r = broken.allPlay(rows);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.message().contains(QStringLiteral("/nonexistent/dir")));
    EXPECT_TRUE(launched.isEmpty());
}

TEST_F(PlayCommandsTest, AddSkipsMissingFilesForTheRemoteAndTheBuiltInList)
{
    choice = {0, {}, {}, {}};
    commands->add(rows, {true, false, true, false, false, true});
    EXPECT_EQ(bus.added, (QStringList{fileUri(rows[0].path), fileUri(rows[5].path)}));
    bus.added.clear();
    commands->allAdd(rows);
    EXPECT_EQ(bus.added.size(), 5);
    bus.present = false;
    commands->add(rows, {true, false, false, false, false, false}); // no player: nothing reported

    choice = {2, {}, {}, {}};
    commands->add(rows, {true, false, true, false, false, true});
    ASSERT_EQ(playList.rows().size(), 2);
    EXPECT_EQ(playList.rows()[1].path, rows[5].path);
    EXPECT_FALSE(playList.slot().hasPlayer()); // appended, not started
}

TEST_F(PlayCommandsTest, BuiltInAllPlayOfOneRowPlaysIt)
{
    if (!test::makeMp3(rows[0].path, 2.0))
        GTEST_SKIP() << "no lame";
    choice = {2, {}, {}, {}};
    ASSERT_TRUE(commands->allPlay({rows[0]}).ok());
    EXPECT_TRUE(launched.isEmpty());
    EXPECT_EQ(playList.rows().size(), 1);
    EXPECT_EQ(playList.playingMark(), 0);
    EXPECT_EQ(playList.mode(), PlayerMode::Playing);

    // Quick play runs beside it only while switched on, and off stops it.
    ASSERT_TRUE(commands->quickPlay(rows, {true, false, false, false, false, false}).ok());
    EXPECT_FALSE(quick.hasPlayer());
    commands->setQuickPlay(true);
    ASSERT_TRUE(commands->quickPlay(rows, {true, false, false, false, false, false}).ok());
    EXPECT_TRUE(quick.hasPlayer());
    commands->setQuickPlay(false);
    EXPECT_FALSE(quick.hasPlayer());
    EXPECT_EQ(quick.barPosition(), 0);

    // A new built-in play stops both players first.
    ASSERT_TRUE(commands->selectPlay(rows, {true, false, false, false, false, false}).ok());
    EXPECT_EQ(playList.playingMark(), 0);
    playList.stop();
}

} // namespace
