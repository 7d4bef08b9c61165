#include "core/formats/MPEGaudio.h"

#include "core/formats/VBRIHeader.h"
#include "core/formats/XingHeader.h"
#include "core/platform/FileAccess.h"

#include <cmath>

namespace vireo {
namespace {
const char *const versionTexts[] = {"MPEG 2.5", "MPEG ?", "MPEG 2", "MPEG 1"};
const char *const layerTexts[] = {"Layer ?", "Layer III", "Layer II", "Layer I"};
const char *const modeTexts[] = {"Stereo", "Joint Stereo", "Dual Channel", "Mono", "Unknown"};
const char *const emphasisTexts[] = {"None", "50/15 ms", "Unknown", "CCIT J.17"};
const char *const encoderTexts[] = {"Unknown", "Xing", "FhG", "LAME", "Blade", "GoGo", "Shine"};

QString pick(const char *const *table, int count, int index)
{
    return QString::fromLatin1(index >= 0 && index < count ? table[index] : table[count - 1]);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }
}

void TMPEGaudio::Reset()
{
    FileLength = 0;
    TailVendorText.clear();
    VBR = VBRData();
    Info = CBRInfo();
    Lame = LAMEHeader();
    Frame = FrameHeader();
    ID3v1.Reset();
    ID3v2.Reset();
}

void TMPEGaudio::readVbrHeaders(QByteArrayView block, qsizetype framePos)
{
    VBR = VBRData();
    Info = CBRInfo();
    Lame = LAMEHeader();
    const qsizetype xingAt = framePos + mpeg::xingOffset(Frame);
    if (xingAt < block.size()) {
        const XingHeader x = XingHeader::parse(block.sliced(xingAt));
        if (x.Valid) {
            const QByteArrayView after = block.sliced(std::min(block.size(), xingAt + x.FieldsEnd));
            Lame = LAMEHeader::parse(after);
            const QByteArray vendor = Lame.Valid ? Lame.Version : after.first(std::min<qsizetype>(8, after.size())).toByteArray();
            if (x.IsInfo) {
                Info.Found = true;
                Info.Frames = (x.Flags & XingHeader::HasFrames) ? x.Frames : 0;
                Info.Bytes = (x.Flags & XingHeader::HasBytes) ? x.Bytes : 0;
                Info.VendorText = vendor;
            } else {
                VBR.Found = true;
                VBR.Id = "Xing";
                VBR.Frames = x.Frames;
                VBR.Bytes = x.Bytes;
                VBR.Scale = (x.Flags & XingHeader::HasQuality) ? uint8_t(x.Quality & 0xff) : 0;
                VBR.VendorText = vendor;
            }
            return;
        }
    }
    const qsizetype vbriAt = framePos + mpeg::VbriOffset;
    if (vbriAt < block.size()) {
        const VBRIHeader v = VBRIHeader::parse(block.sliced(vbriAt));
        if (v.Valid) {
            VBR.Found = true;
            VBR.Id = "VBRI";
            VBR.Scale = uint8_t(v.Quality & 0xff);
            VBR.Bytes = v.Bytes;
            VBR.Frames = v.Frames;
        }
    }
}

bool TMPEGaudio::SearchFrame(QByteArrayView block, int64_t blockOffset)
{
    Frame = FrameHeader();
    const auto *b = reinterpret_cast<const uint8_t *>(block.data());
    const qsizetype n = block.size();
    for (qsizetype pos = 0; pos <= mpeg::LastSearchOffset && pos + 4 <= n; ++pos) {
        if (!mpeg::isFrameHeader(b + pos))
            continue;
        const FrameHeader h = mpeg::decodeHeader(b + pos);
        const int length = mpeg::frameLength(h);
        if (length <= 0 || pos + length + 4 > n || !mpeg::isFrameHeader(b + pos + length))
            continue;
        Frame = h;
        Frame.Found = true;
        Frame.Position = pos;
        Frame.FileOffset = blockOffset + pos;
        Frame.Size = uint16_t(length);
        Frame.XingZeros = pos + 10 <= n;
        for (qsizetype i = pos + 4; Frame.XingZeros && i < pos + 10; ++i)
            Frame.XingZeros = b[i] == 0;
        readVbrHeaders(block, pos);
        return true;
    }
    return false;
}

void TMPEGaudio::SearchTail(QByteArrayView block, int64_t blockOffset, int64_t end)
{
    TailVendorText.clear();
    for (int64_t count = 0; count <= 2 * int64_t(Frame.Size); ++count) {
        const int64_t p = end - 8 - count - blockOffset; // index in block
        if (p < 0)
            return;
        if (p + 4 > block.size())
            continue;
        const QByteArrayView four = block.sliced(p, 4);
        if (four == "LAME") {
            qsizetype len = std::min<qsizetype>(8, block.size() - p);
            // Keep a third version digit ("LAME3.100").
            if (len == 8 && p + 8 < block.size() && isDigit(block[p + 8]))
                len = 9;
            TailVendorText = block.sliced(p, len).toByteArray();
            return;
        }
        if (four == "GOGO") {
            TailVendorText = "GOGO";
            return;
        }
    }
}

Result TMPEGaudio::Analyse(const QString &path)
{
    Reset();
    FileReader file;
    if (Result r = file.open(path); !r) {
        if (!KeepTags)
            Reset();
        return r;
    }
    return Analyse(file);
}

Result TMPEGaudio::parse(QByteArrayView bytes) { return Analyse(MemorySource(bytes)); }

Result TMPEGaudio::Analyse(const ByteSource &file)
{
    Reset();
    Result result = file.isOpen() ? Result::success()
                                  : Result::failure(ErrorCode::InvalidArgument, QStringLiteral("no file open"));
    if (result)
        result = ID3v1.LoadTag(file);
    if (result)
        result = ID3v2.LoadTag(file);
    if (result) {
        FileLength = file.size();
        const int64_t start = std::max<int64_t>(0, ID3v2.TagSize());
        QByteArray block = file.readAt(start, mpeg::SearchBlockSize);
        bool found = SearchFrame(block, start);
        if (!found && block.size() == mpeg::SearchBlockSize) {
            // Look again in the middle of the audio (a tag may be larger than it says).
            const int64_t middle = start + (FileLength - start) / 2;
            block = file.readAt(middle, mpeg::SearchBlockSize);
            found = SearchFrame(block, middle);
        }
        // An "Info" header's encoder string already names the encoder.
        if (found && !VBR.Found && Info.VendorText.isEmpty()) {
            const int64_t end = FileLength - (ID3v1.Present() ? TID3v1::BlockSize : 0);
            const int64_t tailStart = std::max<int64_t>(0, end - mpeg::SearchBlockSize);
            SearchTail(file.readAt(tailStart, end - tailStart), tailStart, end);
        }
    }
    if (!Frame.Found && !KeepTags)
        Reset();
    return result;
}

QString TMPEGaudio::VersionText() const { return pick(versionTexts, 4, Frame.VersionId); }
QString TMPEGaudio::LayerText() const { return pick(layerTexts, 4, Frame.LayerId); }
QString TMPEGaudio::ChannelModeText() const { return pick(modeTexts, 5, Frame.ModeId); }
QString TMPEGaudio::EmphasisText() const { return pick(emphasisTexts, 4, Frame.EmphasisId); }

uint16_t TMPEGaudio::SampleRate() const { return uint16_t(mpeg::tableSampleRate(Frame)); }

uint16_t TMPEGaudio::BitRate() const
{
    if (VBR.Found && VBR.Frames >= 1) {
        const double rate = mpeg::tableSampleRate(Frame);
        const int coef = mpeg::coefficient(Frame.VersionId, Frame.LayerId);
        if (rate <= 0 || coef == 0)
            return 0;
        // nearbyint rounds halves to the even neighbour.
        const double kbps = std::nearbyint((double(VBR.Bytes) / double(VBR.Frames) - mpeg::paddingSize(Frame)) * rate / coef / 1000.0);
        return uint16_t(std::clamp(kbps, 0.0, 65535.0));
    }
    return uint16_t(mpeg::tableBitRate(Frame));
}

int64_t TMPEGaudio::audioBytes() const { return std::max<int64_t>(0, FileLength - Frame.FileOffset); }

int64_t TMPEGaudio::FrameCount() const
{
    if (VBR.Found)
        return VBR.Frames;
    if (!Frame.Found)
        return 0;
    if (Info.Found && Info.Frames > 0)
        return Info.Frames;
    const int length = mpeg::frameLength(Frame);
    return length > 0 ? audioBytes() / length : 0;
}

double TMPEGaudio::Duration() const
{
    if (!Frame.Found)
        return 0;
    const double rate = mpeg::tableSampleRate(Frame);
    const double samples = mpeg::samplesPerFrame(Frame.VersionId, Frame.LayerId);
    if (rate <= 0)
        return 0;
    if (VBR.Found && VBR.Frames > 0)
        return samples * double(VBR.Frames) / rate;
    if (Info.Found && Info.Frames > 0)
        return samples * double(Info.Frames) / rate;
    const double kbps = mpeg::tableBitRate(Frame);
    return kbps > 0 ? double(audioBytes()) * 8.0 / kbps / 1000.0 : 0;
}

int TMPEGaudio::EncoderId() const
{
    if (!Frame.Found)
        return 0;
    if (VBR.Found) {
        const QByteArray &t = VBR.VendorText;
        int id = 0;
        if (t.startsWith("LAME"))
            id = 3;
        if (t.startsWith("GOGO") || t.startsWith("MPGE"))
            id = 5;
        if (VBR.Id == "Xing" && !t.startsWith("LAME") && !t.startsWith("GOGO") && !t.startsWith("MPGE"))
            id = 1;
        if (VBR.Id == "VBRI")
            id = 2;
        return id;
    }
    int id = 2;
    if (Frame.Protected && Frame.OriginalFlag)
        id = 3;
    if (mpeg::tableBitRate(Frame) <= 160 && Frame.ModeId == 0)
        id = 4;
    if (Frame.CopyrightFlag && Frame.OriginalFlag && !Frame.Protected)
        id = 1;
    if (Frame.XingZeros && Frame.OriginalFlag)
        id = 1;
    if (Frame.ModeId == 2 && Frame.Protected)
        id = 6;
    // The encoder string of an "Info" header counts like a mark at the end.
    const QByteArray mark = TailVendorText.isEmpty() ? Info.VendorText : TailVendorText;
    if (mark.startsWith("LAME"))
        id = 3;
    if (mark.startsWith("GOGO"))
        id = 5;
    return id;
}

QByteArray TMPEGaudio::vendorForText() const
{
    if (!TailVendorText.isEmpty())
        return TailVendorText;
    return VBR.Found ? VBR.VendorText : Info.VendorText;
}

QString TMPEGaudio::EncoderText() const
{
    const int id = EncoderId();
    QString text = QString::fromLatin1(encoderTexts[id]);
    const QByteArray t = vendorForText();
    if (id == 3 && t.size() >= 8 && isDigit(t[4]) && t[5] == '.' && isDigit(t[6]) && isDigit(t[7])) {
        qsizetype end = 8;
        while (end < t.size() && isDigit(t[end]))
            ++end;
        text += QLatin1Char(' ') + QString::fromLatin1(t.mid(4, end - 4));
    }
    return text;
}

bool TMPEGaudio::IsValid() const
{
    const uint16_t rate = BitRate();
    return Frame.Found && rate >= 8 && rate <= 448 && Duration() >= 0.1;
}

} // namespace vireo
