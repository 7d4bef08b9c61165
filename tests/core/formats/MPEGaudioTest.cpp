// MPEG audio analysis on hand-built frames: the header test, frame lengths,
// the frame search, the Xing/"Info"/VBRI/LAME headers and the derived values.
#include "core/formats/MPEGaudio.h"
#include "core/formats/VBRIHeader.h"
#include "core/formats/XingHeader.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <cmath>

using namespace vireo;

namespace {

struct Hdr {
    int version = 3; // 3 MPEG 1, 2 MPEG 2, 0 MPEG 2.5
    int layer = 1;   // 1 Layer III, 2 Layer II, 3 Layer I
    int bitrate = 9; // index
    int rate = 0;    // index
    int pad = 0;
    int mode = 1;
    bool crc = false;
    bool copyright = false;
    bool original = true;
    int emphasis = 0;
};

QByteArray headerBytes(const Hdr &h)
{
    QByteArray b(4, '\0');
    b[0] = char(0xFF);
    b[1] = char(0xE0 | (h.version << 3) | (h.layer << 1) | (h.crc ? 0 : 1));
    b[2] = char((h.bitrate << 4) | (h.rate << 2) | (h.pad << 1));
    b[3] = char((h.mode << 6) | (h.copyright << 3) | (h.original << 2) | h.emphasis);
    return b;
}

int lengthOf(const Hdr &h)
{
    const QByteArray b = headerBytes(h);
    return mpeg::frameLength(mpeg::decodeHeader(reinterpret_cast<const uint8_t *>(b.constData())));
}

// A frame of zeros after its header, with `payload` placed at `at`.
QByteArray frame(const Hdr &h, const QByteArray &payload = {}, int at = 0)
{
    QByteArray f = headerBytes(h) + QByteArray(lengthOf(h) - 4, '\0');
    if (!payload.isEmpty())
        f.replace(at, payload.size(), payload);
    return f;
}

QByteArray stream(const Hdr &h, int frames, const QByteArray &firstPayload = {}, int at = 0)
{
    QByteArray s = frame(h, firstPayload, at);
    for (int i = 1; i < frames; ++i)
        s += frame(h);
    return s;
}

struct LengthCase {
    Hdr h;
    int length;
};
class FrameLength : public ::testing::TestWithParam<LengthCase> {};
TEST_P(FrameLength, MatchesTheStandard) { EXPECT_EQ(lengthOf(GetParam().h), GetParam().length); }
INSTANTIATE_TEST_SUITE_P(
    Streams, FrameLength,
    ::testing::Values(LengthCase{Hdr{3, 1, 9, 0, 0}, 417},      // MPEG 1 L3 128k 44.1k
                      LengthCase{Hdr{3, 1, 9, 0, 1}, 418},      // with padding
                      LengthCase{Hdr{2, 1, 8, 0, 0}, 208},      // MPEG 2 L3 64k 22.05k
                      LengthCase{Hdr{0, 1, 1, 2, 0}, 72},       // MPEG 2.5 L3 8k 8k
                      LengthCase{Hdr{3, 2, 10, 1, 0}, 576},     // MPEG 1 L2 192k 48k
                      LengthCase{Hdr{2, 2, 8, 0, 0}, 417},      // MPEG 2 L2 64k 22.05k: 1152 samples
                      LengthCase{Hdr{3, 3, 1, 0, 0}, 32},       // MPEG 1 L1 32k 44.1k: 8 slots of 4
                      LengthCase{Hdr{3, 3, 1, 0, 1}, 36},       // with a padding slot
                      LengthCase{Hdr{3, 1, 14, 2, 1}, 1441}));  // MPEG 1 L3 320k 32k

struct HeaderCase {
    QByteArray bytes;
    bool ok;
};
class HeaderTest : public ::testing::TestWithParam<HeaderCase> {};
TEST_P(HeaderTest, Accepts)
{
    EXPECT_EQ(mpeg::isFrameHeader(reinterpret_cast<const uint8_t *>(GetParam().bytes.constData())), GetParam().ok);
}
INSTANTIATE_TEST_SUITE_P(Bytes, HeaderTest,
                         ::testing::Values(HeaderCase{QByteArray("\xFF\xFB\x90\x44", 4), true},
                                           HeaderCase{QByteArray("\xFF\xFB\x00\x44", 4), false}, // free format
                                           HeaderCase{QByteArray("\xFF\xFB\xF0\x44", 4), false}, // bad bit rate
                                           HeaderCase{QByteArray("\xFF\xFB\x9C\x44", 4), false}, // reserved rate
                                           HeaderCase{QByteArray("\xFF\xEB\x90\x44", 4), false}, // reserved version
                                           HeaderCase{QByteArray("\xFF\xF9\x90\x44", 4), false}, // reserved layer
                                           HeaderCase{QByteArray("\xFF\xFB\x90\x46", 4), false}, // reserved emphasis
                                           HeaderCase{QByteArray("\xFF\xDB\x90\x44", 4), false}, // sync
                                           HeaderCase{QByteArray("\xFE\xFB\x90\x44", 4), false}));

TEST(FrameSearch, NeedsAFollowingHeaderOneFrameLater)
{
    const Hdr h;
    // A header that passes the test, followed by nothing valid, then a stream.
    QByteArray block = headerBytes(h) + QByteArray(100, '\x11') + stream(h, 3);
    TMPEGaudio a;
    ASSERT_TRUE(a.SearchFrame(block, 500));
    EXPECT_EQ(a.Frame.Position, 104);
    EXPECT_EQ(a.Frame.FileOffset, 604);
    EXPECT_EQ(a.Frame.Size, 417);
}

TEST(FrameSearch, FramesStartingAfterOffset1729AreNotFound)
{
    const Hdr h;
    TMPEGaudio a;
    EXPECT_FALSE(a.SearchFrame(QByteArray(1730, '\0') + stream(h, 4), 0));
    EXPECT_TRUE(a.SearchFrame(QByteArray(1729, '\0') + stream(h, 4), 0));
    EXPECT_EQ(a.Frame.Position, 1729);
}

TEST(FrameSearch, ASingleFrameAtTheEndIsNotEnough)
{
    TMPEGaudio a;
    EXPECT_FALSE(a.SearchFrame(frame(Hdr{}), 0));
    EXPECT_FALSE(a.Frame.Found);
}

TEST(FrameSearch, RandomBytesNeverCrash)
{
    QRandomGenerator rng(12345);
    TMPEGaudio a;
    for (int i = 0; i < 3000; ++i) {
        QByteArray block(int(rng.bounded(3500)), '\0');
        for (char &c : block)
            c = char(rng.bounded(256));
        // Plant sync words and header fragments so the deeper paths run.
        for (int k = 0; k < 8 && block.size() > 60; ++k) {
            const int at = int(rng.bounded(block.size() - 50));
            block[at] = char(0xFF);
            block[at + 1] = char(0xFB);
            if (k % 2)
                block.replace(at + 36, 4, k % 4 == 1 ? "Xing" : "VBRI");
        }
        if (a.SearchFrame(block, 0)) {
            EXPECT_GT(a.Frame.Size, 0);
            a.FileLength = block.size();
            (void)a.Duration();
            (void)a.BitRate();
            (void)a.EncoderText();
        }
    }
}

QByteArray xing(uint32_t flags, uint32_t frames, uint32_t bytes, uint32_t quality, bool info = false)
{
    XingHeader x;
    x.IsInfo = info;
    x.Flags = flags;
    x.Frames = frames;
    x.Bytes = bytes;
    x.Quality = quality;
    return x.render();
}

TEST(XingHeaderParse, FieldsFollowTheFlags)
{
    const XingHeader all = XingHeader::parse(xing(15, 10000, 4000000, 57) + "LAME3.97");
    ASSERT_TRUE(all.Valid);
    EXPECT_EQ(all.Frames, 10000u);
    EXPECT_EQ(all.Bytes, 4000000u);
    EXPECT_EQ(all.Quality, 57u);
    EXPECT_EQ(all.FieldsEnd, 120);
    const XingHeader bytesOnly = XingHeader::parse(xing(2, 0, 777, 0));
    ASSERT_TRUE(bytesOnly.Valid);
    EXPECT_EQ(bytesOnly.Frames, 0u);
    EXPECT_EQ(bytesOnly.Bytes, 777u);
    EXPECT_EQ(bytesOnly.FieldsEnd, 12);
    // Cut before the fields its flags name: not a header.
    EXPECT_FALSE(XingHeader::parse(xing(15, 1, 1, 1).left(50)).Valid);
    EXPECT_FALSE(XingHeader::parse("Xin").Valid);
    EXPECT_FALSE(XingHeader::parse(QByteArray("xing") + QByteArray(200, '\0')).Valid);
}

struct VbrCase {
    const char *name;
    Hdr h;
    QByteArray header;
    int at;
    bool vbr;
    int64_t frames;
    double duration;
    int bitrate;
    int encoderId;
    const char *encoder;
};
class VbrHeaders : public ::testing::TestWithParam<VbrCase> {};

TEST_P(VbrHeaders, Derived)
{
    const VbrCase &c = GetParam();
    TMPEGaudio a;
    const QByteArray s = stream(c.h, 5, c.header, c.at);
    ASSERT_TRUE(a.SearchFrame(s, 0));
    a.FileLength = s.size();
    EXPECT_EQ(a.VBR.Found, c.vbr);
    EXPECT_EQ(a.FrameCount(), c.frames);
    EXPECT_NEAR(a.Duration(), c.duration, 1e-6);
    EXPECT_EQ(a.BitRate(), c.bitrate);
    EXPECT_EQ(a.EncoderId(), c.encoderId);
    EXPECT_EQ(a.EncoderText(), QString::fromUtf8(c.encoder));
}

const Hdr stereo{};
const Hdr mono{3, 1, 9, 0, 0, 3};
const Hdr mpeg2mono{2, 1, 8, 0, 0, 3};
INSTANTIATE_TEST_SUITE_P(
    Kinds, VbrHeaders,
    ::testing::Values(
        VbrCase{"XingLame", stereo, xing(15, 10000, 4170000, 78) + "LAME3.97", 36, true, 10000, 144.0 * 10000 * 8 / 44100,
                128, 3, "LAME 3.97"},
        VbrCase{"XingLameThreeDigits", stereo, xing(15, 10000, 4170000, 78) + "LAME3.100", 36, true, 10000,
                1152.0 * 10000 / 44100, 128, 3, "LAME 3.100"},
        // Only the frame count: the vendor string comes right after it.
        VbrCase{"XingFramesOnly", stereo, xing(1, 500, 0, 0) + "LAME3.99r", 36, true, 500, 1152.0 * 500 / 44100, 0, 3,
                "LAME 3.99"},
        VbrCase{"XingOtherVendor", stereo, xing(15, 10000, 4170000, 50) + "XYZ1.000", 36, true, 10000,
                1152.0 * 10000 / 44100, 128, 1, "Xing"},
        VbrCase{"XingMono", mono, xing(3, 1000, 417000, 0), 21, true, 1000, 1152.0 * 1000 / 44100, 128, 1, "Xing"},
        VbrCase{"XingMpeg2Mono", mpeg2mono, xing(3, 1000, 208000, 0), 13, true, 1000, 576.0 * 1000 / 22050, 64, 1,
                "Xing"},
        VbrCase{"GogoVendor", stereo, xing(3, 100, 41700, 0) + "GOGO3.12", 36, true, 100, 1152.0 * 100 / 44100, 128, 5,
                "GoGo"},
        // "Info": LAME's constant-bit-rate form gives the frame count, the stream stays CBR.
        VbrCase{"Info", stereo, xing(15, 40, 16680, 0, true) + "LAME3.100", 36, false, 40, 1152.0 * 40 / 44100, 128, 3,
                "LAME 3.100"},
        VbrCase{"VbriStereo", stereo, VBRIHeader{true, 1, 0, 75, 834000, 2000}.render(), 36, true, 2000,
                1152.0 * 2000 / 44100, 128, 2, "FhG"},
        // VBRI is always 32 bytes after the 4 header bytes, mono frames too.
        VbrCase{"VbriMono", mono, VBRIHeader{true, 1, 0, 75, 834000, 2000}.render(), 36, true, 2000,
                1152.0 * 2000 / 44100, 128, 2, "FhG"},
        VbrCase{"Plain", stereo, {}, 0, false, 5, 5 * 417 * 8 / 128000.0, 128, 1, "Xing"}),
    [](const auto &info) { return std::string(info.param.name); });

struct CbrEncoderCase {
    Hdr h;
    QByteArray tail;
    int id;
    const char *text;
};
class CbrEncoder : public ::testing::TestWithParam<CbrEncoderCase> {};
TEST_P(CbrEncoder, FromFlagsAndMark)
{
    const CbrEncoderCase &c = GetParam();
    TMPEGaudio a;
    QByteArray s = stream(c.h, 5, QByteArray(1, '\x01'), 9); // not all zeros after the header
    ASSERT_TRUE(a.SearchFrame(s, 0));
    if (!c.tail.isEmpty()) {
        s.replace(s.size() - 300, c.tail.size(), c.tail);
        a.SearchTail(s, 0, s.size());
    }
    EXPECT_EQ(a.EncoderId(), c.id);
    EXPECT_EQ(a.EncoderText(), QString::fromLatin1(c.text));
}
Hdr with(Hdr h, int mode, bool crc, bool copyright, bool original)
{
    h.mode = mode;
    h.crc = crc;
    h.copyright = copyright;
    h.original = original;
    return h;
}
INSTANTIATE_TEST_SUITE_P(
    Rules, CbrEncoder,
    ::testing::Values(CbrEncoderCase{with(stereo, 0, false, false, false), {}, 4, "Blade"},
                      CbrEncoderCase{with(stereo, 1, false, false, false), {}, 2, "FhG"},
                      CbrEncoderCase{with(stereo, 1, true, false, true), {}, 3, "LAME"},
                      CbrEncoderCase{with(stereo, 1, false, true, true), {}, 1, "Xing"},
                      CbrEncoderCase{with(stereo, 2, true, false, false), {}, 6, "Shine"},
                      CbrEncoderCase{with(stereo, 0, false, false, false), "LAME3.90", 3, "LAME 3.90"},
                      CbrEncoderCase{with(stereo, 1, false, false, false), "GOGO", 5, "GoGo"}));

TEST(Analyser, EmptyStateTexts)
{
    TMPEGaudio a;
    EXPECT_EQ(a.VersionText(), u"MPEG ?");
    EXPECT_EQ(a.LayerText(), u"Layer ?");
    EXPECT_EQ(a.ChannelModeText(), u"Unknown");
    EXPECT_EQ(a.EmphasisText(), u"Unknown");
    EXPECT_EQ(a.EncoderText(), u"Unknown");
    EXPECT_EQ(a.FrameCount(), 0);
    EXPECT_EQ(a.Duration(), 0);
    EXPECT_FALSE(a.IsValid());
}

TEST(Analyser, ShortStreamIsNotValid)
{
    // About 0.05 s: too short to count as audio.
    TMPEGaudio a;
    const QByteArray s = stream(Hdr{}, 2);
    ASSERT_TRUE(a.SearchFrame(s, 0));
    a.FileLength = s.size();
    EXPECT_LT(a.Duration(), 0.1);
    EXPECT_FALSE(a.IsValid());
    a.FileLength = 417 * 4;
    EXPECT_TRUE(a.IsValid());
}

TEST(Analyser, LengthsBeyondTwoGigabytes)
{
    TMPEGaudio a;
    const QByteArray s = stream(Hdr{}, 3);
    ASSERT_TRUE(a.SearchFrame(s, 0));
    a.FileLength = int64_t(5) << 30; // 5 GiB
    EXPECT_EQ(a.FrameCount(), a.FileLength / 417);
    EXPECT_NEAR(a.Duration(), double(a.FileLength) * 8 / 128000, 1e-3);
}

} // namespace
