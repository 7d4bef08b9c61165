// Volume and mute against a real PulseAudio server started privately with a
// null sink; pactl plays the part of the desktop's own volume control.
#include "backends/mixer/PulseMixerLine.h"
#include "core/playback/Mixer.h"

#include "tests/support/PlaybackSupport.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace vireo;

namespace {

class PulseMixer : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::ensureCoreApplication();
        pulse = std::make_unique<test::PrivatePulse>();
        if (!pulse->ok())
            GTEST_SKIP() << qPrintable(pulse->why());
        QString why;
        ASSERT_TRUE(line.connectToServer(5000, &why)) << qPrintable(why);
        ASSERT_EQ(line.sinkName(), QStringLiteral("vnull"));
        mixer = std::make_unique<TMixer>(&line);
        // The slider and the toggle: a shown value moves them, and a moved
        // slider calls back into the mixer as a real slider's signal does.
        QObject::connect(mixer.get(), &TMixer::volumeShown, [this](int v) {
            slider = v;
            mixer->sliderMoved(v);
        });
        QObject::connect(mixer.get(), &TMixer::muteShown, [this](bool on) { toggle = on; });
    }
    void TearDown() override
    {
        mixer.reset();
    }
    // The raw channel volumes of the sink as pactl reports them.
    QList<int> sinkVolumes()
    {
        const QByteArray out = pulse->pactl({QStringLiteral("get-sink-volume"), QStringLiteral("vnull")});
        QList<int> v;
        static const QRegularExpression re(QStringLiteral(":\\s*(\\d+)\\s*/"));
        auto it = re.globalMatch(QString::fromUtf8(out));
        while (it.hasNext())
            v << it.next().captured(1).toInt();
        return v;
    }
    void setFromOutside(int left, int right)
    {
        ASSERT_FALSE(pulse->pactl({QStringLiteral("set-sink-volume"), QStringLiteral("vnull"),
                                   QString::number(left), QString::number(right)}).isNull());
    }

    std::unique_ptr<test::PrivatePulse> pulse;
    PulseMixerLine line;
    std::unique_ptr<TMixer> mixer;
    int slider = -1;
    bool toggle = false;
};

TEST_F(PulseMixer, OutsideChangesMoveTheControlsWithoutAnEcho)
{
    setFromOutside(32768, 16384);
    ASSERT_TRUE(test::waitUntil([&] { return slider == 50; }, 3000)) << slider;
    EXPECT_NEAR(mixer->balanceRatio(), 0.5, 0.001);
    EXPECT_EQ(line.writeCount(), 0); // the shown value was not written back
    EXPECT_EQ(sinkVolumes(), (QList<int>{32768, 16384}));

    ASSERT_FALSE(pulse->pactl({QStringLiteral("set-sink-mute"), QStringLiteral("vnull"), QStringLiteral("1")}).isNull());
    ASSERT_TRUE(test::waitUntil([&] { return toggle; }, 3000));
    EXPECT_TRUE(mixer->mute());
    EXPECT_EQ(line.writeCount(), 0);
}

TEST_F(PulseMixer, BalanceIsKeptWhenTheSliderMoves)
{
    setFromOutside(32768, 16384);
    ASSERT_TRUE(test::waitUntil([&] { return slider == 50; }, 3000));
    mixer->sliderMoved(100);
    EXPECT_EQ(sinkVolumes(), (QList<int>{65536, 32768})); // 65535 and 32768 of 65535
    mixer->sliderMoved(0);
    EXPECT_EQ(sinkVolumes(), (QList<int>{0, 0}));
    EXPECT_EQ(mixer->volume(), 0);
    EXPECT_NEAR(mixer->balanceRatio(), 0.5, 0.001); // both at 0: the ratio stays
    mixer->sliderMoved(50);
    const QList<int> v = sinkVolumes();
    ASSERT_EQ(v.size(), 2);
    EXPECT_NEAR(v[0], 32768, 1);
    EXPECT_NEAR(v[1], 16384, 1);
    const int writes = line.writeCount();
    mixer->setVolume(50); // unchanged values are not written
    EXPECT_EQ(line.writeCount(), writes);
}

TEST_F(PulseMixer, LeftSilentGivesTheLargestRatioAndRightFollowsIt)
{
    setFromOutside(0, 40000);
    ASSERT_TRUE(test::waitUntil([&] { return slider == 61; }, 3000)) << slider;
    EXPECT_EQ(mixer->balanceRatio(), 131071.0);
    mixer->sliderMoved(100);
    const QList<int> v = sinkVolumes();
    ASSERT_EQ(v.size(), 2);
    EXPECT_EQ(v[0], 0); // round(65535 / 131071) is 0
    EXPECT_EQ(v[1], 65536);
}

TEST_F(PulseMixer, MuteFromTheToggleReachesTheServer)
{
    mixer->muteClicked(true);
    EXPECT_NE(pulse->pactl({QStringLiteral("get-sink-mute"), QStringLiteral("vnull")}).indexOf("yes"), -1);
    mixer->muteClicked(false);
    EXPECT_NE(pulse->pactl({QStringLiteral("get-sink-mute"), QStringLiteral("vnull")}).indexOf("no"), -1);
}

TEST(PulseMixerWithoutServer, ControlsAreInert)
{
    test::ensureCoreApplication();
    QTemporaryDir empty;
    const QByteArray old = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(empty.path()));
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(empty.path()) + "/none");
    PulseMixerLine line;
    QString why;
    EXPECT_FALSE(line.connectToServer(1000, &why));
    EXPECT_FALSE(why.isEmpty());
    TMixer mixer(&line);
    EXPECT_FALSE(mixer.hasMasterLine());
    EXPECT_EQ(mixer.volume(), -1);
    mixer.setVolume(30);
    mixer.setMute(true);
    EXPECT_FALSE(mixer.mute());
    EXPECT_EQ(line.writeCount(), 0);
    qunsetenv("PULSE_SERVER");
    qputenv("XDG_RUNTIME_DIR", old);
}

TEST(ChannelScale, FullScaleMapsToTheServersNormalVolume)
{
    EXPECT_EQ(pulseFromChannel(65535), 65536u);
    EXPECT_EQ(pulseFromChannel(0), 0u);
    EXPECT_EQ(channelFromPulse(65536), 65535u);
    EXPECT_EQ(channelFromPulse(100000), 65535u); // louder than full reads as full
    for (quint32 c : {1u, 16384u, 32768u, 50000u})
        EXPECT_EQ(channelFromPulse(pulseFromChannel(c)), c);
}

} // namespace
