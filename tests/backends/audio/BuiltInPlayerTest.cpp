// The built-in player and the play list over real GStreamer with a fake sink
// that keeps real time, playing real MP3 files made by lame.
#include "backends/audio/GstAudioDevice.h"
#include "core/playback/PlayListPlayer.h"
#include "core/playback/TcmxMP3.h"

#include "tests/support/PlaybackSupport.h"
#include "tests/support/TestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QThread>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vireo;

namespace {

class BuiltInPlayer : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        test::ensureCoreApplication();
        qputenv("VIREO_AUDIO_SINK", "fakesink sync=true");
        s_dir = new QTemporaryDir;
        s_ok = GstAudioDevice::initialise(&s_why) && test::makeMp3(file(u"two.mp3"), 2.0)
               && test::makeMp3(file(u"three.mp3"), 3.4)
               && test::makeMp3(file(u"six.mp3"), 6.2) && test::makeMp3(file(u"曲 一.mp3"), 2.0);
        if (s_ok)
            test::writeFile(file(u"garbage.mp3"), QByteArray(20000, 'x'));
    }
    static void TearDownTestSuite() { delete s_dir; }
    void SetUp() override
    {
        if (!s_ok)
            GTEST_SKIP() << "no GStreamer or lame: " << qPrintable(s_why);
    }
    static QString file(QStringView name) { return s_dir->filePath(name.toString()); }

    static inline QTemporaryDir *s_dir = nullptr;
    static inline bool s_ok = false;
    static inline QString s_why;
};

TEST_F(BuiltInPlayer, LengthPositionPauseResumeAndEndOnTheMainThread)
{
    auto made = TcmxMP3::Create(file(u"three.mp3"), gstAudioDeviceFactory());
    ASSERT_TRUE(made.ok()) << qPrintable(made.message());
    TcmxMP3 &p = *made.value();
    EXPECT_EQ(p.Length(), 3);
    EXPECT_EQ(p.Name(), QStringLiteral("three"));
    EXPECT_EQ(p.Mode(), PlayerMode::NoDevice);
    EXPECT_EQ(p.Position(), 0);

    QList<int> steps;
    QThread *endThread = nullptr;
    QObject::connect(&p, &TcmxMP3::progress, [&](int s) { steps << s; });
    QObject::connect(&p, &TcmxMP3::ended, [&] { endThread = QThread::currentThread(); });
    ASSERT_TRUE(p.Play().ok());
    EXPECT_EQ(p.Mode(), PlayerMode::Playing);
    ASSERT_TRUE(test::waitUntil([&] { return !steps.isEmpty(); }, 200)); // the first step runs at once
    EXPECT_EQ(steps.first(), 0);
    ASSERT_TRUE(test::waitUntil([&] { return p.Position() >= 1; }, 3000));

    ASSERT_TRUE(p.Pause().ok());
    EXPECT_EQ(p.Mode(), PlayerMode::Paused);
    const qsizetype stepsAtPause = steps.size();
    const int at = p.Position();
    test::spin(1300);
    EXPECT_EQ(steps.size(), stepsAtPause); // no position updates while paused
    EXPECT_EQ(p.Position(), at);

    ASSERT_TRUE(p.Resume().ok());
    EXPECT_EQ(p.Mode(), PlayerMode::Playing);
    ASSERT_TRUE(test::waitUntil([&] { return endThread != nullptr; }, 6000));
    EXPECT_EQ(endThread, QCoreApplication::instance()->thread());
    EXPECT_GT(steps.size(), stepsAtPause);
    EXPECT_GE(steps.last(), at);
    EXPECT_EQ(p.Mode(), PlayerMode::NoDevice); // stopped itself at the end
}

TEST_F(BuiltInPlayer, NoProgressStepReachesAStoppedPlayer)
{
    auto made = TcmxMP3::Create(file(u"three.mp3"), gstAudioDeviceFactory());
    ASSERT_TRUE(made.ok());
    TcmxMP3 &p = *made.value();
    p.setProgressInterval(50);
    int steps = 0, ends = 0;
    QObject::connect(&p, &TcmxMP3::progress, [&] { ++steps; });
    QObject::connect(&p, &TcmxMP3::ended, [&] { ++ends; });
    ASSERT_TRUE(p.Play().ok());
    test::spin(300);
    p.Stop();
    const int atStop = steps;
    EXPECT_GT(atStop, 1);
    test::spin(500);
    EXPECT_EQ(steps, atStop);
    EXPECT_EQ(ends, 0);
    EXPECT_EQ(p.Position(), 0);
}

TEST_F(BuiltInPlayer, UnplayableFilesFailWithTheirMessage)
{
    for (const QString &path : {file(u"garbage.mp3"), file(u"vanished.mp3")}) {
        auto made = TcmxMP3::Create(path, gstAudioDeviceFactory());
        ASSERT_FALSE(made.ok()) << qPrintable(path);
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^-?\\d+ - .+")).match(made.message()).hasMatch())
            << qPrintable(made.message());
        EXPECT_TRUE(made.message().contains(path)) << qPrintable(made.message());
    }
}

QVector<PlayListEntry> entries(const QStringList &paths)
{
    QVector<PlayListEntry> out;
    for (const QString &p : paths)
        out << PlayListEntry::fromPath(p);
    return out;
}

TEST_F(BuiltInPlayer, PlayListMovesOnAtTheEndAndStaysOnTheLastRow)
{
    PlayListPlayer list(gstAudioDeviceFactory());
    list.setRows(entries({file(u"two.mp3"), file(u"曲 一.mp3")}));
    QList<int> marks;
    QObject::connect(&list, &PlayListPlayer::playingMarkChanged, [&](int r) { marks << r; });
    int ends = 0;
    QObject::connect(&list.slot(), &PlayerSlot::ended, [&] { ++ends; });
    list.setSelected(0);
    list.play();
    EXPECT_EQ(list.playingMark(), 0);
    EXPECT_EQ(list.slot().barMaximum(), 2);
    ASSERT_TRUE(test::waitUntil([&] { return ends == 2; }, 9000));
    EXPECT_EQ(marks, (QList<int>{0, 1}));
    EXPECT_EQ(list.selected(), 1); // stays on the last row
    EXPECT_EQ(list.playingMark(), 1);
    EXPECT_EQ(list.slot().barPosition(), 0);
    EXPECT_NE(list.mode(), PlayerMode::Playing);
}

TEST_F(BuiltInPlayer, IntroPlayCutsEachTrackAndStopsCleanlyOnTheLast)
{
    PlayListPlayer list(gstAudioDeviceFactory());
    list.setRows(entries({file(u"six.mp3"), file(u"six.mp3")}));
    list.setIntroPlay(true);
    list.setIntroSeconds(1);
    int tracks = 0;
    QObject::connect(&list, &PlayListPlayer::trackChanged, [&] { ++tracks; });
    QElapsedTimer clock;
    clock.start();
    list.setSelected(0);
    list.play();
    ASSERT_TRUE(test::waitUntil([&] { return list.playingMark() == -1; }, 8000));
    EXPECT_LT(clock.elapsed(), 8000); // two intros of a second or two, not two whole tracks
    EXPECT_FALSE(list.slot().hasPlayer());
    EXPECT_EQ(list.slot().barPosition(), 0);
    EXPECT_EQ(list.selected(), 1);
    EXPECT_GE(tracks, 2);
}

// The cut falls when the position reaches the intro length, not on the next
// one-second step (which would let up to a second more play), also after a pause.
TEST_F(BuiltInPlayer, IntroStopsAtItsLengthToTheTenthOfASecond)
{
    for (const bool pauseFirst : {false, true}) {
        SCOPED_TRACE(pauseFirst ? "paused once" : "straight");
        PlayListPlayer list(gstAudioDeviceFactory());
        list.setRows(entries({file(u"six.mp3"), file(u"six.mp3")}));
        list.setIntroPlay(true);
        list.setIntroSeconds(2);
        qint64 lastPosition = -1;
        QTimer watch;
        watch.setTimerType(Qt::PreciseTimer);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (list.playingMark() == 0 && list.slot().player())
                lastPosition = list.slot().player()->PositionMs();
        });
        watch.start(5);
        list.setSelected(0);
        list.play();
        if (pauseFirst) {
            ASSERT_TRUE(test::waitUntil([&] { return lastPosition >= 700; }, 3000));
            list.pauseToggle();
            test::waitUntil([] { return false; }, 600);
            EXPECT_EQ(list.playingMark(), 0); // a pause does not run the intro clock
            list.pauseToggle();
        }
        ASSERT_TRUE(test::waitUntil([&] { return list.playingMark() == 1; }, 6000));
        EXPECT_GE(lastPosition, 1900);
        EXPECT_LE(lastPosition, 2100);
        list.stop();
    }
}

TEST_F(BuiltInPlayer, IntroOfZeroMovesOnAtTheFirstStep)
{
    PlayListPlayer list(gstAudioDeviceFactory());
    list.setRows(entries({file(u"three.mp3"), file(u"two.mp3"), file(u"three.mp3")}));
    list.setIntroPlay(true);
    list.setIntroSeconds(0);
    list.setSelected(0);
    list.play(); // each first step asks for the next row at once
    ASSERT_TRUE(test::waitUntil([&] { return list.playingMark() == -1; }, 1500));
    EXPECT_EQ(list.selected(), 2);
    EXPECT_FALSE(list.slot().hasPlayer());
}

TEST_F(BuiltInPlayer, UnplayableRowsAreReportedOnceAndSkipped)
{
    PlayListPlayer list(gstAudioDeviceFactory());
    list.setRows(entries({file(u"garbage.mp3"), file(u"vanished.mp3"), file(u"two.mp3")}));
    QStringList errors;
    QObject::connect(&list, &PlayListPlayer::errorOccurred, [&](const QString &m) { errors << m; });
    list.setSelected(0);
    list.play();
    ASSERT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[0].contains(file(u"garbage.mp3")));
    EXPECT_TRUE(errors[1].contains(file(u"vanished.mp3")));
    EXPECT_EQ(list.selected(), 2);
    EXPECT_EQ(list.playingMark(), 2);
    EXPECT_EQ(list.mode(), PlayerMode::Playing);
    list.stop();
    EXPECT_EQ(list.playingMark(), -1);
    EXPECT_FALSE(list.slot().hasPlayer());

    // An unplayable last row ends the list without a mark.
    list.setRows(entries({file(u"garbage.mp3")}));
    errors.clear();
    list.setSelected(0);
    list.play();
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(list.playingMark(), -1);
}

TEST_F(BuiltInPlayer, NextPreviousAndDeleteFollowTheRows)
{
    PlayListPlayer list(gstAudioDeviceFactory());
    list.setRows(entries({file(u"two.mp3"), file(u"three.mp3"), file(u"曲 一.mp3")}));
    list.previous(); // nothing selected: nothing
    EXPECT_FALSE(list.slot().hasPlayer());
    list.next();     // nothing selected: the first row plays
    EXPECT_EQ(list.selected(), 0);
    EXPECT_EQ(list.mode(), PlayerMode::Playing);
    list.previous(); // first row: nothing
    EXPECT_EQ(list.selected(), 0);
    list.next();
    EXPECT_EQ(list.playingMark(), 1);
    EXPECT_EQ(list.slot().barMaximum(), 3);
    list.previous();
    EXPECT_EQ(list.playingMark(), 0);

    list.pauseToggle();
    EXPECT_EQ(list.mode(), PlayerMode::Paused);
    list.pauseToggle();
    EXPECT_EQ(list.mode(), PlayerMode::Playing);

    list.deleteSelected(); // deleting the playing row does not stop playback
    EXPECT_EQ(list.rows().size(), 2);
    EXPECT_EQ(list.playingMark(), -1);
    EXPECT_EQ(list.selected(), -1);
    EXPECT_EQ(list.mode(), PlayerMode::Playing);
    list.stop();
    EXPECT_EQ(list.mode(), PlayerMode::NoDevice);
}

} // namespace
