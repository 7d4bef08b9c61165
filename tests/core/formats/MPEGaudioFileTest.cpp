// MPEG audio analysis of whole files: streams made by lame (checked against
// mutagen's reading), tags in front, truncated and random files.
#include "core/formats/MPEGaudio.h"

#include "tests/support/TestSupport.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cmath>

using namespace vireo;
using namespace vireo::test;

namespace {

QByteArray sineWav(double seconds, int rate, int channels)
{
    const int n = int(seconds * rate);
    QByteArray pcm;
    pcm.reserve(n * channels * 2);
    for (int i = 0; i < n; ++i) {
        const auto v = qint16(8000 * std::sin(2 * M_PI * 440.0 * i / rate));
        for (int c = 0; c < channels; ++c)
            pcm.append(char(v & 0xff)).append(char((v >> 8) & 0xff));
    }
    auto le32 = [](uint32_t v) { QByteArray b(4, '\0'); qToLittleEndian(v, b.data()); return b; };
    auto le16 = [](uint16_t v) { QByteArray b(2, '\0'); qToLittleEndian(v, b.data()); return b; };
    return "RIFF" + le32(36 + pcm.size()) + "WAVEfmt " + le32(16) + le16(1) + le16(channels) + le32(rate)
        + le32(rate * channels * 2) + le16(channels * 2) + le16(16) + "data" + le32(pcm.size()) + pcm;
}

class LameFiles : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString encode(const QString &name, const QStringList &options, double seconds = 1.0)
    {
        const QString wav = dir.filePath(name + QStringLiteral(".wav"));
        writeFile(wav, sineWav(seconds, 44100, 2));
        const QString mp3 = dir.filePath(name + QStringLiteral(".mp3"));
        const RunResult r = run(QStringLiteral(VIREO_LAME), QStringList{QStringLiteral("--quiet")} + options + QStringList{wav, mp3});
        EXPECT_EQ(r.exitCode, 0) << r.err.constData();
        return mp3;
    }
    // mutagen's length and sample rate of a file.
    std::pair<double, int> mutagenInfo(const QString &path)
    {
        const RunResult r = run(QStringLiteral(VIREO_PYTHON3),
                                {QStringLiteral("-c"), QStringLiteral("import sys; from mutagen.mp3 import MP3; i = MP3(sys.argv[1]).info; "
                                                                      "print(i.length, i.sample_rate)"),
                                 path});
        const QList<QByteArray> parts = r.out.trimmed().split(' ');
        if (parts.size() != 2)
            return {-1, -1};
        return {parts[0].toDouble(), parts[1].toInt()};
    }
};

struct LameCase {
    const char *name;
    const char *options;
    const char *version;
    const char *mode;
    int sampleRate;
    bool vbr;
    int bitrate; // 0: not checked (VBR average)
    bool infoHeader;
};
class LameStreams : public LameFiles, public ::testing::WithParamInterface<LameCase> {};

TEST_P(LameStreams, AnalysedLikeMutagenReadsThem)
{
    if (!haveLame() || !haveMutagen())
        GTEST_SKIP() << "lame or mutagen missing";
    const LameCase &c = GetParam();
    const QString path = encode(QString::fromLatin1(c.name), QString::fromLatin1(c.options).split(u' '));
    TMPEGaudio a;
    ASSERT_TRUE(a.Analyse(path));
    EXPECT_TRUE(a.IsValid());
    EXPECT_EQ(a.VersionText(), QString::fromLatin1(c.version));
    EXPECT_EQ(a.LayerText(), u"Layer III");
    EXPECT_EQ(a.ChannelModeText(), QString::fromLatin1(c.mode));
    EXPECT_EQ(a.SampleRate(), c.sampleRate);
    EXPECT_EQ(a.VBR.Found, c.vbr);
    EXPECT_EQ(a.Info.Found, c.infoHeader);
    if (c.bitrate) {
        EXPECT_EQ(a.BitRate(), c.bitrate);
    }
    if (c.vbr || c.infoHeader) {
        EXPECT_EQ(a.EncoderText(), u"LAME 3.100");
    }
    const auto [length, rate] = mutagenInfo(path);
    EXPECT_EQ(rate, c.sampleRate);
    // mutagen leaves out the encoder delay and padding: under 2304 samples.
    const double slack = 2304.0 / c.sampleRate + 0.01;
    EXPECT_NEAR(a.Duration(), length, slack) << "frames " << a.FrameCount();
    EXPECT_NEAR(a.Duration(), 1.0, slack);
}

INSTANTIATE_TEST_SUITE_P(
    Encodings, LameStreams,
    ::testing::Values(LameCase{"cbr128", "-b 128", "MPEG 1", "Joint Stereo", 44100, false, 128, true},
                      LameCase{"vbr", "-V 5", "MPEG 1", "Joint Stereo", 44100, true, 0, false},
                      LameCase{"abr", "--abr 80 --resample 44.1", "MPEG 1", "Joint Stereo", 44100, true, 0, false},
                      LameCase{"mono", "-b 64 -m m --resample 44.1", "MPEG 1", "Mono", 44100, false, 64, true},
                      LameCase{"vbrMono", "-V 4 -m m --resample 44.1", "MPEG 1", "Mono", 44100, true, 0, false},
                      LameCase{"stereo", "-b 160 -m s", "MPEG 1", "Stereo", 44100, false, 160, true},
                      LameCase{"mpeg2", "-b 64 --resample 22.05", "MPEG 2", "Joint Stereo", 22050, false, 64, true},
                      LameCase{"mpeg25", "-b 32 --resample 11.025 -m m", "MPEG 2.5", "Mono", 11025, false, 32, true},
                      // Frames too small for an "Info" header: none is written.
                      LameCase{"tinyFrames", "-b 32 --resample 22.05", "MPEG 2", "Joint Stereo", 22050, false, 32, false},
                      LameCase{"noInfo", "-b 96 -t --resample 44.1", "MPEG 1", "Joint Stereo", 44100, false, 96, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(LameFiles, VbrFrameCountComesFromTheHeader)
{
    if (!haveLame())
        GTEST_SKIP();
    const QString path = encode(QStringLiteral("v"), {QStringLiteral("-V"), QStringLiteral("2")}, 2.0);
    TMPEGaudio a;
    ASSERT_TRUE(a.Analyse(path));
    ASSERT_TRUE(a.VBR.Found);
    EXPECT_EQ(a.VBR.Id, "Xing");
    EXPECT_EQ(a.FrameCount(), a.VBR.Frames);
    EXPECT_NEAR(double(a.VBR.Frames), 2.0 * 44100 / 1152, 3);
    EXPECT_TRUE(a.Lame.Valid);
    EXPECT_EQ(a.Lame.Version, "LAME3.100");
    EXPECT_GT(a.Lame.EncoderDelay, 0);
}

TEST_F(LameFiles, TagsInFrontAndBehindAreSkipped)
{
    if (!haveLame() || !haveMutagen())
        GTEST_SKIP();
    const QString path = encode(QStringLiteral("t"), {QStringLiteral("-b"), QStringLiteral("128")});
    TMPEGaudio plain;
    ASSERT_TRUE(plain.Analyse(path));
    // A 20 000-byte picture and an ID3v1 tag.
    const RunResult r = run(QStringLiteral(VIREO_PYTHON3),
                            {QStringLiteral("-c"),
                             QStringLiteral("import sys; from mutagen.id3 import ID3, APIC, TIT2; t = ID3(); "
                                            "t.add(TIT2(encoding=1, text='x')); "
                                            "t.add(APIC(encoding=0, mime='image/jpeg', type=3, desc='', data=b'\\xff\\xd8' + bytes(20000))); "
                                            "t.save(sys.argv[1], v2_version=3, v1=2)"),
                             path});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    TMPEGaudio a;
    ASSERT_TRUE(a.Analyse(path));
    EXPECT_TRUE(a.ID3v2.Present());
    EXPECT_GT(a.ID3v2.TagSize(), 20000);
    EXPECT_TRUE(a.ID3v1.Present());
    EXPECT_EQ(a.Frame.FileOffset, a.ID3v2.TagSize());
    EXPECT_EQ(a.FrameCount(), plain.FrameCount());
    EXPECT_DOUBLE_EQ(a.Duration(), plain.Duration());
    EXPECT_EQ(a.ID3v2.Picture().ImageData.size(), 20002);
}

class ByteFiles : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString put(const QByteArray &bytes, const char *name = "f.mp3")
    {
        const QString p = dir.filePath(QString::fromLatin1(name));
        writeFile(p, bytes);
        return p;
    }
};

TEST_F(ByteFiles, HundredByteFileFails)
{
    TMPEGaudio a;
    EXPECT_FALSE(a.Analyse(put(silentMpegFrames(1).left(100))));
    EXPECT_FALSE(a.Frame.Found);
    EXPECT_FALSE(a.Analyse(dir.filePath(QStringLiteral("missing.mp3"))));
    EXPECT_EQ(a.parse(silentMpegFrames(1).left(100)).code(), ErrorCode::BadData);
}

// Streams in memory: the same analysis without a file.
TEST(ByteStreams, NoFrameGivesTheEmptyStateAndTrue)
{
    TMPEGaudio a;
    EXPECT_TRUE(a.parse((QByteArray(10000, 'z') + QByteArray("TAG") + QByteArray(125, '\0'))));
    EXPECT_FALSE(a.IsValid());
    EXPECT_FALSE(a.ID3v1.Present()); // emptied with everything else
    EXPECT_EQ(a.VersionText(), u"MPEG ?");
}

TEST(ByteStreams, StreamLateAfterJunkIsFoundInTheMiddle)
{
    // 1730 junk bytes: the first block has no frame, the middle one has.
    const QByteArray bytes = QByteArray(1730, '\x55') + silentMpegFrames(40);
    TMPEGaudio a;
    ASSERT_TRUE(a.parse(bytes));
    ASSERT_TRUE(a.Frame.Found);
    EXPECT_GE(a.Frame.FileOffset, bytes.size() / 2);
    EXPECT_EQ((a.Frame.FileOffset - 1730) % 417, 0);
    EXPECT_EQ(a.FrameCount(), (bytes.size() - a.Frame.FileOffset) / 417);
}

TEST(ByteStreams, TruncatedStreamsStillAnalyse)
{
    const QByteArray whole = silentMpegFrames(20);
    for (int cut : {417 * 20 - 1, 417 * 10 + 200, 417 * 2 + 3, 417 + 3, 300}) {
        TMPEGaudio a;
        ASSERT_TRUE(a.parse(whole.left(cut))) << cut;
        EXPECT_EQ(a.Frame.Found, cut >= 417 + 4) << cut;
        if (a.Frame.Found) {
            EXPECT_EQ(a.FrameCount(), cut / 417);
        }
    }
}

TEST(ByteStreams, RandomFilesNeverCrash)
{
    QRandomGenerator rng(777);
    for (int i = 0; i < 200; ++i) {
        QByteArray bytes(int(rng.bounded(12000)), '\0');
        for (char &c : bytes)
            c = char(rng.bounded(256));
        if (i % 3 == 0 && bytes.size() > 10)
            bytes.replace(0, 3, "ID3");
        if (i % 4 == 0)
            bytes += silentMpegFrames(3);
        TMPEGaudio a;
        (void)a.parse(bytes);
        (void)a.IsValid();
        (void)a.EncoderText();
    }
}

} // namespace
