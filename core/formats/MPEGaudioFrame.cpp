#include "core/formats/MPEGaudioFrame.h"

namespace vireo::mpeg {
namespace {
const int16_t bitRates[2][3][16] = {
    // MPEG 1: Layer I, II, III
    {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0},
     {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0},
     {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0}},
    // MPEG 2 and 2.5: Layer I, II, III
    {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0}},
};
const int32_t sampleRates[4][4] = {
    {11025, 12000, 8000, 0}, // MPEG 2.5
    {0, 0, 0, 0},            // reserved
    {22050, 24000, 16000, 0},
    {44100, 48000, 32000, 0},
};
}

bool isFrameHeader(const uint8_t *b)
{
    return b[0] == 255 && b[1] >= 224 && ((b[1] >> 3) & 3) != 1 && ((b[1] >> 1) & 3) != 0 && b[2] >= 16
        && b[2] < 240 && ((b[2] >> 2) & 3) != 3 && (b[3] & 3) != 2;
}

FrameHeader decodeHeader(const uint8_t *b)
{
    FrameHeader h;
    for (int i = 0; i < 4; ++i)
        h.HeaderBytes[i] = b[i];
    h.VersionId = (b[1] >> 3) & 3;
    h.LayerId = (b[1] >> 1) & 3;
    h.Protected = (b[1] & 1) == 0;
    h.BitRateIndex = b[2] >> 4;
    h.SampleRateIndex = (b[2] >> 2) & 3;
    h.PaddingBit = (b[2] >> 1) & 1;
    h.PrivateBit = b[2] & 1;
    h.ModeId = b[3] >> 6;
    h.ModeExtension = (b[3] >> 4) & 3;
    h.CopyrightFlag = (b[3] >> 3) & 1;
    h.OriginalFlag = (b[3] >> 2) & 1;
    h.EmphasisId = b[3] & 3;
    return h;
}

int tableBitRate(uint8_t versionId, uint8_t layerId, int index)
{
    if (versionId > 3 || versionId == MpegReserved || layerId == LayerReserved || layerId > 3 || index < 0 || index > 15)
        return 0;
    const int v = versionId == Mpeg1 ? 0 : 1;
    const int l = 3 - layerId; // Layer I first
    return bitRates[v][l][index];
}

int tableSampleRate(uint8_t versionId, int index)
{
    if (versionId > 3 || index < 0 || index > 3)
        return 0;
    return sampleRates[versionId][index];
}

int samplesPerFrame(uint8_t versionId, uint8_t layerId)
{
    switch (layerId) {
    case Layer1: return 384;
    case Layer2: return 1152;
    case Layer3: return versionId == Mpeg1 ? 1152 : 576;
    default: return 0;
    }
}

int paddingSize(const FrameHeader &h)
{
    if (!h.PaddingBit)
        return 0;
    return h.LayerId == Layer1 ? 4 : 1;
}

int frameLength(const FrameHeader &h)
{
    const int64_t rate = tableSampleRate(h);
    const int64_t bits = int64_t(tableBitRate(h)) * 1000;
    if (rate == 0 || bits == 0)
        return 0;
    // Layer I frames are counted in 4-byte slots.
    if (h.LayerId == Layer1)
        return int(12 * bits / rate) * 4 + paddingSize(h);
    return int(coefficient(h.VersionId, h.LayerId) * bits / rate) + paddingSize(h);
}

int xingOffset(const FrameHeader &h)
{
    const bool mono = h.ModeId == ModeMono;
    if (h.VersionId == Mpeg1)
        return mono ? 21 : 36;
    return mono ? 13 : 21;
}

} // namespace vireo::mpeg
